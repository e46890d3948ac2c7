#ifndef TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_APP_PROJECTAPP_H
#define TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_APP_PROJECTAPP_H

#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"
#include "tests/ondersteuning/TijdelijkeApp.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

inline void PrintTo(const wxString& tekst, std::ostream* uit)
{
    *uit << '"' << tekst.utf8_string() << '"';
}

// The application as a program derives it: every started project runs in
// WAL with its table T and manual transactions, as the requirements tool does.
class ProjectApp : public SQLite3App
{
public:
    ProjectApp() : SQLite3App("VerelTamso", "vtd", false, wxString()) {}

    int startDatabase() override;
    int stopDatabase() override { return stopTransaktie(); }

    // One user command: the change stays open until the next one.
    int verander(const wxString& naam);
    long long tel() { return geefAantalRijen("T"); }

    int aantalStarts = 0;
};

using App = TijdelijkeApp<ProjectApp>;

wxString testPad(const wxString& naam);
// Read with a writable connection of its own, so that its close leaves no
// log files behind.
long long rijenIn(const wxString& pad);
wxString journaalVan(const wxString& pad);
// A project file made with plain SQLite, table T with the names as rows.
void maakProjectBestand(const wxString& pad, std::initializer_list<const char*> namen);

#endif
