#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3APP_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3APP_H

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/filename.h>
#include <wx/string.h>

// A desktop application that owns one project database: the application
// object is the connection too, so the project lives as long as the program.
// It opens a project by dialog or by name, closes it with its in-use mark
// cleared, shows an open change as the main window's modified mark, saves
// the project under another name and moves its file. Every question goes
// through DesktopVraag, over the main window.
//
// Results: 0 done; 1 nothing done (declined, cancelled); 2 failed or not
// possible (reported); 3 a dialog ended otherwise; 5 a move onto its own
// file; other values come from SQLite3Basis::open.
class SQLite3App : public DesktopApp, public SQLite3Basis
{
public:
    // Reads the database settings; opens nothing.
    SQLite3App(const wxString& applikatieNaam, const wxString& extensie, const wxString& sleutel);
    // Reads the database settings and opens the configured project.
    SQLite3App(const wxString& applikatieNaam, const wxString& extensie, bool alleenLezen, const wxString& sleutel);
    // Opens the given file; the project extension is the file's.
    SQLite3App(const wxString& applikatieNaam, const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
    // Closes with the in-use mark cleared, which the base's own close at
    // its end can no longer do.
    ~SQLite3App() override;

    // Asks for a project file and opens it, after closing the open one.
    [[nodiscard]] unsigned int openDB(bool alleenLezen, const wxString& sleutel);
    // Opens the file, or asks for one when it is no readable project file.
    [[nodiscard]] unsigned int openDB(const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
    // Clears this process's in-use mark, then closes.
    void sluitDB() override;
    // Prepares a database that has just been opened: modes, schema, manual
    // transactions. 0 done.
    [[nodiscard]] virtual int startDatabase() = 0;
    // What must happen before a project closes. 0 done.
    [[nodiscard]] virtual int stopDatabase() = 0;

    void synchroniseerWindowMetDBTransaktieStatus();
    // 0 the database is ours; 1 another process's mark was met and resolved;
    // 2 failed or cancelled.
    [[nodiscard]] unsigned int controleerDBGebruikProcesID();

    // Copies the project into the file (with the project extension); with
    // `alsStandaard` the project goes on in that file: at once for a project
    // in memory, after a yes for a file project.
    [[nodiscard]] unsigned int slaOpAls(const wxFileName& bestand, bool alsStandaard);
    [[nodiscard]] unsigned int slaOpAls(bool alsStandaard);
    // 0 copied; 1 declined; 2 failed or not possible.
    [[nodiscard]] unsigned int backupDB(const wxFileName& bestand);
    // Asks for the file, proposing the project's name with the suffix.
    [[nodiscard]] unsigned int backupDB(const wxString& achtervoegsel, bool alsStandaard);
    [[nodiscard]] unsigned int verplaatsDB();
    [[nodiscard]] unsigned int nieuweDB(const wxString& sleutel);

private:
    wxWindow* ouder() const;
    wxString geefWildCard() const;
    wxString geefIsAlGeopendTitel() const;
    // After a yes to closing the open project (or with none open): true.
    [[nodiscard]] bool sluitNaVraag(const wxString& bericht);
    [[nodiscard]] unsigned int openGekozen(const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
    [[nodiscard]] bool vraagNetwerkSchijf();
    [[nodiscard]] bool vraagOverschrijven(const wxFileName& bestand);
    [[nodiscard]] bool weigerBijVeiligeModus();
    void meldZelfdeBestand(const wxString& bericht);
    // Closes the project and opens the saved copy as the project, started.
    [[nodiscard]] unsigned int gaVerderIn(const wxFileName& bestand);
    [[nodiscard]] unsigned int heropen(const wxFileName& bestand, bool alleenLezen);
    // Starts the project just opened; one that does not start is closed for
    // good. 0 started; 2 not (reported).
    [[nodiscard]] unsigned int startGeopend();
    // The file and its log; `zoalsHetLigt`: the log is not folded into the
    // file first.
    [[nodiscard]] static bool verplaatsBestand(const wxFileName& van, const wxFileName& naar, bool zoalsHetLigt);
};

#endif
