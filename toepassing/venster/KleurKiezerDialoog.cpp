#include "toepassing/venster/KleurKiezerDialoog.h"

#include "swexternals/desktop/DesktopVraag.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/button.h>
#include <wx/icon.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>

namespace
{
const wxColour paneelKleur(140, 161, 255);
const wxColour kopKleur(153, 102, 51);
// In dialog units.
const int randMaat = 3;
const wxSize voorbeeldMaat(300, 250);

int geefKantlijn(wxWindow& venster)
{
    return venster.ConvertDialogToPixels(wxSize(randMaat, 0)).x;
}

wxString voorbeeldTekst()
{
    return _("Verel Tamso keeps the requirements of an engineering project, from their first definition through "
             "implementation, test and validation to their sign-off.") +
           "\n\n" +
           _("Each requirement has its identification number, a title, an analyst, a priority and its costs, "
             "with rich text that tells what it asks, how it is implemented and how it is tested.") +
           "\n\n" + _("The list shows them in the font and the colours chosen here:") + "\n\t" +
           _("Filters on status, type, functional type and priority") + "\n\t" + _("Search in every field") + "\n\t" +
           _("Drag and drop to renumber and duplicate") + "\n\t" + _("Safe operation, kept or rolled back as a whole") +
           "\n\t" + _("Statistics of costs and progress");
}
} // namespace

wxIMPLEMENT_DYNAMIC_CLASS(KleurKiezerDialoog, wxDialog);

// clang-format off
wxBEGIN_EVENT_TABLE(KleurKiezerDialoog, wxDialog)
    EVT_BUTTON(ID_KIESFONT, KleurKiezerDialoog::OnKiesFontIDClick)
    EVT_BUTTON(ID_TEKSTKLEUR, KleurKiezerDialoog::OnTekstKleurIDClick)
    EVT_BUTTON(ID_ACHTERGRONDKLEUR, KleurKiezerDialoog::OnAchtergrondKleurIDClick)
    EVT_BUTTON(ID_SLECHTSLEZENACHTERGRONDKLEUR, KleurKiezerDialoog::OnSlechtsLezenAchtergrondKleurClick)
    EVT_BUTTON(ID_SAFEMODEACHTERGRONDKLEUR, KleurKiezerDialoog::OnSafeModeAchtergrondKleurClick)
    EVT_BUTTON(wxID_DEFAULT, KleurKiezerDialoog::OnDefaultClick)
wxEND_EVENT_TABLE();
// clang-format on

KleurKiezerDialoog::KleurKiezerDialoog()
{
    Init();
}

KleurKiezerDialoog::KleurKiezerDialoog(wxWindow* ouder, VerelTamsoApp* app_, int id, const wxString& titel,
                                       const wxPoint& positie, const wxSize& grootte, long stijl)
{
    Init();
    app = app_;
    Create(ouder, id, titel, positie, grootte, stijl);
}

void KleurKiezerDialoog::Init()
{
    voorbeeld = nullptr;
    app = nullptr;
    veranderd = 0;
}

bool KleurKiezerDialoog::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                                const wxSize& grootte, long stijl)
{
    SetExtraStyle(wxWS_EX_BLOCK_EVENTS);
    wxDialog::Create(ouder, id, titel, positie, grootte, stijl);
    CreateControls();
    if (GetSizer())
        GetSizer()->SetSizeHints(this);
    Centre(wxBOTH);
    return true;
}

