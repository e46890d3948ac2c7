#include "base/StandSchakelaar.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"
#include "toepassing/kern/ProjektBestandsNaam.h"
#include "toepassing/kern/WerknemerLezing.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <optional>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stattext.h>
#include <wx/utils.h>

// The project commands: new, open, open read-only, the recent files, save
// as, move, close, quit and the read-only switch. Each one ends with the
// window showing either the project that is open or "No project": never the
// list of a project that was closed on the way.

namespace
{
// The reads of a project just opened, its list, its figures and its
// people: the window gets its turns from their start on, at the pace of
// long work, where a refill's read first waits whether it lasts. The pace
// runs on from one read to the next; the hand-over itself each read sets
// while the list shows only what it keeps, and takes off again.
class ProjektLezing
{
public:
    explicit ProjektLezing(SQLite3Basis& db)
    {
        db.zetTussendoor(&WerkVoortgang::laatSchilderen);
        lezing.emplace(db, true);
        db.zetTussendoor(nullptr);
    }
    ProjektLezing(const ProjektLezing&) = delete;
    ProjektLezing& operator=(const ProjektLezing&) = delete;

private:
    std::optional<LangeLezing> lezing;
};

void verwijderUitGeschiedenis(wxFileHistory& geschiedenis, const wxFileName& bestand)
{
    for (size_t i = geschiedenis.GetCount(); i-- > 0;)
        if (wxFileName(geschiedenis.GetHistoryFile(i)).SameAs(bestand))
            geschiedenis.RemoveFileFromHistory(i);
}
} // namespace

void VerelTamsoVenster::toonProjekt()
{
    schakelSlechtsLezenKnoppen(app->isAlleenLezenDB() ? StandAan : StandUit);
    zetStatusTekst(app->geefDBPadVoorBeschrijving());
    // Before the reads, during which the window paints.
    toonProjektNaam(app->geefProjektNaam());
    toonStatistiekOnbekend();
    const ProjektLezing lezing(*app);
    verversLijst();
    verversWerknemers();
}

void VerelTamsoVenster::toonVoorlopig()
{
    toonProjekt();
}

// The idle time: a part of the people's read at each, never within a read
// that gave the window its turn. And the idle time that follows the end of
// the check of the whole file: what it found is taken over here, unless a
// write took it over before. The list of another opening than the one open
// has not been started yet.
void VerelTamsoVenster::OnIdle(wxIdleEvent& gebeurtenis)
{
    gebeurtenis.Skip();
    // The people's read goes on a part at each turn, until it is complete.
    if (werknemerLezing && !app->isDBOpen())
        werknemerLezing.reset();
    if (werknemerLezing && !lijstWordtGelezen && !app->isTussendoorBezig())
        leesWerknemersDeel();
    if (werknemerLezing)
        gebeurtenis.RequestMore();
    if (!app || !app->isDBOpen() || !app->isKontroleKlaar())
        return;
    static_cast<void>(app->controleerBestand());
    if ((app->isAlleenLezenDB() != alleenLezenGetoond || app->isBeschadigd() != lijstBeschadigd) &&
        app->geefInhoudVersie().opening == lijstVersie.opening)
        toonProjekt();
}

void VerelTamsoVenster::toonNaMislukking()
{
    if (app->isDBOpen())
        return;
    toonGeenProjekt();
    verversLijst();
}

void VerelTamsoVenster::sluitOnstartbaarProjekt()
{
    // Left open, it would be a project the window cannot show and the next
    // start would open again.
    app->sluitVoorgoedDB();
    toonNaMislukking();
}

void VerelTamsoVenster::OnNewClick(wxCommandEvent&)
{
    if (app->nieuweMemDB(wxString()) != 0)
        return;
    if (app->startDatabase() != 0)
    {
        sluitOnstartbaarProjekt();
        return;
    }
    vraagProjektNaam();
    toonProjekt();
}

