#include "swexternals/desktop/TrivaneFTPUpdater.h"

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/TrivaneDesktopFTPThread.h"
#include "swexternals/desktop/TrivaneFTPUpdateDraad.h"
#include "swexternals/desktop/platform/Platform.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <functional>
#include <optional>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/busyinfo.h>
#include <wx/config.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/progdlg.h>
#include <wx/socket.h>

const wxString TrivaneFTPUpdater::serverAdresSleutel = "/Configuratie/Update/ServerAdres";
const wxString TrivaneFTPUpdater::standaardServerAdres = "ftp.trivane.nl";
const wxString TrivaneFTPUpdater::updateMap = "/pub/VerelTamso";

namespace
{
// How often the progress of a download is shown.
const unsigned short voortgangIntervalMs = 200;
// How often the windows are repainted while the GUI thread waits.
const unsigned short tekenIntervalMs = 50;
const unsigned int standaardTijdslimiet = 60;

// Each wait on the network is bounded by less than the driver's own wait,
// so that a dead server is reported by the worker and not only by the clock.
unsigned int tijdslimietVoor(unsigned short milliSeconden)
{
    if (milliSeconden == 0)
        return standaardTijdslimiet;
    return std::max(1U, static_cast<unsigned int>(milliSeconden) / 2000U);
}

// Runs what may let the event loop run, only while no worker is in an
// exchange with its server (see TrivaneDesktopFTPThread::geefLusSlot). With
// `wachten` it waits until the worker is between exchanges, else it skips
// and returns false.
bool metLus(bool wachten, const std::function<void()>& opdracht)
{
    wxMutex& slot = TrivaneDesktopFTPThread::geefLusSlot();
    if ((wachten ? slot.Lock() : slot.TryLock()) != wxMUTEX_NO_ERROR)
        return false;
    opdracht();
    slot.Unlock();
    return true;
}

// Lets the windows paint (the busy notice among them) and nothing else:
// neither the user's input nor timers are handled here.
void tekenVensters()
{
    if (!wxTheApp)
        return;
    metLus(false,
           []
           {
               if (wxEventLoopBase* lus = wxEventLoopBase::GetActive())
                   lus->YieldFor(wxEVT_CATEGORY_UI);
               else if (const std::unique_ptr<wxEventLoopBase> tijdelijk(wxTheApp->GetTraits()->CreateEventLoop());
                        tijdelijk)
                   tijdelijk->YieldFor(wxEVT_CATEGORY_UI);
           });
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

TrivaneDesktopFTPLogin TrivaneFTPUpdater::maakLogin(wxConfigBase& konfig)
{
    return TrivaneDesktopFTPLogin(geefServerAdres(konfig), true, true, "anonymous", wxString());
}

TrivaneFTPUpdater::TrivaneFTPUpdater(DesktopApp* app, const TrivaneDesktopFTPLogin& login, const wxString& serverMap,
                                     bool stil, bool meldFouten)
    : app(app), login(login), serverMap(serverMap), stil(stil), meldFouten(meldFouten),
      gedeeld(std::make_shared<TrivaneFTPUpdateGedeeld>()), verbindingsTijdslimiet(standaardTijdslimiet)
{
    // Sockets must be set up on the main thread before a worker makes its
    // first one; wxWidgets would otherwise try it on the worker and fail.
    wxSocketBase::Initialize();
}

TrivaneFTPUpdater::~TrivaneFTPUpdater()
{
    beeindigDraad();
}

void TrivaneFTPUpdater::voortgangBijgewerkt(wxProgressDialog&) {}

wxWindow* TrivaneFTPUpdater::geefHoofdVenster() const
{
    return app ? app->geefHoofdVenster() : nullptr;
}

int TrivaneFTPUpdater::maakDraad()
{
    // A block of its own for every worker: whatever a worker leaves behind
    // never reaches the next one.
    gedeeld = std::make_shared<TrivaneFTPUpdateGedeeld>();
    draad = std::make_unique<TrivaneFTPUpdateDraad>(app, login, gedeeld, serverMap, versie, meldFouten);
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
    // Only a worker that runs is kept: one that could not be run is deleted
    // at once. A joinable thread is waited for also when it has ended.
    draad->stopDownload();
    draad->Wait();
    draad.reset();
    // What the worker logged waits for the GUI thread; it goes before
    // anything that is asked next.
    wxLog::FlushActive();
}

int TrivaneFTPUpdater::ga(unsigned short milliSeconden)
{
    overgedragen = false;
    versie.clear();
    verbindingsTijdslimiet = tijdslimietVoor(milliSeconden);
    code = static_cast<TrivaneCode>(zoekNieuweVersie(milliSeconden));
    if (code != kcOk || versie.empty())
        return code;
    code = static_cast<TrivaneCode>(laadInstaller(milliSeconden));
    // Only now: the installer is with the package installer and the
    // progress dialog is gone. The close may still be refused.
    if (code == kcOk && overgedragen)
        static_cast<void>(stopHoofdProgramma());
    return code;
}

int TrivaneFTPUpdater::zoekNieuweVersie(unsigned short milliSeconden)
{
    const int gemaakt = maakDraad();
    if (gemaakt != kcOk)
        return gemaakt;
    std::optional<wxBusyInfo> bezig;
    if (!stil)
    {
        bezig.emplace(_("Connecting to the Trivane FTP server. Please wait..."), geefHoofdVenster());
        // Shown before the worker starts talking to the server.
        tekenVensters();
    }
    if (draad->Run() != wxTHREAD_NO_ERROR)
    {
        draad.reset();
        return kcFout;
    }
    const int gewacht = wachtOpWerker(milliSeconden);
    bezig.reset();
    const TrivaneFTPUpdateGedeeld::Uitkomst gevonden = gedeeld->lees();
    beeindigDraad();
    if (gewacht != 0)
    {
        meldMislukt(gewacht);
        return gewacht == 1 ? kcWaarschuwing : kcFout;
    }
    versie = gevonden.versie;
    return bespreekUitkomst(gevonden.code);
}

int TrivaneFTPUpdater::wachtOpWerker(unsigned short milliSeconden)
{
    using Klok = std::chrono::steady_clock;
    const auto einde = Klok::now() + std::chrono::milliseconds(milliSeconden);
    for (;;)
    {
        // The GUI thread may not go on, but its windows stay painted.
        tekenVensters();
        unsigned short stap = tekenIntervalMs;
        if (milliSeconden != 0)
        {
            const auto rest = std::chrono::ceil<std::chrono::milliseconds>(einde - Klok::now()).count();
            if (rest <= 0)
                return 1;
            stap = static_cast<unsigned short>(std::min<long long>(stap, rest));
        }
        const int gewacht = gedeeld->geefKonditie().wacht(stap);
        if (gewacht != 1)
            return gewacht;
    }
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
    const wxString eigen = DesktopFunkties::haken(TrivaneFTPUpdateDraad::geefEigenVersie(), true);
    const wxString& vr = DesktopAppBasis::vr;
    if (gevonden == kcOk)
    {
        // Always asked, also when silent: a newer version is news.
        const wxString vraag = _("You are using version") + eigen + "." + vr + _("A newer version") +
                               DesktopFunkties::haken(versie, true) + _("is available for download.") + vr +
                               _("Would you like to download it?");
        const int antwoord = DesktopVraag::geef().stelVraag(vraag, _("A newer version is available !"),
                                                            wxYES_NO | wxICON_QUESTION | wxCENTRE, nullptr);
        return antwoord == wxYES ? kcOk : kcWaarschuwing;
    }
    if (gevonden == kcWaarschuwing)
    {
        if (stil)
            return kcWaarschuwing;
        const wxString vraag = _("You are already using the latest version:") + eigen + "." + vr +
                               _("However, you can download the installer again if you want that.");
        const int antwoord =
            DesktopVraag::geef().stelVraag(vraag, _("Would you like to download the installer again?"),
                                           wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION | wxCENTRE, geefHoofdVenster());
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
    if (draad->Run() != wxTHREAD_NO_ERROR)
    {
        draad.reset();
        return kcFout;
    }
    const int gewacht = wachtOpWerker(milliSeconden);
    const TrivaneFTPUpdateGedeeld::Uitkomst bekend = gedeeld->lees();
    if (gewacht != 0 || bekend.code != kcOk)
    {
        beeindigDraad();
        if (gewacht == 0)
            return bekend.code;
        DesktopFunkties::wxErrorVeilig(_("FTP : Error whilst downloading the installer."));
        return gewacht == 1 ? kcWaarschuwing : kcFout;
    }
    grootte = bekend.grootte;
    maximum = grootte / 1000;
    installer = bekend.installer;
    // The dialog runs the event loop when it is made, updated and closed.
    std::optional<wxProgressDialog> dialoog;
    metLus(true,
           [&]
           {
               dialoog.emplace(_("Download of") + DesktopFunkties::spaties(TrivaneFTPUpdateDraad::productNaam) +
                                   _("version") + DesktopFunkties::spaties(versie),
                               _("Progress of the download:"), alsDialoogWaarde(std::max<std::uint64_t>(maximum, 1)),
                               geefHoofdVenster(),
                               wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME |
                                   wxPD_ESTIMATED_TIME | wxPD_REMAINING_TIME);
               dialoog->Show();
           });
    const int afloop = volgDownload(*dialoog);
    metLus(true, [&dialoog] { dialoog.reset(); });
    // The dialog is gone before the worker's end is awaited or anything is
    // asked.
    beeindigDraad();
    const TrivaneFTPUpdateGedeeld::Uitkomst eind = gedeeld->lees();
    // A worker that finished just as it was stopped leaves its folder to us.
    installerMap = DesktopPriveMap::neemOver(eind.installerMap);
    if (afloop != kcOk || eind.code != kcOk)
    {
        static_cast<void>(installerMap.verwijder());
        return afloop != kcOk ? afloop : static_cast<int>(eind.code);
    }
    installeer();
    return code;
}

int TrivaneFTPUpdater::volgDownload(wxProgressDialog& dialoog)
{
    const int bereik = dialoog.GetRange();
    for (;;)
    {
        const int gewacht = gedeeld->geefKonditie().wacht(voortgangIntervalMs);
        if (gewacht == 0)
        {
            metLus(true, [&] { dialoog.Update(bereik); });
            return kcOk;
        }
        if (gewacht != 1)
        {
            DesktopFunkties::wxErrorVeilig(_("FTP : Error whilst downloading the installer."));
            return kcErnstig;
        }
        std::uint64_t huidig = gedeeld->geefOntvangen() / 1000;
        if (huidig > maximum)
            huidig = 0;
        // The bar stays short of its end until the transfer has ended: at its
        // end the dialog closes itself. While the worker talks to the server
        // the update waits for the next round.
        bool verder = true;
        metLus(false,
               [&]
               {
                   verder = dialoog.Update(std::min(alsDialoogWaarde(huidig), bereik - 1), maakVoortgangTekst(huidig));
                   voortgangBijgewerkt(dialoog);
               });
        if (!verder || dialoog.WasCancelled())
        {
            draad->stopDownload();
            return kcWaarschuwing;
        }
    }
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
        DesktopFunkties::wxErrorVeilig(_("FTP : The downloaded file size does not match the original size."));
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
        // The installer reads the package after this program has gone: it
        // stays, whether it was handed over or not (the user may open it).
        installerMap.behoud();
        overgedragen = Platform::installeerPakket(installer);
        if (!overgedragen)
            DesktopFunkties::wxErrorVeilig(_("The installer could not be started:") +
                                           DesktopFunkties::dubbeleQuotes(installer, true));
        code = overgedragen ? kcOk : kcFout;
        return;
    }
    const int bewaren = DesktopVraag::geef().stelVraag(_("Would you like to retain your installer?"),
                                                       _("Retain the installer executable."),
                                                       wxYES_NO | wxICON_QUESTION, geefHoofdVenster());
    if (bewaren != wxYES)
    {
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
    const wxFileName doel(map, wxFileName(installer).GetFullName());
    if (wxCopyFile(installer, doel.GetFullPath(), true))
        return true;
    DesktopFunkties::wxErrorVeilig(_("The installer could not be stored in") +
                                   DesktopFunkties::dubbeleQuotes(map, true));
    return false;
}

bool TrivaneFTPUpdater::verwijderInstaller()
{
    if (installerMap.verwijder())
        return true;
    DesktopFunkties::wxErrorVeilig(_("The downloaded installer could not be removed:") +
                                   DesktopFunkties::dubbeleQuotes(installer, true));
    return false;
}
