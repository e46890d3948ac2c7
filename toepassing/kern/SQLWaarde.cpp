#include "toepassing/kern/SQLWaarde.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/longlong.h>

wxString SQLWaarde::tekst(const wxString& waarde)
{
    return SQLite3Basis::quotes(waarde);
}

wxString SQLWaarde::datum(const wxDateTime& waarde)
{
    return waarde.IsValid() ? SQLite3Basis::quotes(waarde.FormatISODate()) : wxString("null");
}

wxString SQLWaarde::geheel(int waarde)
{
    return wxString::Format("%d", waarde);
}

wxString SQLWaarde::geheel(unsigned int waarde)
{
    return wxString::Format("%u", waarde);
}

void SQLWaarde::bindDatum(wxSQLite3Statement& opdracht, int index, const wxDateTime& waarde)
{
    if (waarde.IsValid())
        opdracht.BindDate(index, waarde);
    else
        opdracht.BindNull(index);
}

void SQLWaarde::bindGeheel(wxSQLite3Statement& opdracht, int index, unsigned int waarde)
{
    opdracht.Bind(index, wxLongLong(static_cast<wxLongLong_t>(waarde)));
}

bool SQLWaarde::zelfdeDag(const wxDateTime& a, const wxDateTime& b)
{
    if (!a.IsValid() || !b.IsValid())
        return a.IsValid() == b.IsValid();
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}
