#include "swexternals/desktop/TrivaneFTPUpdater.h"

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopGebruikersMappen.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/TrivaneFTPUpdateOpruimer.h"
#include "swexternals/desktop/platform/Platform.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <wx/config.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/progdlg.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>
#include <wx/utils.h>

const wxString TrivaneFTPUpdater::serverAdresSleutel = "/Configuratie/Update/ServerAdres";
const wxString TrivaneFTPUpdater::standaardServerAdres = "ftp.trivane.nl";
const wxString TrivaneFTPUpdater::updateMap = "/pub/VerelTamso";

namespace
{
// How often the dialogs show progress and look for a Cancel.
const int voortgangIntervalMs = 200;
const unsigned int standaardTijdslimiet = 60;

// Each wait on the network is bounded by less than the driver's own wait,
// so that a dead server is reported by the worker and not only by the clock.
unsigned int tijdslimietVoor(unsigned short milliSeconden)
{
    if (milliSeconden == 0)
        return standaardTijdslimiet;
    return std::max(1U, static_cast<unsigned int>(milliSeconden) / 2000U);
}

std::optional<std::chrono::steady_clock::time_point> deadlineVoor(unsigned short milliSeconden)
{
    if (milliSeconden == 0)
        return std::nullopt;
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(milliSeconden);
}

// Half a minute, and the package at 10 KiB a second, and 10 KiB a second
// over any half minute: a slow line makes it, a server that trickles does
// not.
TrivaneFTPUpdater::DownloadTermijn& huidigeTermijn()
{
    static TrivaneFTPUpdater::DownloadTermijn termijn{std::chrono::seconds(30), 10 * 1024, std::chrono::seconds(30)};
    return termijn;
}

std::chrono::steady_clock::time_point deadlineVoorOverdracht(std::uint64_t grootte)
{
    const TrivaneFTPUpdater::DownloadTermijn& termijn = huidigeTermijn();
    const std::uint64_t snelheid = std::max<std::uint64_t>(termijn.laagsteSnelheid, 1);
    return std::chrono::steady_clock::now() + termijn.basis +
           std::chrono::milliseconds(grootte / snelheid * 1000 + grootte % snelheid * 1000 / snelheid);
}

int alsDialoogWaarde(std::uint64_t waarde)
{
    return static_cast<int>(std::min<std::uint64_t>(waarde, INT_MAX));
}
} // namespace

wxString TrivaneFTPUpdater::geefServerAdres(wxConfigBase& konfig)
{
    wxString adres;
    if (konfig.Read(serverAdresSleutel, &adres) && !adres.Strip(wxString::both).empty())
        return adres.Strip(wxString::both);
    if (!konfig.Exists(serverAdresSleutel))
        konfig.Write(serverAdresSleutel, standaardServerAdres);
    return standaardServerAdres;
}

TrivaneFTPUpdater::DownloadTermijn TrivaneFTPUpdater::zetDownloadTermijn(DownloadTermijn termijn)
{
    return std::exchange(huidigeTermijn(), termijn);
}

TrivaneDesktopFTPLogin TrivaneFTPUpdater::maakLogin(wxConfigBase& konfig)
{
    return TrivaneDesktopFTPLogin(geefServerAdres(konfig), true, true, "anonymous", wxString());
}

TrivaneFTPUpdater::TrivaneFTPUpdater(DesktopApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap,
                                     bool stil, bool meldFouten, const wxString& publiekeSleutel)
    : app(app), login(login), serverMap(serverMap), stil(stil), meldFouten(meldFouten),
      publiekeSleutel(publiekeSleutel), verbindingsTijdslimiet(standaardTijdslimiet)
{
}

TrivaneFTPUpdater::~TrivaneFTPUpdater()
{
    if (draad)
        draad->stopDownload();
    beeindigDraad();
}

void TrivaneFTPUpdater::voortgangBijgewerkt(wxProgressDialog&) {}

wxWindow* TrivaneFTPUpdater::geefHoofdVenster() const
{
    return app ? app->geefHoofdVenster() : nullptr;
}

wxString TrivaneFTPUpdater::geefTijdelijkeMap() const
{
    return app ? app->geefStdPaden().GetTempDir() : wxFileName::GetTempDir();
}

