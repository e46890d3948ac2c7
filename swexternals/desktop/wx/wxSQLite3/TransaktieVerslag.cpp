#include "swexternals/desktop/wx/wxSQLite3/TransaktieVerslag.h"

void TransaktieVerslag::neemOp(const wxString& opdracht, bool begint, unsigned long long opening_)
{
    if (begint || opening_ != opening)
    {
        opdrachten.clear();
        opening = opening_;
    }
    opdrachten.push_back(opdracht);
}

void TransaktieVerslag::rolTerugNaar(const wxString& savepoint)
{
    const wxString zetten = "savepoint " + savepoint;
    for (size_t i = opdrachten.size(); i > 0; --i)
        if (opdrachten[i - 1] == zetten)
        {
            opdrachten.resize(i);
            return;
        }
}

void TransaktieVerslag::wis()
{
    opdrachten.clear();
}

std::vector<wxString> TransaktieVerslag::geefOpdrachten(unsigned long long opening_) const
{
    return opening_ == opening ? opdrachten : std::vector<wxString>();
}