void KleurKiezerDialoog::CreateControls()
{
    const int kantlijn = geefKantlijn(*this);
    auto* dialoogSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(dialoogSizer);
    auto* paneel = new wxPanel(this, ID_PANEEL, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(paneelKleur);
    dialoogSizer->Add(paneel, 1, wxEXPAND | wxALL, kantlijn);

    auto* paneelSizer = new wxBoxSizer(wxVERTICAL);
    paneel->SetSizer(paneelSizer);
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    paneelSizer->Add(rij, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    rij->Add(maakKnoppen(paneel), 0, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    rij->Add(maakVoorbeeld(paneel), 0, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);

    auto* knoppen = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(paneel, wxID_OK, _("&OK"));
    ok->SetDefault();
    knoppen->AddButton(ok);
    knoppen->AddButton(new wxButton(paneel, wxID_CANCEL, _("&Cancel")));
    knoppen->Realize();
    paneelSizer->Add(knoppen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
}

wxSizer* KleurKiezerDialoog::maakKnoppen(wxWindow* paneel)
{
    const int kantlijn = geefKantlijn(*this);
    auto* kolom = new wxBoxSizer(wxVERTICAL);
    const std::pair<int, wxString> knoppen[] = {
        {ID_KIESFONT, _("Text Font")},
        {ID_TEKSTKLEUR, _("Foreground colour")},
        {ID_ACHTERGRONDKLEUR, _("Standard background colour")},
        {ID_SLECHTSLEZENACHTERGRONDKLEUR, _("Read-only background colour")},
        {ID_SAFEMODEACHTERGRONDKLEUR, _("Safe mode background colour")},
    };
    for (const auto& [id, label] : knoppen)
        kolom->Add(new wxButton(paneel, id, label), 0, wxALL, kantlijn);
    kolom->Add(new wxStaticLine(paneel, wxID_STATIC), 0, wxEXPAND | wxALL, kantlijn);
    kolom->Add(new wxButton(paneel, wxID_DEFAULT, _("Reset to default values")), 0, wxALL, kantlijn);
    return kolom;
}

wxSizer* KleurKiezerDialoog::maakVoorbeeld(wxWindow* paneel)
{
    const int kantlijn = geefKantlijn(*this);
    auto* kolom = new wxBoxSizer(wxVERTICAL);
    auto* kop = new wxStaticText(paneel, wxID_STATIC, _("Example text"));
    kop->SetForegroundColour(kopKleur);
    kop->SetFont(wxFont(wxFontInfo(18).Family(wxFONTFAMILY_DEFAULT).Bold().FaceName("Arial")));
    kolom->Add(kop, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    voorbeeld = new wxRichTextCtrl(paneel, ID_VOORBEELD, voorbeeldTekst(), wxDefaultPosition,
                                   paneel->ConvertDialogToPixels(voorbeeldMaat),
                                   wxRE_READONLY | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS | wxBORDER_THEME);
    kolom->Add(voorbeeld, 1, wxEXPAND | wxALL, kantlijn);
    return kolom;
}

bool KleurKiezerDialoog::TransferDataToWindow()
{
    font = app->lijstFont;
    tekstKleur = app->lijstTekstKleur;
    achtergrondKleur = app->leesSchrijfAchtergrondKleur;
    slechtsLezenAchtergrondKleur = app->slechtsLeesAchtergrondKleur;
    safeModeAchtergrondKleur = app->savePointAchtergrondKleur;
    veranderd = 0;
    toonVoorbeeld();
    return wxDialog::TransferDataToWindow();
}

bool KleurKiezerDialoog::TransferDataFromWindow()
{
    // A value the user left alone is not written at all: a change of colour
    // never touches the list's font.
    if (isVeranderd(WaardeFont))
        app->lijstFont = font;
    if (isVeranderd(WaardeTekstKleur))
        app->lijstTekstKleur = tekstKleur;
    if (isVeranderd(WaardeAchtergrond))
        app->leesSchrijfAchtergrondKleur = achtergrondKleur;
    if (isVeranderd(WaardeSlechtsLezen))
        app->slechtsLeesAchtergrondKleur = slechtsLezenAchtergrondKleur;
    if (isVeranderd(WaardeSafeMode))
        app->savePointAchtergrondKleur = safeModeAchtergrondKleur;
    return wxDialog::TransferDataFromWindow();
}

void KleurKiezerDialoog::toonVoorbeeld()
{
    pasVoorbeeldAan(
        [this](wxRichTextAttr& stijl)
        {
            stijl.SetFont(font);
            stijl.SetTextColour(tekstKleur);
            stijl.SetBackgroundColour(achtergrondKleur);
        });
}

void KleurKiezerDialoog::pasVoorbeeldAan(const std::function<void(wxRichTextAttr&)>& verander)
{
    wxRichTextAttr stijl = voorbeeld->GetBasicStyle();
    verander(stijl);
    voorbeeld->SetBasicStyle(stijl);
    // The text's background, and the control's around and below it.
    if (stijl.HasBackgroundColour())
        voorbeeld->SetBackgroundColour(stijl.GetBackgroundColour());
    voorbeeld->GetBuffer().Invalidate(wxRICHTEXT_ALL);
    voorbeeld->LayoutContent();
    voorbeeld->Refresh();
}

void KleurKiezerDialoog::OnKiesFontIDClick(wxCommandEvent&)
{
    const std::optional<wxFont> gekozen = DesktopVraag::geef().kiesFont(font, wxString(), this);
    if (!gekozen || !gekozen->IsOk())
        return;
    font = *gekozen;
    veranderd |= WaardeFont;
    pasVoorbeeldAan([this](wxRichTextAttr& stijl) { stijl.SetFont(font); });
    Layout();
}

void KleurKiezerDialoog::kiesKleur(wxColour& kleur, Waarde waarde)
{
    const std::optional<wxColour> gekozen = DesktopVraag::geef().kiesKleur(kleur, wxString(), this);
    if (!gekozen || !gekozen->IsOk())
        return;
    kleur = *gekozen;
    veranderd |= waarde;
    const bool tekst = waarde == WaardeTekstKleur;
    pasVoorbeeldAan(
        [&kleur, tekst](wxRichTextAttr& stijl)
        {
            if (tekst)
                stijl.SetTextColour(kleur);
            else
                stijl.SetBackgroundColour(kleur);
        });
}

void KleurKiezerDialoog::OnTekstKleurIDClick(wxCommandEvent&)
{
    kiesKleur(tekstKleur, WaardeTekstKleur);
}

void KleurKiezerDialoog::OnAchtergrondKleurIDClick(wxCommandEvent&)
{
    kiesKleur(achtergrondKleur, WaardeAchtergrond);
}

// The sample shows the last background chosen; the three stay apart.
void KleurKiezerDialoog::OnSlechtsLezenAchtergrondKleurClick(wxCommandEvent&)
{
    kiesKleur(slechtsLezenAchtergrondKleur, WaardeSlechtsLezen);
}

void KleurKiezerDialoog::OnSafeModeAchtergrondKleurClick(wxCommandEvent&)
{
    kiesKleur(safeModeAchtergrondKleur, WaardeSafeMode);
}

void KleurKiezerDialoog::OnDefaultClick(wxCommandEvent&)
{
    font = geefStandaardFont();
    tekstKleur = VerelTamsoApp::donkerblauw;
    achtergrondKleur = VerelTamsoApp::lichtgeel;
    slechtsLezenAchtergrondKleur = VerelTamsoApp::veiligRoze;
    safeModeAchtergrondKleur = VerelTamsoApp::groen;
    veranderd = AlleWaarden;
    toonVoorbeeld();
}

// A rich-text control takes the system's GUI font. Asking one that was
// never created, as other ports allow, crashes GTK.
wxFont KleurKiezerDialoog::geefStandaardFont()
{
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

wxBitmap KleurKiezerDialoog::GetBitmapResource(const wxString&)
{
    return wxNullBitmap;
}

wxIcon KleurKiezerDialoog::GetIconResource(const wxString&)
{
    return wxNullIcon;
}

bool KleurKiezerDialoog::ShowToolTips()
{
    return true;
}
