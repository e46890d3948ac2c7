#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/ValutaKeuzeDialoog.h"
#include "toepassing/kern/VerelTamsoFTPUpdater.h"
#include "toepassing/venster/KleurKiezerDialoog.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <wx/icon.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/utils.h>

// The database and program commands: commit, undo, reassigning numbers,
// safe operation, the project name and currency, about, font and colours,
// language and the update check.

namespace
{
const char* const aboutBeeld = "afbeeldingen/VerelTamso_logo.png";
const wxString makerAdres = "https://www.trivane.nl";
// How long the update check waits for the server's first answer.
const unsigned short updateWachtMs = 10000;

// The about box shows the text as a link to the address; the address in
// brackets would leave the brackets standing beside the link.
wxString credit(const wxString& tekst, const wxString& adres)
{
    return tekst + DesktopAppBasis::sp + adres;
}
} // namespace

void VerelTamsoVenster::OnUndoClick(wxCommandEvent&)
{
    (void)app->rolTerugTransaktie(wxString());
    app->synchroniseerWindowMetDBTransaktieStatus();
    verversLijst();
}

void VerelTamsoVenster::OnUndoUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->rolTerugMogelijk());
}

void VerelTamsoVenster::OnSaveClick(wxCommandEvent&)
{
    // A commit that failed keeps the change open where the layer could put
    // it back; where it could not, the list must not show it any more.
    if (app->stopTransaktie() != 0)
        verversLijst();
    app->synchroniseerWindowMetDBTransaktieStatus();
}

void VerelTamsoVenster::OnSaveUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->rolTerugMogelijk());
}

void VerelTamsoVenster::OnStrakTrekkenIDClick(wxCommandEvent&)
{
    wxBusyCursor bezig;
    switch (app->srStrakTrekken())
    {
    case 0:
        wxLogMessage("%s", _("Requirement I.D numbers were reassigned without any gaps in the numbering."));
        verversLijst();
        break;
    case 1:
        wxLogMessage("%s",
                     _("Requirement I.D numbers were not reassigned because there were no gaps in the numbering."));
        break;
    default:
        DesktopFunkties::wxErrorVeilig(_("Error reassigning all requirement I.D numbers."));
        break;
    }
}

void VerelTamsoVenster::OnStrakTrekkenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true) && rekLijst->GetItemCount() > 0);
}

void VerelTamsoVenster::OnStartStopVeiligeModusIDClick(wxCommandEvent&)
{
    // The menu has already flipped the check mark; the mode in force says
    // what the click asks for, also when it came from elsewhere.
    (void)schakelSafePoint(app->isSavePointBezig() ? StandUit : StandAan);
}

void VerelTamsoVenster::OnStartStopVeiligeModusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && !app->isAlleenLezenDB());
}

void VerelTamsoVenster::toonVeiligeModus()
{
    wxMenuItem* item = databaseMenu->FindItem(ID_STARTSTOPVEILIGEMODUS);
    const bool aan = app->isSavePointBezig();
    item->SetItemLabel(aan ? _("Stop Safe Operation") : _("Start Safe Operation"));
    item->Check(aan);
}

int VerelTamsoVenster::schakelSafePoint(Stand stand)
{
    const int resultaat = stand == StandAan ? startVeiligeModus() : stopVeiligeModus();
    // A switch that failed leaves the item showing the mode still in force.
    toonVeiligeModus();
    rekLijst->SetBackgroundColour(app->geefAchtergrondKleur());
    verversLijst();
    return resultaat;
}

int VerelTamsoVenster::startVeiligeModus()
{
    const wxDateTime nu = wxDateTime::Now();
    const int resultaat = app->schakelSafePoint(StandAan);
    if (app->isSavePointBezig())
        veiligeModusStart = nu;
    return resultaat;
}

