#include "tests/toepassing/kern/app/OpslagHulp.h"

wxString nummers(KernApp& app)
{
    wxString tekst;
    wxSQLite3ResultSet rij = app.ExecuteQuery("select naam,SR from Requirements order by SR");
    while (rij.NextRow())
        tekst += (tekst.empty() ? "" : ",") + rij.GetString(0) + "=" + rij.GetAsString(1);
    return tekst;
}

wxString kolom(KernApp& app, int SR, const char* kolom)
{
    wxSQLite3ResultSet rij = app.ExecuteQuery(wxString::Format("select %s from Requirements where SR==%d", kolom, SR));
    if (!rij.NextRow())
        return "-";
    return rij.IsNull(0) ? wxString("null") : rij.GetAsString(0);
}

Requirement opgeslagen(const char* naam, int SR)
{
    Requirement rek;
    rek.naam = wxString::FromUTF8(naam);
    rek.SR = SR;
    return rek;
}

void blokkeerVolgendeStart(KernApp& app)
{
    ASSERT_EQ(app.executeUpdate("create table if not exists Blok (r integer references Requirements(id) "
                                "deferrable initially deferred)"),
              0);
    ASSERT_EQ(app.executeUpdate("pragma foreign_keys=on"), 0);
    ASSERT_EQ(app.startTransaktie(), 0);
    ASSERT_EQ(app.executeUpdate("insert into Blok values (424242)"), 0);
}
