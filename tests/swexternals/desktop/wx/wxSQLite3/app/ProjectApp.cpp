#include "tests/swexternals/desktop/wx/wxSQLite3/app/ProjectApp.h"

#include "tests/ondersteuning/TestOmgeving.h"

int ProjectApp::startDatabase()
{
    ++aantalStarts;
    schakelMode(JournaalWAL, SynchronisatieFull);
    wxArrayString namen;
    namen.Add("id");
    namen.Add("naam");
    wxArrayString types;
    types.Add("integer primary key");
    types.Add("text");
    const int tabel = maakTabel("T", namen, types, wxArrayString(), false, false, true);
    if (tabel == 2)
        return 2;
    return schakelHandmatigeTransaktie(StandAan, wxString());
}

int ProjectApp::verander(const wxString& naam)
{
    const int begonnen = startTransaktie();
    return begonnen != 0 ? begonnen : executeUpdate("insert into T (naam) values (" + quotes(naam) + ")", -1);
}

wxString testPad(const wxString& naam)
{
    return wxString::FromUTF8((testMap() / naam.utf8_string()).string());
}

long long rijenIn(const wxString& pad)
{
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
    return bestand.ExecuteScalar("select count(*) from T");
}

wxString journaalVan(const wxString& pad)
{
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
    wxSQLite3ResultSet rij = bestand.ExecuteQuery("pragma journal_mode");
    rij.NextRow();
    return rij.GetString(0);
}

void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen)
{
    wxSQLite3Database bestand;
    bestand.Open(pad);
    bestand.ExecuteUpdate("create table T (id integer primary key, naam text)");
    for (const char* naam : namen)
        bestand.ExecuteUpdate("insert into T (naam) values (" + SQLite3Basis::quotes(naam) + ")");
}