int TrivaneFTPUpdater::maakDraad()
{
    // A block of its own for every worker: whatever a worker leaves behind
    // never reaches the next one.
    gedeeld = std::make_shared<TrivaneFTPUpdateGedeeld>(&ontvanger);
    draad =
        std::make_unique<TrivaneFTPUpdateDraad>(app, login, gedeeld, serverMap, versie, meldFouten, publiekeSleutel);
    draad->zetTijdslimiet(verbindingsTijdslimiet);
    if (draad->Create() != wxTHREAD_NO_ERROR)
    {
        draad.reset();
        return code = kcFout;
    }
    return code = kcOk;
}

void TrivaneFTPUpdater::beeindigDraad()
{
    if (!draad)
        return;
    // Only a worker that ended, or was told to stop and so ends at once, is
    // waited for: nothing it does then waits on the network. A joinable
    // thread is waited for also when it has ended; one that never ran is
    // deleted at once.
    if (draadGestart)
        draad->Wait();
    draadGestart = false;
    draad.reset();
    // What the worker logged waits for the GUI thread; it goes before
    // anything that is asked next.
    wxLog::FlushActive();
}

int TrivaneFTPUpdater::ga(unsigned short milliSeconden)
{
    overgedragen = false;
    stopVoorbereid = false;
    beeindigd = false;
    versie.clear();
    ruimGebruikersMappenOp();
    verbindingsTijdslimiet = tijdslimietVoor(milliSeconden);
    code = static_cast<TrivaneCode>(zoekNieuweVersie(milliSeconden));
    if (code != kcOk || versie.empty())
        return code;
    code = static_cast<TrivaneCode>(laadInstaller(milliSeconden));
    if (beeindigd)
        return code = static_cast<TrivaneCode>(stopNaBeeindiging());
    // Only now: the package is with the package installer, the progress
    // dialog is gone and the project was closed.
    if (code == kcOk && overgedragen)
        static_cast<void>(stopHoofdProgramma());
    return code;
}

TrivaneFTPUpdater::Afloop
TrivaneFTPUpdater::volgDraad(wxProgressDialog* dialoog,
                             const std::function<void(const TrivaneFTPUpdateGedeeld::Uitkomst&)>& bijVrijgave)
{
    wxGUIEventLoop lus;
    Afloop afloop = Afloop::Klaar;
    bool geeindigd = false;
    wachtFout = 0;
    const auto stopDraad = [&](Afloop waarom)
    {
        if (afloop != Afloop::Klaar)
            return;
        afloop = waarom;
        draad->stopDownload();
    };
    const auto opGebeurtenis = [&](wxThreadEvent& gebeurtenis)
    {
        if (gebeurtenis.GetId() == TrivaneFTPUpdateGedeeld::Beeindigd)
        {
            geeindigd = true;
            lus.ScheduleExit();
            return;
        }
        // The release was given before the event was sent: the wait ends at
        // once, unless the condition failed.
        const int gewacht = gedeeld->geefKonditie().wacht(voortgangIntervalMs);
        if (gewacht != 0)
        {
            if (wachtFout == 0)
                wachtFout = gewacht;
            return;
        }
        if (bijVrijgave)
            bijVrijgave(gedeeld->lees());
    };
    const auto opKlok = [&](wxTimerEvent&)
    {
        if (afloop != Afloop::Klaar)
            return;
        // The package's own checks come after the transfer, each with its
        // own time limit and its own message.
        if (gedeeld && gedeeld->isOverdrachtKlaar())
        {
            deadline.reset();
            tempo.reset();
        }
        const auto nu = std::chrono::steady_clock::now();
        if ((deadline && nu >= *deadline) || (tempo && tempo->isTeTraag(nu, gedeeld->geefOntvangen())))
        {
            stopDraad(Afloop::Verlopen);
            return;
        }
        if (!dialoog)
            return;
        toonVoortgang(*dialoog);
        voortgangBijgewerkt(*dialoog);
        if (dialoog->WasCancelled())
            stopDraad(Afloop::Geannuleerd);
    };
    ontvanger.Bind(EVT_TRIVANE_FTP_UPDATE, opGebeurtenis);
    wxTimer klok(&ontvanger);
    ontvanger.Bind(wxEVT_TIMER, opKlok);
    klok.Start(voortgangIntervalMs);
    if (!geeindigd)
        lus.Run();
    klok.Stop();
    ontvanger.Unbind(wxEVT_TIMER, opKlok);
    ontvanger.Unbind(EVT_TRIVANE_FTP_UPDATE, opGebeurtenis);
    return afloop;
}

