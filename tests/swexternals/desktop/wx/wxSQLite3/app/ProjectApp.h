#ifndef TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_APP_PROJECTAPP_H
#define TESTS_SWEXTERNALS_DESKTOP_WX_WXSQLITE3_APP_PROJECTAPP_H

#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

// The application as a program derives it: every started project runs in
// WAL with its table T and manual transactions, as the requirements tool does.
class ProjectApp : public SQLite3App
{
public:
    ProjectApp() : SQLite3App("VerelTamso", "vtd", false, wxString()) {}

    int startDatabase() override
    {
        ++aantalStarts;
        // A project in memory keeps its journal (1); only a failure stops the start.
        if (schakelMode(JournaalWAL, SynchronisatieFull) == 2)
            return 2;
        if (maakTabel("T", lijst({"id", "naam"}), lijst({"integer primary key", "text"}), {}, false, false, true) == 2)
            return 2;
        return schakelHandmatigeTransaktie(StandAan, wxString());
    }
    int stopDatabase() override { return stopTransaktie(); }

    // One user command: the change stays open until the next one.
    int verander(const wxString& naam)
    {
        const int begonnen = startTransaktie();
        return begonnen != 0 ? begonnen : executeUpdate("insert into T (naam) values (" + quotes(naam) + ")", -1);
    }
    long long tel() { return geefAantalRijen("T"); }

    int aantalStarts = 0;
};

using App = TijdelijkeApp<ProjectApp>;

#endif
