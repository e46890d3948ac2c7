#ifndef TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DATABASEHULP_H

#include "swexternals/desktop/TrivaneWxConfig.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

inline void PrintTo(const wxString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.utf8_string() << '"';
}

wxString testPad(const wxString& naam);
std::string leesBytes(const wxString& pad);
void schrijfBytes(const wxString& pad, const std::string& inhoud);
wxArrayString lijst(std::initializer_list<const char*> teksten);
// A project file made with plain SQLite, table T (id, naam, getal), one row
// per name with getal 1, 2, 3 ...; then each extra statement.
void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen = {},
                        std::initializer_list<const char*> opdrachten = {});

// The application's configuration file and the connection it opens; the
// connection ends first and writes its group.
class DatabaseTest : public ::testing::Test
{
protected:
    std::unique_ptr<TrivaneWxConfig> konfig{
        std::make_unique<TrivaneWxConfig>("VerelTamso", "Trivane Embedded Systemen", wxString())};
    std::unique_ptr<SQLite3Basis> db;

    // Ends the previous run, then stores what it would have left behind.
    void zetKonfig(const wxString& dbPad, bool alleenLezen = false);
    wxString leesKonfig(const wxString& sleutel);
    SQLite3Basis& start();
    void stop();
    SQLite3Basis& geheugen();
    SQLite3Basis& openBestand(const wxString& pad, bool alleenLezen = false);
    long long tel(const wxString& voorwaarde = wxString());
    wxString naam(int id = 1);
};

#endif