void VerelTamsoVenster::OnNewUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnOpenClick(wxCommandEvent& gebeurtenis)
{
    const int id = gebeurtenis.GetId();
    if (id >= ID_RECENT_EERSTE && id <= ID_RECENT_LAATSTE)
    {
        openRecentBestand(static_cast<size_t>(id - ID_RECENT_EERSTE));
        return;
    }
    if (app->openDB(false, wxString()) != 0)
    {
        toonNaMislukking();
        return;
    }
    bestandGeschiedenis.AddFileToHistory(app->geefDBPad().GetFullPath());
    if (app->startDatabase() != 0)
    {
        sluitOnstartbaarProjekt();
        return;
    }
    toonProjekt();
}

void VerelTamsoVenster::openRecentBestand(size_t index)
{
    if (index >= bestandGeschiedenis.GetCount())
        return;
    const wxString pad = bestandGeschiedenis.GetHistoryFile(index);
    if (!wxFileName::FileExists(pad))
    {
        DesktopFunkties::wxWaarschuwingVeilig(_("The chosen file in your file history does not exist anymore.") +
                                              DesktopAppBasis::vr + _("It will be removed from the list."));
        bestandGeschiedenis.RemoveFileFromHistory(index);
        return;
    }
    StandSchakelaar alleenLezen;
    if (DesktopVraag::geef().stelVraag(
            _("Would you like to open the selected database in read-only mode?"),
            _("The database operational access mode can be defined as read+write or read-only."),
            wxYES_NO | wxNO_DEFAULT | wxCENTRE | wxICON_QUESTION, this) == wxYES)
        alleenLezen.aan();
    if (app->openDB(wxFileName(pad), alleenLezen.boolean(), wxString()) != 0)
    {
        toonNaMislukking();
        return;
    }
    if (app->startDatabase() != 0)
    {
        sluitOnstartbaarProjekt();
        return;
    }
    // The indication follows the mode the layer opened, which is the one
    // chosen unless the file could only be opened read-only.
    toonProjekt();
}

void VerelTamsoVenster::OnOpenUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnOpenSlechtsLezenDBIDClick(wxCommandEvent&)
{
    if (app->openDB(true, wxString()) != 0)
    {
        toonNaMislukking();
        return;
    }
    if (app->startDatabase() != 0)
    {
        sluitOnstartbaarProjekt();
        return;
    }
    toonProjekt();
}

void VerelTamsoVenster::OnOpenSlechtsLezenDBIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!app->isDBOpen());
}

void VerelTamsoVenster::OnSaveasClick(wxCommandEvent&)
{
    if (!app->isDBOpen())
        return;
    const wxFileName doel = ProjektBestandsNaam::kies(
        _("Save the project"), app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
        app->geefProjektNaam(), app->maakWildCard(), app->geefBestandExtensie(), this);
    if (!doel.IsOk())
        return;
    if (app->slaOpAls(doel, true) != 0)
    {
        toonNaMislukking();
        return;
    }
    // The layer has gone on in the saved file (or, for a file project the
    // user kept where it was, stayed); either way it is started.
    toonProjekt();
    toonProjektNaam(app->geefDBNaamVoorBeschrijving(true));
    app->zetLaatsteAppDataDir(doel);
}

void VerelTamsoVenster::OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnReplaceClick(wxCommandEvent&)
{
    const wxFileName oud = app->geefDBPad();
    if (app->verplaatsDB() != 0)
    {
        toonNaMislukking();
        return;
    }
    if (app->startDatabase() != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("Error starting the database again."));
        sluitOnstartbaarProjekt();
        return;
    }
    // The old place holds nothing any more.
    verwijderUitGeschiedenis(bestandGeschiedenis, oud);
    bestandGeschiedenis.AddFileToHistory(app->geefDBPad().GetFullPath());
    zetStatusTekst(app->geefDBPadVoorBeschrijving());
    verversLijst();
}

void VerelTamsoVenster::OnReplaceUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnCloseClick(wxCommandEvent&)
{
    (void)sluitProjekt();
}