void TrivaneFTPUpdater::toonVoortgang(wxProgressDialog& dialoog) const
{
    // Before the size is known the bar only shows that something happens.
    if (maximum == 0 || !gedeeld)
    {
        dialoog.Pulse();
        return;
    }
    std::uint64_t huidig = gedeeld->geefOntvangen() / 1000;
    if (huidig > maximum)
        huidig = 0;
    // The bar stays short of its end until the transfer has ended: at its
    // end the dialog would close itself.
    const int bereik = dialoog.GetRange();
    dialoog.Update(std::min(alsDialoogWaarde(huidig), bereik - 1), maakVoortgangTekst(huidig));
}

int TrivaneFTPUpdater::zoekNieuweVersie(unsigned short milliSeconden)
{
    const int gemaakt = maakDraad();
    if (gemaakt != kcOk)
        return gemaakt;
    std::optional<wxProgressDialog> dialoog;
    std::optional<wxWindowDisabler> uit;
    if (stil)
        uit.emplace();
    else
        dialoog.emplace(TrivaneFTPUpdateDraad::productNaam, _("Connecting to the Trivane FTP server. Please wait..."),
                        100, geefHoofdVenster(), wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_AUTO_HIDE);
    if (draad->Run() != wxTHREAD_NO_ERROR)
    {
        draad.reset();
        return kcFout;
    }
    draadGestart = true;
    deadline = deadlineVoor(milliSeconden);
    tempo.reset();
    maximum = 0;
    bool gemeld = false;
    TrivaneFTPUpdateGedeeld::Uitkomst gevonden;
    const Afloop afloop = volgDraad(dialoog ? &*dialoog : nullptr,
                                    [&](const TrivaneFTPUpdateGedeeld::Uitkomst& uitkomst)
                                    {
                                        gemeld = true;
                                        gevonden = uitkomst;
                                    });
    dialoog.reset();
    uit.reset();
    beeindigDraad();
    if (afloop == Afloop::Geannuleerd)
        return kcWaarschuwing;
    if (afloop == Afloop::Verlopen || wachtFout != 0 || !gemeld)
    {
        const int gewacht = afloop == Afloop::Verlopen ? 1 : 2;
        meldMislukt(gewacht);
        return gewacht == 1 ? kcWaarschuwing : kcFout;
    }
    versie = gevonden.versie;
    return bespreekUitkomst(gevonden.code);
}

void TrivaneFTPUpdater::meldMislukt(int gewacht) const
{
    // A wait that failed is an error of this program; a server that did not
    // answer in time, or answered wrongly, is worth a warning.
    if (stil)
        return;
    const wxString tekst = _("Checking for a new version could not be carried out properly.");
    if (gewacht == 1)
        DesktopFunkties::wxWaarschuwingVeilig(tekst);
    else
        DesktopFunkties::wxErrorVeilig(tekst);
}

