#include "toepassing/venster/ToonRequirement.h"

#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/RichFunkties.h"
#include "toepassing/eigenschappen/BestandsVoorstel.h"

#include <memory>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/panel.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextprint.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/utils.h>

wxIMPLEMENT_DYNAMIC_CLASS(ToonRequirement, wxDialog);

namespace
{
const wxColour paneelKleur(140, 161, 255);
constexpr int kopGrootte = 18;
} // namespace

ToonRequirement::ToonRequirement() : app(nullptr), printMotor(new wxRichTextPrinting(_("Printing"), nullptr))
{
    Init();
}

ToonRequirement::ToonRequirement(wxWindow* ouder, VerelTamsoApp* app_, const Requirement& rek_, int id,
                                 const wxString& titel, const wxPoint& positie, const wxSize& grootte, long stijl)
    : app(app_), rek(rek_), printMotor(new wxRichTextPrinting(_("Printing"), nullptr))
{
    Init();
    Create(ouder, id, titel, positie, grootte, stijl);
    veldKeuze->SetSelection(VeldSpecifikatie);
    zetFont();
    toonVeld(rek.beschrijving);
}

ToonRequirement::~ToonRequirement()
{
    delete printMotor;
}

void ToonRequirement::Init()
{
    rijkVeld = nullptr;
    veldKeuze = nullptr;
}

bool ToonRequirement::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                             const wxSize& grootte, long stijl)
{
    SetExtraStyle(wxWS_EX_BLOCK_EVENTS);
    wxDialog::Create(ouder, id, titel, positie, grootte, stijl, wxDialogNameStr);
    CreateControls();
    if (GetSizer())
        GetSizer()->SetSizeHints(this);
    Centre();
    return true;
}

