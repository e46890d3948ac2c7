#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATER_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATER_H

#include "base/TrivaneCode.h"
#include "swexternals/desktop/DesktopPriveMap.h"
#include "swexternals/desktop/TrivaneDesktopFTPLogin.h"
#include "swexternals/desktop/TrivaneFTPUpdateGedeeld.h"

#include <cstdint>
#include <memory>
#include <wx/string.h>

class DesktopApp;
class TrivaneFTPUpdateDraad;
class wxConfigBase;
class wxProgressDialog;
class wxWindow;

// The online update check, run on the GUI thread: a worker looks up the
// newest version on the update server, the user is told and asked whether
// to download it, the download runs on a worker behind a progress dialog,
// and the downloaded package is handed to the desktop's package installer
// or kept. The application supplies how its program closes.
//
// Made by its caller for one check and destroyed after `ga` returns; `ga`
// never returns while a worker it started is still running.
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

    // `app` must have its main window while `ga` runs (the dialogs are put
    // over it). Silent: no busy notice, no message when the program is up to
    // date or the check fails; a newer version is always offered. Report
    // errors: the search's own failures are logged.
    TrivaneFTPUpdater(DesktopApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap, bool stil,
                      bool meldFouten);
    virtual ~TrivaneFTPUpdater();

    TrivaneFTPUpdater(const TrivaneFTPUpdater&) = delete;
    TrivaneFTPUpdater& operator=(const TrivaneFTPUpdater&) = delete;

    // Runs the check. `milliSeconden` bounds the wait for the worker's
    // first answer in each stage (0: no bound); every single wait on the
    // network is bounded by half of that, at least a second, so that a dead
    // server is reported as such. Results:
    //   0 the installer was handed over (and the program asked to close),
    //   1 nothing to do: up to date, a question declined, timed out,
    //     cancelled, or the installer kept or removed,
    //   2 failed (reported), 3 the wait during the download failed,
    //   5 the downloaded file's size is not the announced one.
    int ga(unsigned short milliSeconden);
    // The worker of the stage at hand: a search while no version is known,
    // else the version's download. 0, or 2 when it could not be made.
    int maakDraad();
    // After a download: checks the size, then hands the installer over or
    // keeps it as the user chooses; sets the result.
    void installeer();

    // Closes the program through its ordinary close, which may offer to save
    // a project and may be refused. Called only after the installer was
    // handed over and the progress dialog has closed. True when the program
    // is closing.
    virtual bool stopHoofdProgramma() = 0;

protected:
    // After every update of the download's progress dialog, while the event
    // loop may run (see TrivaneDesktopFTPThread::geefLusSlot). The program
    // needs nothing here; a test reads the dialog and may press its Cancel.
    virtual void voortgangBijgewerkt(wxProgressDialog& dialoog);

private:
    int zoekNieuweVersie(unsigned short milliSeconden);
    // The worker's next release within the time limit (0 released, 1 timed
    // out, 2 the wait failed), with the windows kept painted meanwhile.
    int wachtOpWerker(unsigned short milliSeconden);
    int bespreekUitkomst(int gevonden);
    int laadInstaller(unsigned short milliSeconden);
    int volgDownload(wxProgressDialog& dialoog);
    [[nodiscard]] bool bewaarInstaller();
    [[nodiscard]] bool verwijderInstaller();
    // Asks the worker to stop, waits until it has ended and deletes it.
    void beeindigDraad();
    void meldMislukt(int gewacht) const;
    wxWindow* geefHoofdVenster() const;
    wxString maakVoortgangTekst(std::uint64_t huidig) const;

    DesktopApp* app;
    TrivaneDesktopFTPLogin login;
    wxString serverMap;
    bool stil;
    bool meldFouten;
    std::shared_ptr<TrivaneFTPUpdateGedeeld> gedeeld;
    std::unique_ptr<TrivaneFTPUpdateDraad> draad;
    wxString versie;
    TrivaneCode code = kcOk;
    unsigned int verbindingsTijdslimiet;
    // The installer's size in bytes and, as the dialog counts, in thousands.
    std::uint64_t grootte = 0;
    std::uint64_t maximum = 0;
    wxString installer;
    DesktopPriveMap installerMap;
    bool overgedragen = false;
};

#endif