int VerelTamsoVenster::sluitProjekt()
{
    return sluitProjekt(Afsluiting::Sluiten);
}

int VerelTamsoVenster::sluitProjekt(Afsluiting afsluiting)
{
    if (!app->isDBOpen())
        return 1;
    const int bewaard = bewaarVoorSluiten();
    if (bewaard != 0 && !(app->isCommitGeweigerd() && laatGeweigerdeWijzigingenAchter(afsluiting)))
    {
        toonNaMislukking();
        return bewaard;
    }
    app->synchroniseerWindowMetDBTransaktieStatus();
    if (!app->isMemoryDB())
        bestandGeschiedenis.AddFileToHistory(app->geefDBPad().GetFullPath());
    app->sluitDB();
    toonGeenProjekt();
    verversLijst();
    return 0;
}

int VerelTamsoVenster::bewaarVoorSluiten()
{
    if (app->isSavePointBezig())
    {
        const int gestopt = schakelSafePoint(StandUit);
        if (gestopt != 0)
            return gestopt;
    }
    // A project in memory is offered for saving here; a cancel keeps it.
    return app->stopDatabase();
}

bool VerelTamsoVenster::laatGeweigerdeWijzigingenAchter(Afsluiting afsluiting)
{
    const wxString& vr = DesktopAppBasis::vr;
    const bool stoppen = afsluiting == Afsluiting::Stoppen;
    // Why the commit failed, and that nothing was lost, comes first.
    wxLog::FlushActive();
    const int antwoord = DesktopVraag::geef().stelVraag(
        _("The open changes could not be committed. Stay, and they remain open: commit them once the cause has "
          "gone, for instance once there is room on the disk.") +
            vr +
            (stoppen ? _("Quit without them, and they are lost; what was committed before them stays in the file.")
                     : _("Close the project without them, and they are lost; what was committed before them stays "
                         "in the file.")),
        _("Open changes not committed"), wxYES_NO | wxYES_DEFAULT | wxCENTRE | wxICON_WARNING, this,
        DesktopVraag::Knoppen{_("Stay"), stoppen ? _("Quit without them") : _("Close without them"), wxString()});
    // Only a clear choice leaves them; a box closed otherwise keeps them.
    if (antwoord != wxNO || app->verwerpOpenWijzigingen() != 0)
        return false;
    // Safe operation, if it ran, has ended with them.
    toonVeiligeModus();
    rekLijst->SetBackgroundColour(app->geefAchtergrondKleur());
    return true;
}

void VerelTamsoVenster::OnCloseUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnExitClick(wxCommandEvent& gebeurtenis)
{
    if (isUitgesteld(gebeurtenis))
        return;
    if (!app->isDBOpen() || sluitProjekt(Afsluiting::Stoppen) == 0)
        Destroy();
}

void VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDClick(wxCommandEvent&)
{
    // Closed and opened again, a project in memory would come back empty,
    // and safe operation would lose its savepoint.
    if (!app->isDBOpen() || app->isMemoryDB() || app->isSavePointBezig() || app->isBeschadigd())
        return;
    wxBusyCursor bezig;
    const bool wasAlleenLezen = app->isAlleenLezenDB();
    const wxFileName pad = app->geefDBPad();
    if (app->stopDatabase() != 0)
        return;
    app->sluitDB();

    StandSchakelaar alleenLezen(wasAlleenLezen, false);
    alleenLezen.om();
    if (app->openDB(pad, alleenLezen.boolean(), wxString()) != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("Error opening the database again."));
        toonNaMislukking();
        return;
    }
    if (app->startDatabase() != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("Error starting the database again."));
        sluitOnstartbaarProjekt();
        return;
    }
    toonProjekt();
}

void VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    // A damaged file is not made writable again.
    gebeurtenis.Enable(app->isDBOpen() && !app->isMemoryDB() && !app->isSavePointBezig() && !app->isBeschadigd());
}
