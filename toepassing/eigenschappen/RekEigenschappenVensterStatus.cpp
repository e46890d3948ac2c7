// The status rules of the properties dialog: the level of completion decides
// what may change; the role toggles, the status choice and the sign-off
// button move it, after a check of what the new level needs.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/filefn.h>
#include <wx/filepicker.h>
#include <wx/log.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

namespace
{

bool isLeeg(const wxTextEntry* veld)
{
    return veld->GetLastPosition() <= 0;
}

bool isLeeg(const wxRichTextCtrl* veld)
{
    return veld->GetLastPosition() <= 0;
}

bool isNiveau(int niveau)
{
    return niveau >= Requirement::StatusOntwikkeling && niveau <= Requirement::StatusKlaar;
}

void zetInvoer(wxRichTextCtrl* rijk, bool invoer)
{
    // Shared by every dialog; made when first needed, after the toolkit runs.
    static const wxCursor gewoonCursor(wxCURSOR_ARROW);
    static const wxCursor geenInvoerCursor(wxCURSOR_NO_ENTRY);
    rijk->SetEditable(invoer);
    rijk->SetCursor(invoer ? gewoonCursor : geenInvoerCursor);
}
} // namespace

bool RekEigenschappenVenster::isSchrijfbaar() const
{
    return !app->isAlleenLezenDB();
}

int RekEigenschappenVenster::geefNiveau() const
{
    return statusKeuze->GetSelection();
}

int RekEigenschappenVenster::kontroleerInvoerVelden(Requirement::Status nieuw)
{
    wxArrayString ontbreekt;
    const auto vraag = [&ontbreekt](bool leeg, const wxString& regel)
    {
        if (leeg)
            ontbreekt.Add(regel);
    };
    switch (nieuw)
    {
    case Requirement::StatusGedefinieerd:
        vraag(isLeeg(beschrijvingRijk), _("Requirements definition."));
        vraag(isLeeg(auteurCombo), _("The requirements analyst"));
        break;
    case Requirement::StatusGeimplementeerd:
        vraag(isLeeg(implementatieRijk), _("Implementation definition."));
        vraag(isLeeg(implementatieIngenieurCombo), _("The development engineer"));
        break;
    case Requirement::StatusGetest:
        vraag(isLeeg(validatieRijk), _("Test and validation definition."));
        vraag(isLeeg(testIngenieurCombo), _("The testing specialist"));
        break;
    default:
        break;
    }
    if (ontbreekt.empty())
        return 1;
    wxString bericht = _("You intend to set the status to a new level, but the associated entry field is empty:") +
                       DesktopAppBasis::vr;
    for (const wxString& regel : ontbreekt)
        bericht += "==> " + regel + DesktopAppBasis::vr;
    bericht += DesktopAppBasis::vr + _("Do you still wish to proceed?");
    const int antwoord = DesktopVraag::geef().stelVraag(bericht, _("Some entry fields are without text."),
                                                        wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, this);
    return antwoord == wxNO ? 2 : 1;
}

void RekEigenschappenVenster::zetStatusKnoppen(Requirement::Status niveau)
{
    wxBitmapToggleButton* const knoppen[] = {auteurStatusKnop, implementatieStatusKnop, testStatusKnop};
    if (isNiveau(niveau))
    {
        const wxBitmap klaar = GetBitmapResource(DesktopBeeldLader::ikoon(32, "checkmark.png"));
        const wxBitmap open = GetBitmapResource(DesktopBeeldLader::ikoon(32, "close_window.png"));
        // A role is done once the level has passed it: the analyst's at 1.
        for (int rol = 0; rol < 3; ++rol)
            knoppen[rol]->SetBitmapDisabled(niveau > rol ? klaar : open);
        for (int rol = 0; rol < 3; ++rol)
            knoppen[rol]->SetValue(niveau > rol);
    }
    const bool schrijfbaar = isSchrijfbaar();
    naamTekst->SetEditable(schrijfbaar);
    wxComboBox* const personen[] = {auteurCombo, implementatieIngenieurCombo, testIngenieurCombo, aftekenaarCombo};
    for (wxComboBox* persoon : personen)
        persoon->SetEditable(schrijfbaar);
    typeKeuze->Enable(schrijfbaar);
    funkTypeKeuze->Enable(schrijfbaar);
    kostenSpin->Enable(schrijfbaar);
    aftekenKnop->Enable(schrijfbaar);
    for (wxBitmapToggleButton* knop : knoppen)
        knop->Enable(schrijfbaar);
}

