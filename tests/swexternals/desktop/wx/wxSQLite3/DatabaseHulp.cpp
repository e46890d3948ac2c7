#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <fstream>
#include <sstream>

wxString testPad(const wxString& naam)
{
    return wxString::FromUTF8((testMap() / naam.utf8_string()).string());
}

std::string leesBytes(const wxString& pad)
{
    std::stringstream inhoud;
    inhoud << std::ifstream(pad.utf8_string(), std::ios::binary).rdbuf();
    return inhoud.str();
}

void schrijfBytes(const wxString& pad, const std::string& inhoud)
{
    std::ofstream(pad.utf8_string(), std::ios::binary) << inhoud;
}

wxArrayString lijst(std::initializer_list<const char*> teksten)
{
    wxArrayString uit;
    for (const char* tekst : teksten)
        uit.Add(wxString::FromUTF8(tekst));
    return uit;
}

void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen,
                        std::initializer_list<const char*> opdrachten)
{
    wxSQLite3Database bestand;
    bestand.Open(pad);
    bestand.ExecuteUpdate("create table T (id integer primary key, naam text, getal integer)");
    int getal = 0;
    for (const char* naam : namen)
        bestand.ExecuteUpdate(wxString::Format("insert into T (naam, getal) values ('%s', %d)", naam, ++getal));
    for (const char* opdracht : opdrachten)
        bestand.ExecuteUpdate(opdracht);
}

void DatabaseTest::zetKonfig(const wxString& dbPad, bool alleenLezen)
{
    db.reset();
    konfig->Write("/Configuratie/Database/DBPad", dbPad);
    konfig->Write("/Configuratie/Database/IsAlleenLezenDB", alleenLezen);
}

wxString DatabaseTest::leesKonfig(const wxString& sleutel)
{
    return konfig->Read("/Configuratie/Database/" + sleutel, "(missing)");
}

SQLite3Basis& DatabaseTest::start()
{
    db.reset();
    db = std::make_unique<SQLite3Basis>(*konfig, "vtd", false, wxString());
    return *db;
}

void DatabaseTest::stop()
{
    db.reset();
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

wxString DatabaseTest::naam(int id)
{
    return db->leesKolomWaarde("T", "naam", wxString::Format("id==%d", id), SorteringGeen, "");
}
