#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <fstream>
#include <sstream>
#include <wx/wxsqlite3.h>

wxString testPad(const wxString& naam)
{
    return wxString::FromUTF8((testMap() / naam.utf8_string()).string());
}

std::string leesBytes(const wxString& pad)
{
    std::ifstream bestand(pad.utf8_string(), std::ios::binary);
    std::stringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}

void schrijfBytes(const wxString& pad, const std::string& inhoud)
{
    std::ofstream(pad.utf8_string(), std::ios::binary) << inhoud;
}

void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen)
{
    wxSQLite3Database bestand;
    bestand.Open(pad);
    bestand.ExecuteUpdate("create table T (id integer primary key, naam text, getal integer)");
    int nummer = 0;
    for (const char* naam : namen)
        bestand.ExecuteUpdate(wxString::Format("insert into T (naam, getal) values ('%s', %d)", naam, ++nummer));
    bestand.Close();
}

void voerUitOp(const wxString& pad, const wxString& opdracht)
{
    wxSQLite3Database bestand;
    bestand.Open(pad);
    bestand.ExecuteUpdate(opdracht);
    bestand.Close();
}

DatabaseTest::DatabaseTest()
    : konfig(std::make_unique<TrivaneWxConfig>("VerelTamso", "Trivane Embedded Systemen", wxString()))
{
}

void DatabaseTest::zetKonfig(const wxString& dbPad, bool alleenLezen)
{
    // The previous run ends first: it writes its own group.
    db.reset();
    konfig->Write("/Configuratie/Database/DBPad", dbPad);
    konfig->Write("/Configuratie/Database/IsAlleenLezenDB", alleenLezen);
}

wxString DatabaseTest::leesKonfig(const wxString& sleutel)
{
    return konfig->Read("/Configuratie/Database/" + sleutel, "(missing)");
}

SQLite3Basis& DatabaseTest::start(bool alleenLezen)
{
    db.reset();
    db = std::make_unique<SQLite3Basis>(*konfig, "vtd", alleenLezen, wxString());
    return *db;
}

void DatabaseTest::stop()
{
    db.reset();
    konfig->Flush();
}

SQLite3Basis& DatabaseTest::geheugen()
{
    zetKonfig(":memory:");
    return start();
}

SQLite3Basis& DatabaseTest::openBestand(const wxString& pad, bool alleenLezen)
{
    zetKonfig(pad, alleenLezen);
    return start();
}

long long DatabaseTest::tel(const wxString& voorwaarde)
{
    return db->executeSkalair("select count(*) from T" + (voorwaarde.empty() ? wxString() : " where " + voorwaarde));
}