int TrivaneFTPUpdater::bespreekUitkomst(int gevonden)
{
    // The full stop follows the bracket directly.
    const wxString eigen =
        DesktopAppBasis::sp + DesktopFunkties::haken(TrivaneFTPUpdateDraad::geefEigenVersie(), false);
    const wxString& vr = DesktopAppBasis::vr;
    if (gevonden == kcOk)
    {
        // Always asked, also when silent: a newer version is news.
        const wxString vraag = _("You are using version") + eigen + "." + vr + _("A newer version") +
                               DesktopFunkties::haken(versie, true) + _("is available for download.") + vr +
                               _("Would you like to download it?");
        const int antwoord = DesktopVraag::geef().stelVraag(vraag, _("A newer version is available!"),
                                                            wxYES_NO | wxICON_QUESTION | wxCENTRE, nullptr);
        return antwoord == wxYES ? kcOk : kcWaarschuwing;
    }
    if (gevonden == kcWaarschuwing)
    {
        const wxString eigenVersie = TrivaneFTPUpdateDraad::geefEigenVersie();
        // An older version is never offered: over plain FTP anybody on the
        // way can announce an old release with its known faults.
        if (TrivaneFTPUpdateDraad::vergelijkVersies(versie, eigenVersie) < 0)
        {
            if (!stil)
                wxLogMessage("%s", wxString::Format(_("The update server offers nothing newer than the version you "
                                                      "are using (%s): the version it offers (%s) is older."),
                                                    eigenVersie, versie) +
                                       vr + _("Nothing was downloaded."));
            versie.clear();
            return kcWaarschuwing;
        }
        if (stil)
            return kcWaarschuwing;
        const wxString vraag = _("You are already using the latest version:") + eigen + "." + vr +
                               _("However, you can download the installer again if you want that.");
        const int antwoord =
            DesktopVraag::geef().stelVraag(vraag, _("Would you like to download the installer again?"),
                                           wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION | wxCENTRE, geefHoofdVenster());
        // Fetched again is the running version itself, as this program
        // names it, whatever form the server gave the same number.
        versie = eigenVersie;
        return antwoord == wxYES ? kcOk : kcWaarschuwing;
    }
    // The worker has reported what failed.
    meldMislukt(1);
    return gevonden;
}

int TrivaneFTPUpdater::laadInstaller(unsigned short milliSeconden)
{
    const int gemaakt = maakDraad();
    if (gemaakt != kcOk)
        return gemaakt;
    maximum = 0;
    // Shown from the start: Cancel works while the worker logs on too.
    std::optional<wxProgressDialog> dialoog;
    dialoog.emplace(_("Download of") + DesktopFunkties::spaties(TrivaneFTPUpdateDraad::productNaam) + _("version") +
                        DesktopFunkties::spaties(versie),
                    _("Progress of the download:"), 100, geefHoofdVenster(),
                    wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME | wxPD_ESTIMATED_TIME |
                        wxPD_REMAINING_TIME);
    if (draad->Run() != wxTHREAD_NO_ERROR)
    {
        draad.reset();
        return kcFout;
    }
    draadGestart = true;
    deadline = deadlineVoor(milliSeconden);
    tempo.reset();
    int vrijgaven = 0;
    const Afloop afloop =
        volgDraad(&*dialoog,
                  [&](const TrivaneFTPUpdateGedeeld::Uitkomst& uitkomst)
                  {
                      // The first release: the size is known and the transfer begins,
                      // bounded by its size and by the worker's wait for each piece.
                      if (++vrijgaven != 1 || uitkomst.code != kcOk)
                          return;
                      deadline = deadlineVoorOverdracht(uitkomst.grootte);
                      const DownloadTermijn& termijn = huidigeTermijn();
                      tempo.emplace(termijn.venster, termijn.laagsteSnelheid, std::chrono::steady_clock::now());
                      grootte = uitkomst.grootte;
                      maximum = grootte / 1000;
                      installer = uitkomst.installer;
                      dialoog->SetRange(alsDialoogWaarde(std::max<std::uint64_t>(maximum, 1)));
                  });
    // The dialog is gone before the worker's end is awaited or anything is
    // asked.
    dialoog.reset();
    beeindigDraad();
    const TrivaneFTPUpdateGedeeld::Uitkomst eind = gedeeld->lees();
    // What a worker that finished just as it was stopped left is removed
    // with this.
    DesktopPriveMap map = gedeeld->neemMap();
    if (afloop == Afloop::Geannuleerd)
        return kcWaarschuwing;
    if (afloop == Afloop::Verlopen && vrijgaven > 0)
    {
        DesktopFunkties::wxErrorVeilig(_("The download of the update was stopped: the server sent it too slowly.") +
                                       DesktopAppBasis::vr + _("Please try again later."));
        return kcWaarschuwing;
    }
    if (afloop == Afloop::Verlopen || wachtFout != 0 || vrijgaven == 0)
    {
        DesktopFunkties::wxErrorVeilig(_("FTP: Error whilst downloading the installer."));
        return afloop == Afloop::Verlopen ? kcWaarschuwing : kcErnstig;
    }
    if (eind.code != kcOk)
        return eind.code;
    installerMap = std::move(map);
    installeer();
    return code;
}

