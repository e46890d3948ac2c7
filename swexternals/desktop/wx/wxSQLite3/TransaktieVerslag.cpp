#include "swexternals/desktop/wx/wxSQLite3/TransaktieVerslag.h"

void TransaktieVerslag::neemOp(const wxString& opdracht, bool begint, unsigned long long opening_)
{
    if (begint || opening_ != opening)
    {
        opdrachten.clear();
        onvolledig = false;
        opening = opening_;
    }
    // A statement whose text is not known cannot be run again: the record
    // no longer opens the transaction as it stood.
    if (opdracht.empty())
        onvolledig = true;
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
    onvolledig = false;
}

std::vector<wxString> TransaktieVerslag::geefOpdrachten(unsigned long long opening_) const
{
    return opening_ == opening && !onvolledig ? opdrachten : std::vector<wxString>();
}