void RekEigenschappenVenster::zetRichTextCtrlInvoerMogelijk(Requirement::Status niveau) const
{
    wxRichTextCtrl* const rollen[] = {beschrijvingRijk, implementatieRijk, validatieRijk, testLogboekRijk};
    if (!isSchrijfbaar())
    {
        for (wxRichTextCtrl* rijk : rollen)
            zetInvoer(rijk, false);
        return;
    }
    if (!isNiveau(niveau))
        return;
    // Which role writes at each level: the analyst at 0, the engineer at 1,
    // the tester (method and log) at 2; nobody from 3 on.
    const bool invoer[5][4] = {{true, false, false, false},
                               {false, true, false, false},
                               {false, false, true, true},
                               {false, false, false, false},
                               {false, false, false, false}};
    for (int i = 0; i < 4; ++i)
        if (invoer[niveau][i])
            zetInvoer(rollen[i], true);
    for (int i = 0; i < 4; ++i)
        if (!invoer[niveau][i])
            zetInvoer(rollen[i], false);
}

void RekEigenschappenVenster::zetStatusVlagSymbolen()
{
    const int alleVlaggen[] = {ID_NIETAFGETEKENDVLAG, ID_AFGETEKENDVLAG};
    for (int vlag : alleVlaggen)
        if (wxWindow* venster = FindWindow(vlag))
            venster->Hide();
    const int niveau = geefNiveau();
    if (isNiveau(niveau))
        if (wxWindow* venster =
                FindWindow(niveau == Requirement::StatusKlaar ? ID_AFGETEKENDVLAG : ID_NIETAFGETEKENDVLAG))
            venster->Show();
    Layout();
}

void RekEigenschappenVenster::neemNiveau(int niveau)
{
    statusKeuze->SetSelection(niveau);
    zetRichTextCtrlInvoerMogelijk(static_cast<Requirement::Status>(niveau));
    zetStatusKnoppen(static_cast<Requirement::Status>(niveau));
    zetStatusVlagSymbolen();
    vorigNiveau = niveau;
    raakAan(AangeraaktStatus);
    wijzig();
}

// A toggle moves the level one step; the check comes first, so after a No
// nothing has changed but the toggle, which is set back.
void RekEigenschappenVenster::verwerkRolKnop(wxBitmapToggleButton* knop, const wxCommandEvent& gebeurtenis,
                                             int niveauAan, int niveauUit)
{
    const bool ingedrukt = gebeurtenis.GetInt() != 0;
    const int nieuw = ingedrukt ? niveauAan : niveauUit;
    if (kontroleerInvoerVelden(static_cast<Requirement::Status>(nieuw)) == 2)
    {
        knop->SetValue(!ingedrukt);
        return;
    }
    neemNiveau(nieuw);
}

