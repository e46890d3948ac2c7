#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATER_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATER_H

#include "base/TrivaneCode.h"
#include "swexternals/desktop/DesktopPriveMap.h"
#include "swexternals/desktop/TrivaneDesktopFTPLogin.h"
#include "swexternals/desktop/TrivaneFTPUpdateGedeeld.h"
#include "swexternals/desktop/TrivaneFTPUpdateKopie.h"
#include "swexternals/desktop/TrivaneFTPUpdateTempo.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <wx/event.h>
#include <wx/string.h>

class DesktopApp;
class TrivaneFTPUpdateDraad;
class wxConfigBase;
class wxProgressDialog;
class wxWindow;

// The online update check, run on the GUI thread: a worker looks up the
// newest version on the update server, the user is told and asked whether
// to download it, the download runs on a worker behind a progress dialog,
// and the downloaded package, once its signature and its control data show
// it to be the maker's package of that version, is handed to the desktop's
// package installer or kept. The application supplies how its program
// closes.
//
// The window never waits for the network: the worker reports by queued
// events while the GUI thread runs its event loop, and a Cancel (a dialog
// offers it at every stage) or the check's deadline stops the worker at
// once. Made by its caller for one check and destroyed after `ga` returns;
// `ga` never returns while a worker it started is still running. Only the
// clean-up of the user's folders, which touches nothing of the updater's,
// may outlast it, and the program too.
class TrivaneFTPUpdater
{
public:
    // The configuration entry that names the update server ("host" or
    // "host:port"), the maker's server, and its folder of this product.
    static const wxString serverAdresSleutel;
    static const wxString standaardServerAdres;
    static const wxString updateMap;

    // The server from the configuration; a missing entry gets the maker's
    // server, written back so that the user finds where to change it.
    static wxString geefServerAdres(wxConfigBase& konfig);
    // The login of the update check on that server: passive, binary,
    // anonymous, no password.
    static TrivaneDesktopFTPLogin maakLogin(wxConfigBase& konfig);

    // How long the transfer of a package may take once its size is known:
    // `basis` and the size at `laagsteSnelheid` bytes a second; and once it
    // has run for `venster`, it must bring `laagsteSnelheid` over every
    // last `venster`. Whichever fails first stops it: a server that sends
    // each piece just within the wait for one (a byte now and then) is given
    // up, however large a size it announced. Only the transfer: the checks
    // of the package after it have time limits of their own. Tests shorten
    // it; the previous one is returned.
    struct DownloadTermijn
    {
        std::chrono::milliseconds basis;
        std::uint64_t laagsteSnelheid;
        std::chrono::milliseconds venster{std::chrono::seconds(30)};
    };
    static DownloadTermijn zetDownloadTermijn(DownloadTermijn termijn);

    // The clean-up of the user's folders that every check starts runs beside
    // it (TrivaneFTPUpdateOpruimer); tests hold it up here before it looks
    // for a folder, as a folder that answers slowly would. The previous one
    // is returned.
    static std::function<void()> zetOpruimRem(std::function<void()> rem);

    // `app` must have its main window while `ga` runs (the dialogs are put
    // over it). Silent: no dialog while the server is asked, no message when
    // the program is up to date or the check fails; a newer version is always
    // offered. Report errors: the search's own failures are logged.
    // `publiekeSleutel`: the maker's public key (minisign's form), against
    // which a package's signature is checked.
    TrivaneFTPUpdater(DesktopApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap, bool stil,
                      bool meldFouten, const wxString& publiekeSleutel);
    virtual ~TrivaneFTPUpdater();

    TrivaneFTPUpdater(const TrivaneFTPUpdater&) = delete;
    TrivaneFTPUpdater& operator=(const TrivaneFTPUpdater&) = delete;

    // Runs the check. `milliSeconden` bounds the search as a whole, and the
    // download until the package's size is known (0: no bound), the
    // transfer after that its download term; every single wait on the
    // network is bounded by half of that, at least a second. An older
    // version than this program's is never offered or fetched.
    // Results:
    //   0 the package was handed over and the program asked to close,
    //   1 nothing to do: up to date, a question declined, timed out,
    //     cancelled, or the package kept or removed; or the session ended
    //     (SIGTERM) while the package was copied, and the program was asked
    //     to close,
    //   2 failed or refused (reported), 3 the wait during the download
    //     failed, 5 the downloaded file's size is not the announced one.
    [[nodiscard]] int ga(unsigned short milliSeconden);
    // The worker of the stage at hand: a search while no version is known,
    // else the version's download. 0, or 2 when it could not be made.
    [[nodiscard]] int maakDraad();
    // After a download: checks the size, then hands the package over or
    // keeps it as the user chooses; sets the result.
    void installeer();