wxString TrivaneFTPUpdater::maakVoortgangTekst(std::uint64_t huidig) const
{
    return _("Progress of the download:") + DesktopAppBasis::sp +
           wxString::Format(_("%d of %d KBytes"), alsDialoogWaarde(huidig), alsDialoogWaarde(maximum));
}

void TrivaneFTPUpdater::installeer()
{
    code = kcOnbekend;
    wxFileName bestand(installer);
    const wxULongLong opSchijf = bestand.GetSize();
    if (opSchijf == wxInvalidSize || opSchijf.GetValue() != grootte)
    {
        DesktopFunkties::wxErrorVeilig(_("FTP: The downloaded file size does not match the original size."));
        static_cast<void>(verwijderInstaller());
        return;
    }
    if (!bestand.IsFileExecutable())
        bestand.SetPermissions(wxPOSIX_USER_READ | wxPOSIX_USER_WRITE | wxPOSIX_USER_EXECUTE);
    const wxString& vr = DesktopAppBasis::vr;
    const int uitvoeren = DesktopVraag::geef().stelVraag(
        _("The installer was downloaded successfully.") + vr + _("Would you like to execute it now?") + vr +
            _("The current application instance will close before the installation begins."),
        _("Download completed successfully."), wxYES_NO | wxICON_QUESTION | wxCENTRE, geefHoofdVenster());
    if (uitvoeren == wxYES)
    {
        // The program's own questions come first: a Cancel there keeps it
        // running, and then no installer may start beside it.
        if (!bereidStopVoor())
        {
            code = verwijderInstaller() ? kcWaarschuwing : kcFout;
            return;
        }
        stopVoorbereid = true;
        overgedragen = Platform::installeerPakket(installer);
        if (overgedragen)
        {
            // The installer reads the package after this program has gone.
            installerMap.behoud();
            code = kcOk;
            return;
        }
        // The user is to install it: where the next check's clean-up does
        // not reach.
        const wxString bewaard = bewaarVoorGebruiker();
        if (!beeindigd)
            DesktopFunkties::wxErrorVeilig(
                _("The desktop could not open the update package: no package installer took it.") + vr + bewaard);
        code = kcFout;
        return;
    }
    const int bewaren = DesktopVraag::geef().stelVraag(_("Would you like to retain your installer?"),
                                                       _("Retain the installer executable."),
                                                       wxYES_NO | wxICON_QUESTION, geefHoofdVenster());
    if (bewaren != wxYES)
    {
        // Left in the temporary folder until the next check.
        installerMap.behoud();
        code = kcWaarschuwing;
        return;
    }
    const bool bewaard = bewaarInstaller();
    const bool verwijderd = verwijderInstaller();
    code = bewaard && verwijderd ? kcWaarschuwing : kcFout;
}

bool TrivaneFTPUpdater::bewaarInstaller()
{
    const wxString documenten = app ? app->geefStdPaden().GetDocumentsDir() : wxString();
    const wxString map = DesktopVraag::geef().kiesMap(
        _("Please select the path where the installer executable will be stored."), documenten, geefHoofdVenster());
    if (map.empty())
        return true;
    const TrivaneFTPUpdateKopie::Uitkomst kopie = kopieerInstaller(
        std::make_unique<TrivaneFTPUpdateKopie>(installer, std::vector<wxString>{map}, true, &ontvanger));
    if (!kopie.doel.empty() || kopie.beeindigd)
        return true;
    DesktopFunkties::wxErrorVeilig(_("The installer could not be stored in") + DesktopAppBasis::sp +
                                   DesktopFunkties::dubbeleQuotes(map, false) + "." + beschrijfFouten(kopie));
    return false;
}

void TrivaneFTPUpdater::ruimGebruikersMappenOp() const
{
    // What a copy for the user left when the program was ended in the middle
    // of it is of no use. Only what the environment names is taken here:
    // the folders are looked up and read beside the check, for a network
    // share may take seconds to answer, and neither the check nor the
    // program's end waits for them. It cannot take this check's own copy.
    TrivaneFTPUpdateOpruimer::vraag(DesktopGebruikersMappen());
}

