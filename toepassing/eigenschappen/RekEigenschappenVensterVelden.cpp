// The field handlers of the properties dialog: every change marks the
// requirement modified; links, the reference, import, export and OK.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/platform/Platform.h"
#include "toepassing/eigenschappen/BestandsVoorstel.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <wx/collpane.h>
#include <wx/dateevt.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/filepicker.h>
#include <wx/log.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

// --- Every change counts ---

void RekEigenschappenVenster::OnRekTitelIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekDatumIDDateChanged(wxDateEvent&)
{
    raakAan(AangeraaktDatum);
    wijzig();
}

void RekEigenschappenVenster::OnRekNummerIDUpdated(wxSpinEvent&)
{
    raakAan(AangeraaktNummer);
    wijzig();
}

void RekEigenschappenVenster::OnRekNummerIDTextUpdated(wxCommandEvent&)
{
    raakAan(AangeraaktNummer);
    wijzig();
}

void RekEigenschappenVenster::OnVersieInvoerIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekPrioriteitIDUpdated(wxCommandEvent&)
{
    raakAan(AangeraaktPrioriteit);
    wijzig();
}

void RekEigenschappenVenster::OnRekTypeIDSelected(wxCommandEvent&)
{
    raakAan(AangeraaktType);
    wijzig();
}

void RekEigenschappenVenster::OnRekFunktioneelTypeIDSelected(wxCommandEvent&)
{
    raakAan(AangeraaktFunkType);
    wijzig();
}

void RekEigenschappenVenster::OnRekTotaleKostenIDUpdated(wxSpinEvent&)
{
    raakAan(AangeraaktKosten);
    wijzig();
}

void RekEigenschappenVenster::OnRekTotaleKostenIDUp(wxSpinEvent&)
{
    raakAan(AangeraaktKosten);
    wijzig();
}

void RekEigenschappenVenster::OnRekTotaleKostenIDDown(wxSpinEvent&)
{
    raakAan(AangeraaktKosten);
    wijzig();
}

void RekEigenschappenVenster::OnRekTotaleKostenIDTextUpdated(wxCommandEvent&)
{
    raakAan(AangeraaktKosten);
    wijzig();
}