void RekEigenschappenVenster::OnRekEigenschappenStatusIDClick(wxCommandEvent& gebeurtenis)
{
    verwerkRolKnop(auteurStatusKnop, gebeurtenis, Requirement::StatusGedefinieerd, Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnRekImplementatieStatusIDClick(wxCommandEvent& gebeurtenis)
{
    verwerkRolKnop(implementatieStatusKnop, gebeurtenis, Requirement::StatusGeimplementeerd,
                   Requirement::StatusGedefinieerd);
}

void RekEigenschappenVenster::OnRekTestStatusIDClick(wxCommandEvent& gebeurtenis)
{
    verwerkRolKnop(testStatusKnop, gebeurtenis, Requirement::StatusGetest, Requirement::StatusGeimplementeerd);
}

// Any level below sign-off may be chosen; signing off is the button's. The
// new level passes the same check as the toggles' before anything changes;
// after a No the level held before the choice stays.
void RekEigenschappenVenster::OnRekStatusIDSelected(wxCommandEvent&)
{
    const int gekozen = geefNiveau();
    if (gekozen == vorigNiveau)
        return;
    int doel = gekozen;
    if (gekozen == Requirement::StatusKlaar)
    {
        wxLogWarning("%s", _("The requirement must be signed off and completed using the field above."));
        doel = Requirement::StatusGetest;
        if (doel == vorigNiveau)
        {
            statusKeuze->SetSelection(vorigNiveau);
            return;
        }
    }
    if (kontroleerInvoerVelden(static_cast<Requirement::Status>(doel)) == 2)
    {
        statusKeuze->SetSelection(vorigNiveau);
        return;
    }
    neemNiveau(doel);
}

void RekEigenschappenVenster::OnRekAftekenKnopIDClick(wxCommandEvent&)
{
    wijzig();
    afgetekendDatumKiezer->SetValue(wxDateTime::Today());
    raakAan(AangeraaktAftekenDatum);
    wxLogMessage("%s", _("You signed off on this requirement. Congratulations!"));
    statusKeuze->SetSelection(Requirement::StatusKlaar);
    raakAan(AangeraaktStatus);
    vorigNiveau = Requirement::StatusKlaar;
    zetStatusVlagSymbolen();
}

// --- Enabling, at every update of the controls ---

void RekEigenschappenVenster::OnRekTitelIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() == Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnRekDatumIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar() && geefNiveau() == Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnRekNummerIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() == Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnVersieInvoerIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() == Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnRekTotaleKostenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnAuteurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() == Requirement::StatusOntwikkeling);
}

void RekEigenschappenVenster::OnRekEigenschappenStatusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const int niveau = geefNiveau();
    gebeurtenis.Enable(isSchrijfbaar() &&
                       (niveau == Requirement::StatusOntwikkeling || niveau == Requirement::StatusGedefinieerd));
}

void RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() >= Requirement::StatusGedefinieerd);
}

void RekEigenschappenVenster::OnRekImplementatieStatusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const int niveau = geefNiveau();
    gebeurtenis.Enable(isSchrijfbaar() &&
                       (niveau == Requirement::StatusGedefinieerd || niveau == Requirement::StatusGeimplementeerd));
}

void RekEigenschappenVenster::OnTestIngenieurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(geefNiveau() >= Requirement::StatusGeimplementeerd);
}

void RekEigenschappenVenster::OnRekTestStatusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const int niveau = geefNiveau();
    gebeurtenis.Enable(isSchrijfbaar() &&
                       (niveau == Requirement::StatusGeimplementeerd || niveau == Requirement::StatusGetest));
}

void RekEigenschappenVenster::OnRekEigenschappenInklapIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekImplementatieInklapIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekTestInklapIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekKommentaarInklapIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekEigenschappenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekImplementatieMethodeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekTestMethodeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnRekTestLogboekIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnHomeUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnGaNaarDokumentenDirIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnOpenInBrowserIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!geefReferentie().empty());
}

void RekEigenschappenVenster::OnOpenInFinderIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const wxString pad = geefReferentie();
    gebeurtenis.Enable(!pad.empty() && wxFileExists(pad) && wxIsReadable(pad));
}

void RekEigenschappenVenster::OnRekKommentaarIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar());
}

void RekEigenschappenVenster::OnRekAftekenNaamIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar() && geefNiveau() >= Requirement::StatusGetest);
}

void RekEigenschappenVenster::OnRekAftekenDatumIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar() && geefNiveau() >= Requirement::StatusGetest);
}

void RekEigenschappenVenster::OnRekAftekenKnopIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar() && geefNiveau() >= Requirement::StatusGetest && !isLeeg(aftekenaarCombo));
}

void RekEigenschappenVenster::OnImporteerRekIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnExporteerRekIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(!isLeeg(naamTekst));
}

void RekEigenschappenVenster::OnRekStatusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar());
}

void RekEigenschappenVenster::OnOkUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(isSchrijfbaar() && gewijzigd && !isLeeg(naamTekst));
}