int VerelTamsoVenster::stopVeiligeModus()
{
    const wxString& vr = DesktopAppBasis::vr;
    const wxString& sp = DesktopAppBasis::sp;
    const wxDateTime nu = wxDateTime::Now();
    const int antwoord = DesktopVraag::geef().stelVraag(
        _("Safe mode stops now.") + vr +
            _("Would you like to retain (store permanently) all database changes committed since the start of safe "
              "mode?"),
        _("End of safe mode"), wxYES_NO | wxYES_DEFAULT | wxCENTRE | wxICON_QUESTION, this);
    const wxTimeSpan periode = veiligeModusStart.IsValid() ? nu - veiligeModusStart : wxTimeSpan();
    wxString verslag = _("safe mode was disabled on:") + sp + nu.FormatISOCombined(' ') + "." + vr + sp +
                       _("The mode was active for a period of:") + sp + periode.Format() + " .";

    // Only a clear "No" drops the changes; a box closed otherwise keeps them.
    const bool houden = antwoord != wxNO;
    if (!houden && app->rollTerugNaarSafePoint() == 0)
    {
        zetStatusTekst(_("Roll back action executed on") + sp + app->geefDBNaam(false, false) + ".");
        verslag += vr + _("All database changes since the start of safe mode were nullified.");
    }
    else if (!houden)
    {
        // Releasing the savepoint now would keep the very changes the user
        // chose to drop: safe operation stays on.
        DesktopFunkties::wxErrorVeilig(
            _("Safe operation stays on: its changes could not be undone, and ending it now would keep them."));
        return 2;
    }
    // Said to be kept once they are: a full disk refuses the commit of the
    // release, and safe operation goes on with every change. The store has
    // said why, and that nothing was lost.
    const int resultaat = app->schakelSafePoint(StandUit);
    if (resultaat != 0 && app->isSavePointBezig())
    {
        DesktopFunkties::wxErrorVeilig(_("Safe operation goes on, with all its changes. Stop it again once the cause "
                                         "has gone, for instance once there is room on the disk."));
        return resultaat;
    }
    if (houden && resultaat == 0)
        verslag += vr + _("All database changes since the start of safe mode were committed to the database.");
    wxLogMessage("%s", verslag);
    if (resultaat != 0)
        DesktopFunkties::wxErrorVeilig(
            _("Error disabling safe mode. Your database may have errors preventing a return to normal operations."));
    return resultaat;
}

void VerelTamsoVenster::OnZetProjektNaamIDClick(wxCommandEvent&)
{
    // A write refused by a read-only project would leave a change open that
    // holds nothing, for the user to commit or undo.
    if (app->isDBOpen(true))
        vraagProjektNaam();
}

void VerelTamsoVenster::vraagProjektNaam()
{
    const std::optional<wxString> naam = DesktopVraag::geef().vraagTekst(
        _("The name:"), _("Please enter a name for the new project."), app->geefProjektNaam(), this);
    if (naam)
    {
        (void)app->zetProjektNaam(*naam);
        app->synchroniseerWindowMetDBTransaktieStatus();
    }
    // What is stored, also when storing failed (reported by the store).
    toonProjektNaam(app->geefProjektNaam());
}

void VerelTamsoVenster::OnZetProjektNaamIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true));
}

void VerelTamsoVenster::OnAboutClick(wxCommandEvent&)
{
    wxArrayString credits;
    credits.Add(credit(_("The SQLite3 self-contained embeddable database."), "https://www.sqlite.org"));
    credits.Add(credit(_("The International Requirements Engineering Board, for its training in requirements "
                         "engineering."),
                       "https://www.ireb.org"));
    credits.Add(credit(_("The Pragmatic Bookshelf, for its books on the craft of software."), "https://pragprog.com"));
    app->toonCopyright(makerAdres, DesktopBeeldLader::leesIcoon(aboutBeeld), credits);
}

void VerelTamsoVenster::OnZetTalenIDClick(wxCommandEvent&)
{
    app->toonTaalDialoog();
}

void VerelTamsoVenster::OnZetProjektValutaIDClick(wxCommandEvent&)
{
    if (!app->isDBOpen(true))
        return;
    // With the application's configuration, which keeps the user's own
    // currencies (made with "New") for the next time.
    ValutaKeuzeDialoog dialoog(this, app->geefProjektValuta(), &app->geefAppConfigRef(),
                               ValutaKeuzeDialoog::ID_VALUTAKEUZEDIALOOG, _("Currency selection"), wxDefaultPosition,
                               wxSize(400, 300), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL);
    if (dialoog.ShowModal() != wxID_OK)
        return;
    // A failure is reported by the store.
    (void)app->zetProjektValuta(dialoog.geefGekozenValuta());
    app->synchroniseerWindowMetDBTransaktieStatus();
}

void VerelTamsoVenster::OnZetProjektValutaIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true));
}

void VerelTamsoVenster::OnZetKleurenIDClick(wxCommandEvent&)
{
    KleurKiezerDialoog dialoog(this, app, KleurKiezerDialoog::ID_KLEURKIEZERDIALOOG,
                               _("Choose the standard font and colour settings for Verel Tamso."), wxDefaultPosition,
                               wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
    if (dialoog.ShowModal() != wxID_OK)
        return;
    // The refill applies the colours.
    zetFont(true);
}

void VerelTamsoVenster::OnZetKleurenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(true);
}

void VerelTamsoVenster::OnControleerOpUpdatesIDClick(wxCommandEvent&)
{
    // The server is a setting with the maker's as its default, so that it can
    // be pointed elsewhere.
    VerelTamsoFTPUpdater updater(app, TrivaneFTPUpdater::maakLogin(app->geefAppConfigRef()),
                                 TrivaneFTPUpdater::updateMap, false, true);
    // The check tells the user its outcome itself, whatever it is. After a
    // hand-over of the package this window is on its way out: nothing of it
    // is touched.
    static_cast<void>(updater.ga(updateWachtMs));
}

void VerelTamsoVenster::OnControleerOpUpdatesIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(true);
}
