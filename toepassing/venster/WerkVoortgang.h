#ifndef TOEPASSING_VENSTER_WERKVOORTGANG_H
#define TOEPASSING_VENSTER_WERKVOORTGANG_H

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"
#include "toepassing/kern/Voortgang.h"

#include <chrono>
#include <functional>
#include <memory>
#include <utility>
#include <vector>
#include <wx/string.h>

class RekLijstCtrl;
class VerelTamsoApp;
class wxGauge;
class wxProgressDialog;
class wxWindow;

// Shows the application's long work in the main window: the window gets its
// turns at a pace from the work's start, and once the work has gone on for
// longer than a moment (the threshold), a dialog over the window with a
// moving bar says what it does, until it ends. Work that counts its steps
// fills the bar as far as it is; a statement that runs long makes it pulse.
// Meanwhile the list shows only the rows it keeps: the work holds the
// project's connection while the window paints. Registered with the
// application for its own life.
class WerkVoortgang : public Voortgang
{
public:
    WerkVoortgang(wxWindow& venster, VerelTamsoApp& app, RekLijstCtrl& lijst);
    ~WerkVoortgang() override;

    WerkVoortgang(const WerkVoortgang&) = delete;
    WerkVoortgang& operator=(const WerkVoortgang&) = delete;

    void begin(const wxString& wat) override;
    void beginAfbreekbaar(const wxString& wat) override;
    bool isAfgebroken() const override { return afgebroken; }
    void meld() override;
    void meldStap(size_t gedaan, size_t totaal) override;
    void eind() override;

    // Whether work runs: what the window is asked meanwhile that would use
    // the project waits for its end (doeNaWerk).
    bool isBezig() const { return bezig; }
    // Done once the work has ended, as if asked then.
    void doeNaWerk(std::function<void()> wat) { naWerk.push_back(std::move(wat)); }
    // The window's turn while work or a read holds the project: it paints,
    // sizes and shows what its list keeps; GTK keeps the user's keys and
    // clicks for after the work, in their order.
    static void laatSchilderen();

    // How long work goes on before it is shown: tests make it 0. Returns the
    // threshold that held before.
    static std::chrono::milliseconds zetDrempel(std::chrono::milliseconds nieuw);
    // How often at most the bar moves: tests make it 0, to see every step.
    static std::chrono::milliseconds zetTussenpoos(std::chrono::milliseconds nieuw);

private:
    void toon();
    // Work that may be stopped: its dialog takes the keys, Escape as its
    // Cancel.
    void neemToetsen();
    // Shown once the work has lasted beyond the threshold; false while not.
    bool isGetoond();
    // Time for the window's turn: the turns are paced, the first one due
    // at the work's first report.
    bool isBeurt();
    // The dialog's bar once it is shown; null before.
    wxGauge* geefMeter();
    // The change left open is the one of work that lasted: committing it
    // (by itself, or first thing in the next change) takes long as well.
    bool isLangeWijzigingOpen();

    wxWindow& venster;
    VerelTamsoApp& app;
    RekLijstCtrl& lijst;
    wxString wat;
    std::chrono::steady_clock::time_point begonnen;
    std::chrono::steady_clock::time_point laatstGemeld;
    std::unique_ptr<wxProgressDialog> dialoog;
    // What the project held after the last work that was shown.
    SQLite3Basis::InhoudVersie naLangWerk;
    bool bezig = false;
    std::vector<std::function<void()>> naWerk;
    // The work that runs may be stopped: its dialog offers Cancel; pressed.
    bool afbreekbaar = false;
    bool afgebroken = false;
};

#endif