void RekEigenschappenVenster::OnAuteurKeuzeIDSelected(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnAuteurKeuzeIDUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekEigenschappenIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDSelected(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekImplementatieMethodeIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnTestIngenieurKeuzeIDSelected(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnTestIngenieurKeuzeIDUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekTestMethodeIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekTestLogboekIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnReferentieLinkIDFilePickerChanged(wxFileDirPickerEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekKommentaarIDTextUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekAftekenNaamIDSelected(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekAftekenNaamIDUpdated(wxCommandEvent&)
{
    wijzig();
}

void RekEigenschappenVenster::OnRekAftekenDatumIDDateChanged(wxDateEvent&)
{
    raakAan(AangeraaktAftekenDatum);
    wijzig();
}

// --- Links in the texts and the reference ---

// Only web and mail addresses go out: a link in a project may come from
// anywhere, and the desktop would hand any other kind to whatever claims it.
void RekEigenschappenVenster::openWebAdres(const wxString& adres)
{
    (void)Platform::openWebAdres(adres);
}

void RekEigenschappenVenster::OnRekEigenschappenIDClickUrl(wxTextUrlEvent& gebeurtenis)
{
    openWebAdres(gebeurtenis.GetString());
}

void RekEigenschappenVenster::OnRekImplementatieMethodeIDClickUrl(wxTextUrlEvent& gebeurtenis)
{
    openWebAdres(gebeurtenis.GetString());
}

void RekEigenschappenVenster::OnRekTestMethodeIDClickUrl(wxTextUrlEvent& gebeurtenis)
{
    openWebAdres(gebeurtenis.GetString());
}

void RekEigenschappenVenster::OnRekTestLogboekIDClickUrl(wxTextUrlEvent& gebeurtenis)
{
    openWebAdres(gebeurtenis.GetString());
}

void RekEigenschappenVenster::OnRekKommentaarIDClickUrl(wxTextUrlEvent& gebeurtenis)
{
    openWebAdres(gebeurtenis.GetString());
}

void RekEigenschappenVenster::zetReferentie(const wxString& pad)
{
    externeRefKiezer->SetPath(pad);
    wijzig();
}

void RekEigenschappenVenster::OnHomeClick(wxCommandEvent&)
{
    zetReferentie(wxGetHomeDir());
}

void RekEigenschappenVenster::OnGaNaarDokumentenDirIDClick(wxCommandEvent&)
{
    zetReferentie(app->geefStdPaden().GetUserDir(wxStandardPaths::Dir_Documents));
}

void RekEigenschappenVenster::OnOpenInBrowserIDClick(wxCommandEvent&)
{
    openWebAdres(geefReferentie());
}

void RekEigenschappenVenster::OnOpenInFinderIDClick(wxCommandEvent&)
{
    const wxString pad = geefReferentie();
    // Only what exists is shown: the file manager would start on anything.
    if (pad.empty() || (!wxFileExists(pad) && !wxDirExists(pad)))
        return;
    if (DesktopFunkties::openPadInFinder(wxFileName(pad)) != 0)
        DesktopFunkties::wxErrorVeilig(_("The file manager could not be started for:") +
                                       DesktopFunkties::dubbeleQuotes(pad, true));
}

// --- Sections ---

void RekEigenschappenVenster::OnRekEigenschappenInklapIDPaneChanged(wxCollapsiblePaneEvent&)
{
    pasInScherm();
}

void RekEigenschappenVenster::OnRekImplementatieInklapIDPaneChanged(wxCollapsiblePaneEvent&)
{
    pasInScherm();
}

void RekEigenschappenVenster::OnRekTestInklapIDPaneChanged(wxCollapsiblePaneEvent&)
{
    pasInScherm();
}

void RekEigenschappenVenster::OnRekKommentaarInklapIDPaneChanged(wxCollapsiblePaneEvent&)
{
    pasInScherm();
}

// --- One requirement to and from an exchange file ---

wxString RekEigenschappenVenster::geefUitwisselExtensie() const
{
    return app->geefExtensie(0) + "l";
}

wxString RekEigenschappenVenster::maakUitwisselFilter() const
{
    const wxString extensie = geefUitwisselExtensie();
    return app->geefApplikatieNaam() + " " + _("files") + " (*." + extensie + ")|*." + extensie;
}

void RekEigenschappenVenster::OnImporteerRekIDClick(wxCommandEvent&)
{
    if (gewijzigd &&
        DesktopVraag::geef().stelVraag(
            _("This requirement is not empty and it contains unsaved data.\nDo you wish to proceed?"),
            _("Unsaved data is present in the dialog"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, this) != wxYES)
        return;
    const wxString pad =
        DesktopVraag::geef().kiesBestand(_("Select the path of the import copy of this requirement"),
                                         app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
                                         wxEmptyString, maakUitwisselFilter(), wxFD_OPEN | wxFD_FILE_MUST_EXIST, this);
    if (pad.empty())
        return;
    const wxFileName bestand(pad);
    Requirement rek;
    if (rek.leesVanDisk(bestand) != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("The requirement could not be read from this file:") +
                                       DesktopFunkties::dubbeleQuotes(pad, true));
        return;
    }
    vulVelden(rek);
    app->zetLaatsteAppDataDir(bestand);
    gewijzigd = true;
}

void RekEigenschappenVenster::OnExporteerRekIDClick(wxCommandEvent&)
{
    const wxString pad = DesktopVraag::geef().kiesBestand(
        _("Select the path for storing a backup copy of this requirement"),
        app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
        BestandsVoorstel::maakKorteNaam(naamTekst->GetValue()), maakUitwisselFilter(), wxFD_SAVE, this);
    if (pad.empty())
        return;
    // The file is an exchange file whatever name was typed; the question
    // comes here, for the name that is written.
    const wxFileName bestand = BestandsVoorstel::metExtensie(pad, geefUitwisselExtensie());
    if (!BestandsVoorstel::magSchrijven(bestand, this))
        return;
    if (leesVelden().bewaarOpDisk(bestand) != 0)
    {
        DesktopFunkties::wxErrorVeilig(_("The requirement could not be written to this file:") +
                                       DesktopFunkties::dubbeleQuotes(bestand.GetFullPath(), true));
        return;
    }
    app->zetLaatsteAppDataDir(bestand);
}

// --- OK ---

void RekEigenschappenVenster::OnOkClick(wxCommandEvent&)
{
    // Enabled only then; a key may press it before the next update.
    if (!isSchrijfbaar() || !gewijzigd || naamTekst->GetLastPosition() <= 0)
        return;
    EndModal(wxID_OK);
}