    // The first half of the program's orderly stop, asked before the
    // package is handed over: a project is closed, one in memory offered for
    // saving. False when the user keeps the program running (Cancel): then
    // nothing is handed over.
    virtual bool bereidStopVoor() = 0;
    // The second half, only after the package was handed over and the
    // progress dialog has closed: the program ends. True when it is closing.
    virtual bool stopHoofdProgramma() = 0;

protected:
    // After every update of a progress dialog (the search's and the
    // download's). The program needs nothing here; a test reads the dialog
    // and may press its Cancel.
    virtual void voortgangBijgewerkt(wxProgressDialog& dialoog);

private:
    // How a worker's run ended, as the GUI thread saw it.
    enum class Afloop
    {
        Klaar,       // the worker ended by itself
        Geannuleerd, // the user pressed Cancel; the worker was stopped
        Verlopen,    // the deadline passed; the worker was stopped
    };

    int zoekNieuweVersie(unsigned short milliSeconden);
    int bespreekUitkomst(int gevonden);
    int laadInstaller(unsigned short milliSeconden);
    // Runs the event loop until the worker has ended, showing its progress
    // in the dialog (if any) and stopping it on Cancel or at the deadline.
    // Each release of the worker is taken and read, and handed to
    // `bijVrijgave`.
    Afloop volgDraad(wxProgressDialog* dialoog,
                     const std::function<void(const TrivaneFTPUpdateGedeeld::Uitkomst&)>& bijVrijgave);
    void toonVoortgang(wxProgressDialog& dialoog) const;
    // Waits for the worker that was told to stop or has ended, and deletes it.
    void beeindigDraad();
    // Copies the package into the folder the user chooses, replacing a file
    // of its name there; true when it is there or the user chose none.
    [[nodiscard]] bool bewaarInstaller();
    // Copies the package the user is to install into the user's download
    // folder, Documents or home, the first that takes it, else leaves it in
    // the temporary folder out of reach of the next check's clean up, or,
    // where no name is free there, in its own folder, which the next check
    // removes: says where it is (and why not in the user's folders).
    wxString bewaarVoorGebruiker();
    // Starts the removal of what copies for the user left, beside the check.
    void ruimGebruikersMappenOp() const;
    // Runs the copy `kopie` of the package, made for `ontvanger`, off the GUI
    // thread, with the windows kept painted meanwhile.
    TrivaneFTPUpdateKopie::Uitkomst kopieerInstaller(std::unique_ptr<TrivaneFTPUpdateKopie> kopie);
    static wxString beschrijfFouten(const TrivaneFTPUpdateKopie::Uitkomst& uitkomst);
    // The session ended while the package was copied: the program ends as
    // Quit ends it, its project closed first unless that was done already.
    int stopNaBeeindiging();
    [[nodiscard]] bool verwijderInstaller();
    void meldMislukt(int gewacht) const;
    wxWindow* geefHoofdVenster() const;
    wxString geefTijdelijkeMap() const;
    wxString maakVoortgangTekst(std::uint64_t huidig) const;

    DesktopApp* app;
    TrivaneDesktopFTPLogin login;
    wxString serverMap;
    bool stil;
    bool meldFouten;
    wxString publiekeSleutel;
    // Receives the worker's events and the copy's.
    wxEvtHandler ontvanger;
    // The copy of the package for the user, while it runs: stopped, and
    // what it wrote removed, when the updater goes.
    std::unique_ptr<TrivaneFTPUpdateKopie> lopendeKopie;
    std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld;
    std::unique_ptr<TrivaneFTPUpdateDraad> draad;
    bool draadGestart = false;
    wxString versie;
    TrivaneCode code = kcOk;
    unsigned int verbindingsTijdslimiet;
    // Until when the worker may take: the search and the download's start
    // by the caller's time, the transfer by its size; none once the transfer
    // has ended.
    std::optional<std::chrono::steady_clock::time_point> deadline;
    // The pace the transfer must keep, while it runs.
    std::optional<TrivaneFTPUpdateTempo> tempo;
    // The first failed take of a release (1 or 2), else 0.
    int wachtFout = 0;
    // The installer's size in bytes and, as the dialog counts, in thousands.
    std::uint64_t grootte = 0;
    std::uint64_t maximum = 0;
    wxString installer;
    DesktopPriveMap installerMap;
    bool overgedragen = false;
    // The first half of the program's stop was done.
    bool stopVoorbereid = false;
    // The session ended (SIGTERM) while the package was copied.
    bool beeindigd = false;
};

#endif
