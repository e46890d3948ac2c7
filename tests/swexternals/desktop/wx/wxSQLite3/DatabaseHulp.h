#ifndef TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H

// What the database layer's tests share, with and without an application.
#include "swexternals/desktop/TrivaneWxConfig.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"
#include "tests/ondersteuning/KorteWachtTijden.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

inline wxArrayString lijst(std::initializer_list<const char*> teksten)
{
    wxArrayString uit;
    for (const char* tekst : teksten)
        uit.Add(wxString::FromUTF8(tekst));
    return uit;
}

// A statement on a file through plain SQLite, with a writable connection of
// its own (its close leaves no log files behind); the first value it gives.
inline wxString inBestand(const wxString& pad, const wxString& opdracht)
{
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
    wxSQLite3ResultSet rij = bestand.ExecuteQuery(opdracht);
    return rij.NextRow() ? rij.GetAsString(0) : wxString();
}

inline long long rijenIn(const wxString& pad)
{
    return std::stoll(inBestand(pad, "select count(*) from T").ToStdString());
}

// A project file made with plain SQLite, table T (id, naam, getal), one row
// per name with getal 1, 2, 3 ...; then each extra statement.
inline void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen = {},
                               std::initializer_list<const char*> opdrachten = {})
{
    wxSQLite3Database bestand;
    bestand.Open(pad);
    bestand.ExecuteUpdate("create table T (id integer primary key, naam text, getal integer)");
    int getal = 0;
    for (const char* naam : namen)
        bestand.ExecuteUpdate(wxString::Format("insert into T (naam, getal) values (%s, %d)",
                                               SQLite3Basis::quotes(wxString::FromUTF8(naam)), ++getal));
    for (const char* opdracht : opdrachten)
        bestand.ExecuteUpdate(opdracht);
}

// A page of the file written in place, beside SQLite, as another program
// writes it: its own bytes again, which no version of SQLite's shows.
inline void schrijfPaginaTerug(const wxString& pad)
{
    const int bestand = open(pad.fn_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(bestand, 0);
    char pagina[4096];
    EXPECT_EQ(pread(bestand, pagina, sizeof pagina, sizeof pagina), static_cast<ssize_t>(sizeof pagina));
    EXPECT_EQ(pwrite(bestand, pagina, sizeof pagina, sizeof pagina), static_cast<ssize_t>(sizeof pagina));
    close(bestand);
}

// The application's configuration file and the connection it opens; the
// connection ends first and writes its group.
class DatabaseTest : public ::testing::Test
{
protected:
    std::unique_ptr<TrivaneWxConfig> konfig{
        std::make_unique<TrivaneWxConfig>("VerelTamso", "Trivane Embedded Systemen", wxString())};
    std::unique_ptr<SQLite3Basis> db;
    const wxString pad = testPad("p.vtd");

    // Ends the previous run, then stores what it would have left behind.
    void zetKonfig(const wxString& dbPad, bool alleenLezen = false)
    {
        db.reset();
        konfig->Write("/Configuratie/Database/DBPad", dbPad);
        konfig->Write("/Configuratie/Database/IsAlleenLezenDB", alleenLezen);
    }
    wxString leesKonfig(const wxString& sleutel)
    {
        return konfig->Read("/Configuratie/Database/" + sleutel, "(missing)");
    }
    SQLite3Basis& start()
    {
        db.reset();
        db = std::make_unique<SQLite3Basis>(*konfig, "vtd", false, wxString());
        return *db;
    }
    void stop() { db.reset(); }
    SQLite3Basis& geheugen()
    {
        zetKonfig(":memory:");
        return start();
    }
    SQLite3Basis& openBestand(const wxString& pad, bool alleenLezen = false)
    {
        zetKonfig(pad, alleenLezen);
        return start();
    }
    // Opened and closed again: whether the opening checked the whole file,
    // which then found it sound.
    bool isGekontroleerd(const wxString& bestand)
    {
        SQLite3Basis& verbinding = openBestand(bestand);
        const bool kontrole = verbinding.isKontroleOpen();
        EXPECT_EQ(verbinding.controleerBestand(), 0);
        stop();
        return kontrole;
    }
    long long tel(const wxString& voorwaarde = wxString())
    {
        return db->executeSkalair("select count(*) from T" +
                                  (voorwaarde.empty() ? wxString() : " where " + voorwaarde));
    }
    wxString naam(int id = 1)
    {
        return db->leesKolomWaarde("T", "naam", wxString::Format("id==%d", id), SorteringGeen, "");
    }
};

#endif