std::function<void()> TrivaneFTPUpdater::zetOpruimRem(std::function<void()> rem)
{
    return TrivaneFTPUpdateOpruimer::zetRem(std::move(rem));
}

wxString TrivaneFTPUpdater::bewaarVoorGebruiker()
{
    // The folders are looked up as the clean-up looks them up, and only by
    // the copy: a share that does not answer holds its thread, not the
    // window's.
    const TrivaneFTPUpdateKopie::Uitkomst kopie =
        kopieerInstaller(std::make_unique<TrivaneFTPUpdateKopie>(installer, DesktopGebruikersMappen(), &ontvanger));
    const wxString& vr = DesktopAppBasis::vr;
    if (!kopie.doel.empty() || kopie.beeindigd)
    {
        static_cast<void>(verwijderInstaller());
        return kopie.beeindigd
                   ? wxString()
                   : _("The program keeps running. You can install the package yourself; it is in:") + vr + kopie.doel;
    }
    // Out of its own folder, which the next check removes, into the
    // temporary folder itself, which it leaves alone: a new name on the same
    // disk, which needs no room.
    const wxString bewaard = TrivaneFTPUpdateKopie::verplaats(installer, geefTijdelijkeMap());
    if (bewaard.empty())
    {
        // Every name there is taken: it stays where the next check removes
        // it, and the user is told so.
        installerMap.behoud();
        return _("The program keeps running. The package could not be copied to your download folder, your "
                 "documents folder or your home folder, nor kept in the temporary folder itself: it stays in the "
                 "update check's own folder there, which the next check for updates removes. Until then you can "
                 "install it yourself from there:") +
               vr + installer + beschrijfFouten(kopie);
    }
    static_cast<void>(installerMap.verwijder());
    return _("The program keeps running. The package could not be copied to your download folder, your documents "
             "folder or your home folder; it was kept in the temporary folder, which may be emptied when the "
             "computer restarts. You can install it yourself from there:") +
           vr + bewaard + beschrijfFouten(kopie);
}

TrivaneFTPUpdateKopie::Uitkomst TrivaneFTPUpdater::kopieerInstaller(std::unique_ptr<TrivaneFTPUpdateKopie> kopie)
{
    wxGUIEventLoop lus;
    bool klaar = false;
    const auto opKlaar = [&](wxThreadEvent&)
    {
        klaar = true;
        lus.ScheduleExit();
    };
    // Its end waits in the receiver's queue until the loop runs.
    ontvanger.Bind(EVT_TRIVANE_FTP_KOPIE, opKlaar);
    lopendeKopie = std::move(kopie);
    {
        // The windows are painted meanwhile, and nothing is done in them.
        const wxWindowDisabler uit;
        const wxBusyCursor bezig;
        lus.Run();
    }
    ontvanger.Unbind(EVT_TRIVANE_FTP_KOPIE, opKlaar);
    // A loop that ended before the copy did: the program is ending, and
    // the copy goes with it.
    if (!klaar)
        lopendeKopie->stop();
    const TrivaneFTPUpdateKopie::Uitkomst uitkomst = lopendeKopie->wacht();
    lopendeKopie.reset();
    beeindigd = beeindigd || uitkomst.beeindigd;
    return uitkomst;
}

int TrivaneFTPUpdater::stopNaBeeindiging()
{
    if (stopVoorbereid || bereidStopVoor())
        static_cast<void>(stopHoofdProgramma());
    return kcWaarschuwing;
}

wxString TrivaneFTPUpdater::beschrijfFouten(const TrivaneFTPUpdateKopie::Uitkomst& uitkomst)
{
    // Details after the message: each folder with the system's reason.
    wxString tekst;
    for (const TrivaneFTPUpdateKopie::Fout& fout : uitkomst.fouten)
        tekst += DesktopAppBasis::vr + fout.map + ": " + wxSysErrorMsgStr(static_cast<unsigned long>(fout.nummer));
    return tekst.empty() ? tekst : DesktopAppBasis::vr + tekst;
}

bool TrivaneFTPUpdater::verwijderInstaller()
{
    if (installerMap.verwijder())
        return true;
    DesktopFunkties::wxErrorVeilig(_("The downloaded installer could not be removed:") +
                                   DesktopFunkties::dubbeleQuotes(installer, true));
    return false;
}