void ToonRequirement::CreateControls()
{
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(topSizer);
    auto* paneel = new wxPanel(this, ID_PANEEL, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(paneelKleur);
    const int rand = paneel->ConvertDialogToPixels(wxSize(3, 0)).GetWidth();
    topSizer->Add(paneel, 1, wxEXPAND | wxALL, rand);

    auto* paneelSizer = new wxBoxSizer(wxVERTICAL);
    paneel->SetSizer(paneelSizer);
    rijkVeld = new wxRichTextCtrl(paneel, ID_RIJKVELD, wxEmptyString, wxDefaultPosition,
                                  paneel->ConvertDialogToPixels(wxSize(300, 250)),
                                  wxRE_READONLY | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_THEME);
    paneelSizer->Add(rijkVeld, 1, wxEXPAND);

    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    paneelSizer->Add(rij, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, rand);
    const wxString velden[] = {_("Specification"), _("Implementation"), _("Validation"), _("All three above combined")};
    veldKeuze = new wxChoice(paneel, ID_KIESREKVELD, wxDefaultPosition, wxDefaultSize, WXSIZEOF(velden), velden);
    rij->Add(veldKeuze, 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    rij->Add(new wxButton(paneel, wxID_CLEAR, _("&Clear")), 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    rij->Add(new wxButton(paneel, wxID_PRINT, _("&Print...")), 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    rij->Add(new wxButton(paneel, wxID_SAVEAS, _("Save &As...")), 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    rij->Add(new wxStaticLine(paneel, wxID_STATIC, wxDefaultPosition, wxDefaultSize, wxLI_VERTICAL), 0,
             wxEXPAND | wxALL, rand);
    auto* knoppen = new wxStdDialogButtonSizer;
    rij->Add(knoppen, 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    knoppen->AddButton(new wxButton(paneel, wxID_OK, _("&OK")));
    knoppen->Realize();
}

wxBitmap ToonRequirement::GetBitmapResource(const wxString&)
{
    return wxNullBitmap;
}

wxIcon ToonRequirement::GetIconResource(const wxString&)
{
    return wxNullIcon;
}

bool ToonRequirement::ShowToolTips()
{
    return true;
}

bool ToonRequirement::heeftTekst() const
{
    return rijkVeld->GetLastPosition() > 0;
}

void ToonRequirement::zetFont()
{
    wxRichTextAttr stijl = rijkVeld->GetBasicStyle();
    stijl.GetFontAttributes(app->geefFont(), wxTEXT_ATTR_FONT & ~wxTEXT_ATTR_FONT_PIXEL_SIZE);
    rijkVeld->SetBasicStyle(stijl);
}

void ToonRequirement::toonVeld(const wxString& tekst)
{
    rijkVeld->Clear();
    (void)RichFunkties::laadTekst(tekst, rijkVeld);
}

void ToonRequirement::schrijfKop(wxRichTextCtrl& rijk, const wxString& kop, bool regelEinde)
{
    // New lines take the paragraph style of the one they split, so the
    // heading gets its own explicitly: bold, centred, large.
    const long begin = rijk.GetInsertionPoint() + 2;
    rijk.WriteText("\n\n" + kop + (regelEinde ? "\n" : ""));
    wxRichTextAttr stijl;
    stijl.SetFontWeight(wxFONTWEIGHT_BOLD);
    stijl.SetFontSize(kopGrootte);
    stijl.SetAlignment(wxTEXT_ALIGNMENT_CENTRE);
    rijk.SetStyleEx(wxRichTextRange(begin, begin + static_cast<long>(kop.length()) - 1), stijl);
}

void ToonRequirement::voegToe(wxRichTextCtrl& doel, wxRichTextCtrl& bron)
{
    wxRichTextParagraphLayoutBox& buffer = doel.GetBuffer();
    for (wxRichTextObjectList::compatibility_iterator knoop = bron.GetBuffer().GetChildren().GetFirst(); knoop;
         knoop = knoop->GetNext())
        buffer.AppendChild(knoop->GetData()->Clone());
}

// Specification, implementation and validation one after the other, each
// under its heading.
void ToonRequirement::toonAlleDrie()
{
    auto* implementatie =
        new wxRichTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxRE_MULTILINE);
    auto* validatie =
        new wxRichTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxRE_MULTILINE);
    toonVeld(rek.beschrijving);
    rijkVeld->SetInsertionPoint(0);
    schrijfKop(*rijkVeld, _("Specification:"), true);
    // At an end the heading is a paragraph of its own already: what is
    // appended after it starts the next.
    rijkVeld->SetInsertionPointEnd();
    schrijfKop(*rijkVeld, _("Implementation:"), false);

    (void)RichFunkties::laadTekst(rek.implementatie, implementatie);
    implementatie->SetInsertionPointEnd();
    schrijfKop(*implementatie, _("Validation:"), false);
    voegToe(*rijkVeld, *implementatie);
    (void)RichFunkties::laadTekst(rek.validatie_test, validatie);
    voegToe(*rijkVeld, *validatie);

    rijkVeld->GetBuffer().Invalidate(wxRICHTEXT_ALL);
    rijkVeld->LayoutContent();
    rijkVeld->SetInsertionPoint(0);
    rijkVeld->Refresh(true);
    Layout();
    implementatie->Destroy();
    validatie->Destroy();
}

void ToonRequirement::OnRekEigenschappenIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

void ToonRequirement::OnKiesRekVeldIDSelected(wxCommandEvent&)
{
    switch (veldKeuze->GetSelection())
    {
    case VeldSpecifikatie:
        toonVeld(rek.beschrijving);
        break;
    case VeldImplementatie:
        toonVeld(rek.implementatie);
        break;
    case VeldValidatie:
        toonVeld(rek.validatie_test);
        break;
    case VeldAlleDrie:
        toonAlleDrie();
        break;
    default:
        break;
    }
}

void ToonRequirement::OnClearClick(wxCommandEvent&)
{
    rijkVeld->Clear();
}

void ToonRequirement::OnClearUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(heeftTekst());
}

wxString ToonRequirement::maakKopTekst() const
{
    const wxString gemeen =
        _("Requirement number") + " " + DesktopFunkties::print(rek.SR) + DesktopFunkties::dubbeleQuotes(rek.naam, true);
    if (veldKeuze->GetSelection() == VeldAlleDrie)
        return gemeen + DesktopFunkties::haken(_("printed on") + " " + wxDateTime::Today().Format("%x"), true);
    return veldKeuze->GetStringSelection() + " " + gemeen;
}

void ToonRequirement::OnPrintClick(wxCommandEvent&)
{
    printMotor->SetTitle(_("Project") + "_" + DesktopFunkties::maakSchoonPadNaam(app->geefProjektNaam()) + " _" +
                         DesktopFunkties::maakSchoonPadNaam(rek.naam));
    printMotor->SetHeaderText(maakKopTekst(), wxRICHTEXT_PAGE_ALL, wxRICHTEXT_PAGE_CENTRE);
    printMotor->SetFooterText(DesktopApp::geefRechtenNotitie(), wxRICHTEXT_PAGE_ALL, wxRICHTEXT_PAGE_RIGHT);
    // A copy: the editor stays as it is whatever the printing does.
    wxRichTextBuffer kopie(rijkVeld->GetBuffer());
    (void)printMotor->PrintBuffer(kopie, true);
}

void ToonRequirement::OnPrintUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(heeftTekst());
}

void ToonRequirement::OnSaveasClick(wxCommandEvent&)
{
    const std::optional<BestandsVoorstel::RijkBestand> gekozen = BestandsVoorstel::vraagRijkBewaarBestand(
        rek.naam, app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), this);
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
    bool bewaard = false;
    {
        wxBusyCursor bezig;
        bewaard = rijkVeld->SaveFile(bestand.GetFullPath(), gekozen->soort);
    }
    if (!bewaard)
    {
        wxLogError("%s", _("Error saving the file."));
        return;
    }
    app->zetLaatsteAppDataDir(bestand);
}

void ToonRequirement::OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(heeftTekst());
}

// clang-format off
wxBEGIN_EVENT_TABLE(ToonRequirement, wxDialog)
    EVT_UPDATE_UI(ID_RIJKVELD, ToonRequirement::OnRekEigenschappenIDUpdate)
    EVT_CHOICE(ID_KIESREKVELD, ToonRequirement::OnKiesRekVeldIDSelected)
    EVT_BUTTON(wxID_CLEAR, ToonRequirement::OnClearClick)
    EVT_UPDATE_UI(wxID_CLEAR, ToonRequirement::OnClearUpdate)
    EVT_BUTTON(wxID_PRINT, ToonRequirement::OnPrintClick)
    EVT_UPDATE_UI(wxID_PRINT, ToonRequirement::OnPrintUpdate)
    EVT_BUTTON(wxID_SAVEAS, ToonRequirement::OnSaveasClick)
    EVT_UPDATE_UI(wxID_SAVEAS, ToonRequirement::OnSaveasUpdate)
wxEND_EVENT_TABLE()
    // clang-format on
