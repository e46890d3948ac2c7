#ifndef TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H

#include "swexternals/desktop/TrivaneWxConfig.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <wx/string.h>

inline void PrintTo(const wxString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.utf8_string() << '"';
}

// A full path in the running test's own folder.
wxString testPad(const wxString& naam);
std::string leesBytes(const wxString& pad);
void schrijfBytes(const wxString& pad, const std::string& inhoud);
// A project file made with plain SQLite: table T (id, naam, getal) with the
// given rows "naam" numbered 1, 2, 3 ...
void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen = {});
// Runs one statement on the file through a connection of its own.
void voerUitOp(const wxString& pad, const wxString& opdracht);

// The application's configuration file and one connection opened from it, as
// the application makes them; the connection goes first at the end.
class DatabaseTest : public ::testing::Test
{
protected:
    std::unique_ptr<TrivaneWxConfig> konfig;
    std::unique_ptr<SQLite3Basis> db;

    DatabaseTest();

    // The group "/Configuratie/Database" as the previous run left it.
    void zetKonfig(const wxString& dbPad, bool alleenLezen = false);
    wxString leesKonfig(const wxString& sleutel);
    // Builds the connection from the configuration (reads, checks, opens).
    SQLite3Basis& start(bool alleenLezen = false);
    // Ends the connection (writes the group) and writes the file.
    void stop();
    SQLite3Basis& geheugen();
    // A connection on the given project file, opened read-write.
    SQLite3Basis& openBestand(const wxString& pad, bool alleenLezen = false);
    // The number of rows of T that the condition selects.
    long long tel(const wxString& voorwaarde = wxString());
};

#endif
