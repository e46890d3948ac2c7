// One rich-text field of the properties dialog opened from a file, saved to
// a file and printed: the last three tools of the tool bar. The formats are
// those of the rich-text file handlers the program registers.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "toepassing/eigenschappen/BestandsVoorstel.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <wx/datectrl.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextprint.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

bool RekEigenschappenVenster::heeftHuidigeRijkTekst() const
{
    return huidigeRijk && huidigeRijk->GetLastPosition() > 0;
}

// --- Open ---

// The file replaces the field's content; the handler follows the file's
// extension. A file that does not load leaves the field as it was.
void RekEigenschappenVenster::OnOpenClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorInvoer();
    if (!rijk)
        return;
    const wxString pad = DesktopVraag::geef().kiesBestand(
        _("Choose a filename"), app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
        BestandsVoorstel::maakNaam(naamTekst->GetValue()), wxRichTextBuffer::GetExtWildcard(false, false),
        wxFD_OPEN | wxFD_FILE_MUST_EXIST, this);
    if (pad.empty())
        return;
    const wxFileName bestand(pad);
    if (!wxIsReadable(bestand.GetPath(wxPATH_GET_VOLUME)))
    {
        wxLogWarning("%s", _("Error opening the file."));
        return;
    }
    bool geladen = false;
    {
        wxBusyCursor bezig;
        // The field's own load empties it before it knows that the file is
        // sound: the file is tried on a buffer of its own first.
        wxRichTextBuffer proef;
        geladen = proef.LoadFile(pad, wxRICHTEXT_TYPE_ANY) && rijk->LoadFile(pad, wxRICHTEXT_TYPE_ANY);
    }
    if (!geladen)
    {
        wxLogError("%s", _("Error opening the file."));
        return;
    }
    // Loading counts the field as unchanged; it is not what it was filled with.
    rijk->MarkDirty();
    wijzig();
    app->zetLaatsteAppDataDir(bestand);
}

void RekEigenschappenVenster::OnOpenUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnEdit(gebeurtenis);
}

// --- Save as ---

void RekEigenschappenVenster::OnSaveasClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = huidigeRijk;
    if (!rijk)
        return;
    const std::optional<BestandsVoorstel::RijkBestand> gekozen = BestandsVoorstel::vraagRijkBewaarBestand(
        naamTekst->GetValue(), app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), this);
    if (!gekozen)
        return;
    const wxFileName& bestand = gekozen->bestand;
    if (!wxIsWritable(bestand.GetPath(wxPATH_GET_VOLUME)))
    {
        wxLogWarning("%s", _("Error saving the file in the specified directory."));
        return;
    }
    if (!BestandsVoorstel::magSchrijven(bestand, this))
        return;
    // Saving counts the field as unchanged, which would make the dialog
    // hand back what it was filled with.
    const bool veranderd = rijk->IsModified();
    bool bewaard = false;
    {
        wxBusyCursor bezig;
        bewaard = rijk->SaveFile(bestand.GetFullPath(), gekozen->soort);
    }
    if (veranderd)
        rijk->MarkDirty();
    if (!bewaard)
    {
        wxLogError("%s", _("Error saving the file."));
        return;
    }
    app->zetLaatsteAppDataDir(bestand);
}

void RekEigenschappenVenster::OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(heeftHuidigeRijkTekst());
}

// --- Print ---

// The field's name, the requirement's title and its date.
wxString RekEigenschappenVenster::maakPrintKop(const wxRichTextCtrl* rijk) const
{
    return rijk->GetLabelText() + " " + _("for") + DesktopFunkties::dubbeleQuotes(naamTekst->GetValue(), true) +
           _("started on") + " " + datumKiezer->GetValue().Format("%x");
}

void RekEigenschappenVenster::OnPrintClick(wxCommandEvent&)
{
    static const wxString voet = DesktopApp::geefRechtenNotitie();
    wxRichTextCtrl* rijk = huidigeRijk;
    if (!rijk)
        return;
    printMotor->SetTitle(_("Project") + "_" + DesktopFunkties::maakSchoonPadNaam(app->geefProjektNaam()) + " _" +
                         DesktopFunkties::maakSchoonPadNaam(naamTekst->GetValue()));
    printMotor->SetHeaderText(maakPrintKop(rijk), wxRICHTEXT_PAGE_ALL, wxRICHTEXT_PAGE_CENTRE);
    printMotor->SetFooterText(voet, wxRICHTEXT_PAGE_ALL, wxRICHTEXT_PAGE_RIGHT);
    // The print dialog belongs over this dialog.
    printMotor->SetParentWindow(this);
    // A copy: the field stays as it is whatever printing does.
    wxRichTextBuffer kopie(rijk->GetBuffer());
    (void)printMotor->PrintBuffer(kopie, true);
}

void RekEigenschappenVenster::OnPrintUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(heeftHuidigeRijkTekst());
}
