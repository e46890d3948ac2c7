#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/RichFunkties.h"
#include "swexternals/desktop/platform/Platform.h"
#include "toepassing/eigenschappen/FilePickerCtrlDropTarget.h"
#include "toepassing/eigenschappen/VerelRichDropping.h"
#include "toepassing/eigenschappen/WerkBalkStijl.h"

#include <algorithm>
#include <climits>
#include <map>
#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/combo.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/display.h>
#include <wx/filepicker.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextprint.h>
#include <wx/richtext/richtextstyles.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>

wxIMPLEMENT_DYNAMIC_CLASS(RekEigenschappenVenster, wxDialog);

const wxString RekEigenschappenVenster::nummerlijst = "Numbered List 1";
const wxString RekEigenschappenVenster::kogellijst = "Bullet List 1";
const wxString RekEigenschappenVenster::beginSektie = "begin-section";
const wxString RekEigenschappenVenster::eindSektie = "end-section";

namespace
{
const wxString sleutelNietsTeDoen = "/Configuratie/RekEigenschappen/Meldingen/StandaardNietsTeDoenMelding";
const char* const vensterIcoon = "afbeeldingen/VerelTamso_klein.jpeg";

// The pictures of the dialog, by the names its controls ask for.
const char* const bekendeBeelden[] = {"24x24/align_left.png",
                                      "24x24/align_center.png",
                                      "24x24/align_right.png",
                                      "24x24/indentless.png",
                                      "24x24/indentmore.png",
                                      "24x24/visa_stamp24.png",
                                      "24x24/date_from24.png",
                                      "24x24/refuse24.png",
                                      "24x24/alpha.png",
                                      "24x24/safari_24.png",
                                      "24x24/image_24.png",
                                      "24x24/frame.png",
                                      "24x24/chisel_tip_marker.png",
                                      "24x24/numbered_list.png",
                                      "24x24/bulleted_list.png",
                                      "24x24/bold.png",
                                      "24x24/italic.png",
                                      "24x24/underline.png",
                                      "24x24/strikethrough.png",
                                      "24x24/superscript.png",
                                      "24x24/subscript.png",
                                      "24x24/text_color.png",
                                      "24x24/text_color2.png",
                                      "24x24/font_style_formatting.png",
                                      "24x24/increase_font.png",
                                      "24x24/decrease_font.png",
                                      "24x24/opened_folder24.png",
                                      "24x24/save24.png",
                                      "24x24/print.png",
                                      "32x32/arrow_right_black.png",
                                      "32x32/close_window.png",
                                      "32x32/checkmark.png",
                                      "48x48/home.png",
                                      "48x48/documents_folder.png",
                                      "48x48/safari.png",
                                      "48x48/search_folder.png",
                                      "48x48/ok_48.png",
                                      "48x48/hand_with_pen.png",
                                      "48x48/download48.png",
                                      "48x48/upload48.png"};

bool isBekendBeeld(const wxString& naam)
{
    for (const char* beeld : bekendeBeelden)
        if (naam == DesktopBeeldLader::ikoon(beeld))
            return true;
    return false;
}

// The label of each editor, in the editor order; the print header reads it
// back. Translated once, in the language of the first dialog of the run.
const wxString* geefRijkLabels()
{
    static const wxString labels[RekEigenschappenVenster::aantalRijkVelden] = {
        _("Requirement description"), _("Requirement implementation"), _("Requirement test methods"),
        _("Requirement test logging notes"), _("Requirement additional remarks")};
    return labels;
}

// The section field types are the rich-text buffer's, shared by every
// editor of the program: the last dialog to go takes them away.
int levendeDialogen = 0;

void voegSektieVeldToe(const wxString& naam, int stijl)
{
    if (wxRichTextBuffer::FindFieldType(naam))
        return;
    auto* veld = new wxRichTextFieldTypeStandard(naam, _("SECTION"), stijl);
    veld->SetBackgroundColour(*wxBLUE);
    wxRichTextBuffer::AddFieldType(veld);
}

wxDateTime vroegste(const wxDateTime& a, const wxDateTime& b)
{
    if (!a.IsValid())
        return b;
    if (!b.IsValid())
        return a;
    return a.IsEarlierThan(b) ? a : b;
}

wxDateTime laatste(const wxDateTime& a, const wxDateTime& b)
{
    if (!a.IsValid())
        return b;
    if (!b.IsValid())
        return a;
    return a.IsLaterThan(b) ? a : b;
}

wxDateTime dag(const wxDateTime& moment)
{
    return moment.IsValid() ? moment.GetDateOnly() : moment;
}

const wxColour buitenBereikKleur(255, 214, 214);
} // namespace

RekEigenschappenVenster::RekEigenschappenVenster()
    : stijlOpslag(new wxRichTextStyleSheet), printMotor(new wxRichTextPrinting(_("Printing"), nullptr)), app(nullptr),
      gewijzigd(false), geweigerdGetoond(false), tekstDoosRandKleur(*wxBLACK), standaardMeldingGekozen(false),
      aangeraakt(0), vorigNiveau(-1)
{
    Init();
}

RekEigenschappenVenster::RekEigenschappenVenster(wxWindow* ouder, const Requirement& rek, VerelTamsoApp* app_, int id,
                                                 const wxString& titel, const wxPoint& positie, const wxSize& grootte,
                                                 long stijl)
    : stijlOpslag(new wxRichTextStyleSheet), printMotor(new wxRichTextPrinting(_("Printing"), nullptr)), app(app_),
      gewijzigd(false), geweigerdGetoond(false), tekstDoosRandKleur(*wxBLACK), standaardMeldingGekozen(false),
      aangeraakt(0), vorigNiveau(-1)
{
    Init();
    Create(ouder, id, titel, positie, grootte, stijl);
    if (app->isAlleenLezenDB())
        SetTitle(_("View the attributes of the currently selected requirement (DB is read-only)."));
    WerkBalkStijl::zetAchtergrond(*werkBalk, app->geefAchtergrondKleur());
    maakLijstStijlen();
    registreerSektieVelden();
    const wxString* labels = geefRijkLabels();
    for (int i = 0; i < aantalRijkVelden; ++i)
        geefRijk(i)->SetLabel(labels[i]);
    for (int i = 0; i < aantalRijkVelden; ++i)
    {
        wxRichTextCtrl* rijk = geefRijk(i);
        // The remarks are stored as plain text: no pictures there.
        rijk->SetDropTarget(new VerelRichDropping(rijk, rijk == kommentaarRijk ? VerelRichDropping::Inhoud::alleenTekst
                                                                               : VerelRichDropping::Inhoud::alles));
        rijk->GetBuffer().SetStyleSheet(stijlOpslag);
        maakContextMenu(rijk);
    }
    bindRunTime();
    externeRefKiezer->SetDropTarget(new FilePickerCtrlDropTarget(externeRefKiezer));
    // A name dropped on the field itself, where a user aims, counts the same.
    if (externeRefKiezer->GetTextCtrl())
        externeRefKiezer->GetTextCtrl()->SetDropTarget(new FilePickerCtrlDropTarget(externeRefKiezer));
    vulVelden(rek);
    klapSektiesIn();
    zetFont(true);
    // The sections changed its size since Create placed it.
    Centre();
    leesInstellingen();
}

RekEigenschappenVenster::~RekEigenschappenVenster()
{
    if (app)
    {
        app->geefAppConfigRef().Write(sleutelNietsTeDoen, standaardNietsTeDoenMelding);
    }
    if (beschrijvingRijk)
    {
        // The editors outlive this body; they must not keep a style sheet
        // that is gone.
        for (int i = 0; i < aantalRijkVelden; ++i)
            geefRijk(i)->GetBuffer().SetStyleSheet(nullptr);
    }
    // Only the full constructor registered the section fields.
    if (app && --levendeDialogen == 0)
    {
        wxRichTextBuffer::RemoveFieldType(beginSektie);
        wxRichTextBuffer::RemoveFieldType(eindSektie);
    }
    delete stijlOpslag;
    delete printMotor;
}

void RekEigenschappenVenster::Init()
{
    hoofdPaneel = nullptr;
    werkBalk = nullptr;
    veldenGebied = nullptr;
    veldenRaster = nullptr;
    naamTekst = nullptr;
    datumKiezer = nullptr;
    srSpin = nullptr;
    versieTekst = nullptr;
    prioriteitSchuif = nullptr;
    typeKeuze = nullptr;
    funkTypeKeuze = nullptr;
    kostenLabel = nullptr;
    kostenSpin = nullptr;
    auteurCombo = nullptr;
    auteurStatusKnop = nullptr;
    beschrijvingPaneel = nullptr;
    beschrijvingRijk = nullptr;
    implementatieIngenieurCombo = nullptr;
    implementatieStatusKnop = nullptr;
    implementatiePaneel = nullptr;
    implementatieRijk = nullptr;
    testIngenieurCombo = nullptr;
    testStatusKnop = nullptr;
    testPaneel = nullptr;
    validatieRijk = nullptr;
    testLogboekRijk = nullptr;
    externeRefKiezer = nullptr;
    kommentaarPaneel = nullptr;
    kommentaarRijk = nullptr;
    aftekenaarCombo = nullptr;
    afgetekendDatumKiezer = nullptr;
    aftekenKnop = nullptr;
    statusKeuze = nullptr;
    huidigeRijk = nullptr;
}

bool RekEigenschappenVenster::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                                     const wxSize& grootte, long stijl)
{
    SetExtraStyle(wxWS_EX_BLOCK_EVENTS);
    wxDialog::Create(ouder, id, titel, positie, grootte, stijl);
    CreateControls();
    SetIcon(GetIconResource(vensterIcoon));
    if (GetSizer())
        GetSizer()->SetSizeHints(this);
    Centre();
    return true;
}

wxRichTextCtrl* RekEigenschappenVenster::geefRijk(int index) const
{
    wxRichTextCtrl* const rijken[aantalRijkVelden] = {beschrijvingRijk, implementatieRijk, validatieRijk,
                                                      testLogboekRijk, kommentaarRijk};
    return index >= 0 && index < aantalRijkVelden ? rijken[index] : nullptr;
}

void RekEigenschappenVenster::maakLijstStijlen()
{
    auto* kogels = new wxRichTextListStyleDefinition(kogellijst);
    auto* nummers = new wxRichTextListStyleDefinition(nummerlijst);
    for (int niveau = 0; niveau < 10; ++niveau)
    {
        const int inspringing = (niveau + 1) * 36;
        wxRichTextAttr kogel;
        kogel.SetLeftIndent(inspringing, 18);
        kogel.SetBulletStyle(wxTEXT_ATTR_BULLET_STYLE_STANDARD);
        kogel.SetBulletName(niveau == 2 ? "standard/circle" : "standard/square");
        kogels->SetLevelAttributes(niveau, kogel);

        int stijl = wxTEXT_ATTR_BULLET_STYLE_ARABIC | wxTEXT_ATTR_BULLET_STYLE_PERIOD;
        if (niveau == 1)
            stijl = wxTEXT_ATTR_BULLET_STYLE_LETTERS_LOWER | wxTEXT_ATTR_BULLET_STYLE_PARENTHESES;
        else if (niveau == 2)
            stijl = wxTEXT_ATTR_BULLET_STYLE_ROMAN_LOWER | wxTEXT_ATTR_BULLET_STYLE_PARENTHESES;
        else if (niveau == 3)
            stijl = wxTEXT_ATTR_BULLET_STYLE_ROMAN_UPPER | wxTEXT_ATTR_BULLET_STYLE_PARENTHESES;
        wxRichTextAttr nummer;
        nummer.SetLeftIndent(inspringing, 27);
        nummer.SetBulletStyle(stijl | wxTEXT_ATTR_BULLET_STYLE_ALIGN_RIGHT);
        nummers->SetLevelAttributes(niveau, nummer);
    }
    stijlOpslag->AddListStyle(kogels);
    stijlOpslag->AddListStyle(nummers);
}

void RekEigenschappenVenster::registreerSektieVelden()
{
    voegSektieVeldToe(beginSektie, wxRichTextFieldTypeStandard::wxRICHTEXT_FIELD_STYLE_START_TAG);
    voegSektieVeldToe(eindSektie, wxRichTextFieldTypeStandard::wxRICHTEXT_FIELD_STYLE_END_TAG);
    ++levendeDialogen;
}

void RekEigenschappenVenster::maakContextMenu(wxRichTextCtrl* rijk)
{
    wxMenu* menu = rijk->GetContextMenu();
    if (!menu)
        return;
    struct Item
    {
        int id;
        const char* label;
        const char* beeld;
    };
    static const Item items[] = {{wxID_BOLD, wxTRANSLATE("Set selection in bold face."), "bold.png"},
                                 {wxID_ITALIC, wxTRANSLATE("Set selection in italic face."), "italic.png"},
                                 {wxID_UNDERLINE, wxTRANSLATE("Set selection underlined."), "underline.png"},
                                 {ID_STREEPDOOR, wxTRANSLATE("Set selection strike-through."), "strikethrough.png"},
                                 {ID_VOEGTOESYMBOOL, wxTRANSLATE("Insert a symbol."), "alpha.png"},
                                 {ID_VOEGINURL, wxTRANSLATE("Insert a URL."), "safari_24.png"}};
    menu->AppendSeparator();
    for (const Item& item : items)
    {
        auto* menuItem = new wxMenuItem(menu, item.id, wxGetTranslation(item.label), wxEmptyString, wxITEM_NORMAL);
        menuItem->SetBitmap(GetBitmapResource(DesktopBeeldLader::ikoon(24, item.beeld)));
        menu->Append(menuItem);
    }
}

void RekEigenschappenVenster::bindRunTime()
{
    // The pop-up menus' items act as the tools of the same ids.
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnBoldClick, this, wxID_BOLD);
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnItalicClick, this, wxID_ITALIC);
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnUnderlineClick, this, wxID_UNDERLINE);
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnStreepDoorIDClick, this, ID_STREEPDOOR);
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnVoegToeSymboolIDClick, this, ID_VOEGTOESYMBOOL);
    Bind(wxEVT_MENU, &RekEigenschappenVenster::OnVoegInURLIDClick, this, ID_VOEGINURL);
    // The role toggles send toggle events, which the table's button entries
    // never see.
    Bind(wxEVT_TOGGLEBUTTON, &RekEigenschappenVenster::OnRekEigenschappenStatusIDClick, this,
         ID_REKEIGENSCHAPPENSTATUS);
    Bind(wxEVT_TOGGLEBUTTON, &RekEigenschappenVenster::OnRekImplementatieStatusIDClick, this,
         ID_REKIMPLEMENTATIESTATUS);
    Bind(wxEVT_TOGGLEBUTTON, &RekEigenschappenVenster::OnRekTestStatusIDClick, this, ID_REKTESTSTATUS);
    Bind(wxEVT_CHAR_HOOK, &RekEigenschappenVenster::OnCharHook, this);
}

void RekEigenschappenVenster::leesInstellingen()
{
    standaardNietsTeDoenMelding = app->geefAppConfigRef().Read(sleutelNietsTeDoen, wxString());
}

// The section of the requirement's level is open, the others closed; then
// sections close, the remarks first, until all rows fit the display.
void RekEigenschappenVenster::klapSektiesIn()
{
    wxCollapsiblePane* const sekties[] = {beschrijvingPaneel, implementatiePaneel, testPaneel, kommentaarPaneel};
    if (app->isAlleenLezenDB())
    {
        for (wxCollapsiblePane* sektie : sekties)
            sektie->Collapse(true);
        return;
    }
    const int niveau = geefNiveau();
    if (niveau >= Requirement::StatusOntwikkeling && niveau <= Requirement::StatusKlaar)
        for (int i = 0; i < 4; ++i)
            sekties[i]->Collapse(i != niveau);
    for (int i = 3; i >= 0 && geefVeldenHoogte() > geefVrijeHoogte(); --i)
        sekties[i]->Collapse(true);
    pasInScherm();
}

int RekEigenschappenVenster::geefVeldenHoogte() const
{
    return veldenGebied->GetSizer()->GetMinSize().GetHeight();
}

// What the display leaves when the tool bar, the bottom row, the borders
// and the window's frame have theirs.
int RekEigenschappenVenster::geefVrijeHoogte() const
{
    const int velden = veldenGebied->GetMinSize().GetHeight();
    const int rest = GetSizer()->GetMinSize().GetHeight() - std::max(0, velden);
    const int rand = GetSize().GetHeight() - GetClientSize().GetHeight();
    return wxDisplay(this).GetClientArea().GetHeight() - rest - rand;
}

void RekEigenschappenVenster::pasVeldenAan()
{
    const wxSize inhoud = veldenGebied->GetSizer()->GetMinSize();
    // Measured without the field area's height of before.
    veldenGebied->SetMinSize(wxSize(inhoud.GetWidth(), 0));
    veldenGebied->InvalidateBestSize();
    const int vrij = geefVrijeHoogte();
    if (inhoud.GetHeight() <= vrij)
    {
        veldenGebied->SetMinSize(inhoud);
        veldenGebied->InvalidateBestSize();
        return;
    }
    // The scroll bar takes its width beside the rows. A display too low for
    // even a row keeps part of one in view.
    const int zicht = geefZichtHoogte(vrij);
    veldenGebied->SetMinSize(wxSize(inhoud.GetWidth() + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, veldenGebied),
                                    zicht > 0 ? zicht : std::max(vrij, du(20))));
    veldenGebied->InvalidateBestSize();
}

// The grid's rows as it measured them for its smallest size, which it
// takes: none of them grows. The row the room ends in shows its top, down
// to below its heading; one whose heading the end would cut stays out of
// view, as a heading half under the bottom row looks hidden by it.
int RekEigenschappenVenster::geefZichtHoogte(int ruimte) const
{
    const wxSizerItem* plaats = veldenGebied->GetSizer()->GetItem(veldenRaster);
    int onder = plaats ? plaats->GetBorder() : 0;
    int heel = 0;
    bool eerste = true;
    const wxArrayInt hoogtes = veldenRaster->GetRowHeights();
    for (size_t rij = 0; rij < hoogtes.size(); ++rij)
    {
        // A row with nothing shown takes no room, nor a gap.
        if (hoogtes[rij] < 0)
            continue;
        const int boven = onder + (eerste ? 0 : veldenRaster->GetVGap());
        onder = boven + hoogtes[rij];
        eerste = false;
        if (onder > ruimte)
            return boven + (hoogtes[rij] + geefKopHoogte(rij, hoogtes[rij])) / 2 <= ruimte ? ruimte : heel;
        heel = onder;
    }
    return heel;
}

// A row's heading label lies in the middle of the row; a role's box fills
// its row, which then shows whole or not at all.
int RekEigenschappenVenster::geefKopHoogte(size_t rij, int rijHoogte) const
{
    const wxSizerItem* cel = veldenRaster->GetItem(rij * veldenRaster->GetCols());
    wxSizer* kop = cel ? cel->GetSizer() : nullptr;
    if (!kop || dynamic_cast<const wxStaticBoxSizer*>(kop) || kop->IsEmpty())
        return rijHoogte;
    return kop->GetItem(size_t{0})->GetMinSize().GetHeight();
}

void RekEigenschappenVenster::pasInScherm()
{
    pasVeldenAan();
    Fit();
    Layout();
    veldenGebied->FitInside();
    veldenGebied->Layout();
    // A dialog that grew at its place may reach beyond the display.
    const wxRect scherm = wxDisplay(this).GetClientArea();
    const wxRect plaats = GetRect();
    const int x = std::max(scherm.GetLeft(), std::min(plaats.GetLeft(), scherm.GetRight() + 1 - plaats.GetWidth()));
    const int y = std::max(scherm.GetTop(), std::min(plaats.GetTop(), scherm.GetBottom() + 1 - plaats.GetHeight()));
    if (x != plaats.GetLeft() || y != plaats.GetTop())
        Move(x, y);
}

void RekEigenschappenVenster::vulVelden(const Requirement& rek)
{
    getoond = rek;
    kostenLabel->SetLabel(app->geefProjektValuta().geefSymbool() + ":");
    vulPersonen(app->leesAlleWerknemers());

    naamTekst->ChangeValue(rek.naam);
    if (rek.datum.IsValid())
        datumKiezer->SetValue(rek.datum);
    srSpin->SetValue(rek.SR);
    versieTekst->ChangeValue(rek.versie);
    prioriteitSchuif->SetValue(rek.prioriteit > INT_MAX ? INT_MAX : static_cast<int>(rek.prioriteit));
    kostenSpin->SetValue(rek.totaleKosten > INT_MAX ? INT_MAX : static_cast<int>(rek.totaleKosten));
    auteurCombo->ChangeValue(rek.auteur);
    vulRijk(beschrijvingRijk, rek.beschrijving);
    vulRijk(implementatieRijk, rek.implementatie);
    implementatieIngenieurCombo->ChangeValue(rek.implementatieIngenieur);
    vulRijk(validatieRijk, rek.validatie_test);
    vulRijk(testLogboekRijk, rek.testLogboek);
    testIngenieurCombo->ChangeValue(rek.testIngenieur);
    externeRefKiezer->SetPath(rek.externeRef);
    kommentaarRijk->SetValue(rek.kommentaar);
    kommentaarRijk->DiscardEdits();
    aftekenaarCombo->ChangeValue(rek.aftekenaar);
    vulAftekenDatum(rek);
    const auto keuze = [](int waarde, const wxChoice* choice)
    { return waarde >= 0 && waarde < static_cast<int>(choice->GetCount()) ? waarde : wxNOT_FOUND; };
    statusKeuze->SetSelection(keuze(rek.status, statusKeuze));
    typeKeuze->SetSelection(keuze(rek.type, typeKeuze));
    funkTypeKeuze->SetSelection(keuze(rek.funkType, funkTypeKeuze));
    markeerBereiken(rek);

    const auto niveau = static_cast<Requirement::Status>(geefNiveau());
    zetRichTextCtrlInvoerMogelijk(niveau);
    zetStatusKnoppen(niveau);
    zetStatusVlagSymbolen();
    vorigNiveau = geefNiveau();
    // Setting the controls may have sent change events: filling is no
    // change of the user's.
    aangeraakt = 0;
    gewijzigd = false;
    geweigerdGetoond = false;
    // The controls the level leaves off are off before the dialog shows,
    // not from the next idle time on: the focus goes to the first control
    // that takes it, and one turned off with the focus in it (the title
    // above the first level) would leave the dialog without any, deaf to
    // every key, Escape too.
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void RekEigenschappenVenster::toonGeweigerd(const Requirement& rek)
{
    vulVelden(rek);
    geweigerdGetoond = true;
}

void RekEigenschappenVenster::vulPersonen(const wxArrayString& namen)
{
    wxComboBox* const personen[] = {auteurCombo, implementatieIngenieurCombo, testIngenieurCombo, aftekenaarCombo};
    for (wxComboBox* persoon : personen)
    {
        persoon->Clear();
        if (!namen.empty())
            persoon->Append(namen);
    }
}

void RekEigenschappenVenster::vulRijk(wxRichTextCtrl* rijk, const wxString& tekst)
{
    rijk->Clear();
    // What the editor was loaded with before belongs to that filling: an
    // empty field loads nothing and must not bring it back.
    rijk->SetClientObject(nullptr);
    (void)RichFunkties::laadTekst(tekst, rijk);
    rijk->DiscardEdits();
}

// The range runs from the requirement's date to today and always holds the
// stored date, so the picker shows it as it is; a later sign-off than today
// cannot be chosen. Without a stored date at sign-off the picker offers today.
void RekEigenschappenVenster::vulAftekenDatum(const Requirement& rek)
{
    const wxDateTime vandaag = wxDateTime::Today();
    const wxDateTime opgeslagen = dag(rek.afgetekendDatum);
    const wxDateTime van = vroegste(vroegste(dag(rek.datum), opgeslagen), vandaag);
    const wxDateTime tot = laatste(vandaag, opgeslagen);
    afgetekendDatumKiezer->SetRange(van, tot);
    if (rek.status == Requirement::StatusKlaar)
        afgetekendDatumKiezer->SetValue(opgeslagen.IsValid() ? opgeslagen : vandaag);
}

void RekEigenschappenVenster::markeer(wxWindow* control, bool buiten, const wxString& opgeslagen)
{
    if (!buiten)
    {
        control->SetBackgroundColour(wxNullColour);
        control->UnsetToolTip();
        return;
    }
    control->SetBackgroundColour(buitenBereikKleur);
    control->SetToolTip(wxString::Format(
        _("The stored value %s cannot be shown here. It is kept unless you change this field."), opgeslagen));
}

// Values a control cannot hold (GTK's spin controls and slider clamp them, a
// choice shows none, the picker shows another date) are marked, and
// leesVelden gives them back as stored while the control is not changed.
void RekEigenschappenVenster::markeerBereiken(const Requirement& rek)
{
    const auto buiten = [](long long waarde, long long laagste, long long hoogste)
    { return waarde < laagste || waarde > hoogste; };
    markeer(srSpin, buiten(rek.SR, srSpin->GetMin(), srSpin->GetMax()), DesktopFunkties::print(rek.SR));
    markeer(prioriteitSchuif, buiten(rek.prioriteit, prioriteitSchuif->GetMin(), prioriteitSchuif->GetMax()),
            wxString::Format("%u", rek.prioriteit));
    markeer(kostenSpin, buiten(rek.totaleKosten, kostenSpin->GetMin(), kostenSpin->GetMax()),
            wxString::Format("%u", rek.totaleKosten));
    markeer(typeKeuze, typeKeuze->GetSelection() == wxNOT_FOUND, DesktopFunkties::print(static_cast<int>(rek.type)));
    markeer(funkTypeKeuze, funkTypeKeuze->GetSelection() == wxNOT_FOUND,
            DesktopFunkties::print(static_cast<int>(rek.funkType)));
    markeer(statusKeuze, statusKeuze->GetSelection() == wxNOT_FOUND,
            DesktopFunkties::print(static_cast<int>(rek.status)));
    markeer(datumKiezer, !rek.datum.IsValid(), _("(no date)"));
    markeer(afgetekendDatumKiezer, rek.status == Requirement::StatusKlaar && !rek.afgetekendDatum.IsValid(),
            _("(no date)"));
}

// As it stands in the field: the picker passes its text through a file
// name, which folds the "//" of a web address.
wxString RekEigenschappenVenster::geefReferentie() const
{
    const wxTextCtrl* tekst = externeRefKiezer->GetTextCtrl();
    return tekst ? tekst->GetValue() : externeRefKiezer->GetPath();
}

wxString RekEigenschappenVenster::leesRijk(wxRichTextCtrl* rijk, const wxString& getoond)
{
    wxString tekst;
    // The field could not be written in either form: what it held stays.
    if (RichFunkties::bewaarTekst(tekst, rijk) == 2)
        return getoond;
    return tekst;
}

Requirement RekEigenschappenVenster::leesVelden() const
{
    Requirement rek = getoond;
    rek.naam = naamTekst->GetValue();
    if (isAangeraakt(AangeraaktDatum))
        rek.datum = datumKiezer->GetValue();
    if (isAangeraakt(AangeraaktNummer))
        rek.SR = srSpin->GetValue();
    rek.versie = versieTekst->GetValue();
    if (isAangeraakt(AangeraaktPrioriteit))
        rek.prioriteit = static_cast<unsigned int>(prioriteitSchuif->GetValue());
    if (isAangeraakt(AangeraaktKosten))
        rek.totaleKosten = static_cast<unsigned int>(kostenSpin->GetValue());
    rek.auteur = auteurCombo->GetValue();
    rek.beschrijving = leesRijk(beschrijvingRijk, getoond.beschrijving);
    rek.implementatie = leesRijk(implementatieRijk, getoond.implementatie);
    rek.implementatieIngenieur = implementatieIngenieurCombo->GetValue();
    rek.validatie_test = leesRijk(validatieRijk, getoond.validatie_test);
    rek.testLogboek = leesRijk(testLogboekRijk, getoond.testLogboek);
    rek.testIngenieur = testIngenieurCombo->GetValue();
    rek.externeRef = geefReferentie();
    rek.kommentaar = kommentaarRijk->GetValue();
    if (isAangeraakt(AangeraaktStatus))
        rek.status = static_cast<Requirement::Status>(statusKeuze->GetSelection());
    if (isAangeraakt(AangeraaktType))
        rek.type = static_cast<Requirement::Type>(typeKeuze->GetSelection());
    if (isAangeraakt(AangeraaktFunkType))
        rek.funkType = static_cast<Requirement::FunkType>(funkTypeKeuze->GetSelection());

    const Requirement standaard;
    if (rek.status == Requirement::StatusKlaar)
    {
        rek.aftekenaar = aftekenaarCombo->GetValue();
        if (isAangeraakt(AangeraaktAftekenDatum) || getoond.status != Requirement::StatusKlaar)
            rek.afgetekendDatum = afgetekendDatumKiezer->GetValue();
    }
    else
    {
        rek.aftekenaar = standaard.aftekenaar;
        rek.afgetekendDatum = standaard.afgetekendDatum;
    }
    return rek;
}

void RekEigenschappenVenster::zetFont(bool opnieuwSchikken)
{
    const wxFont font = app->geefFont();
    for (int i = 0; i < aantalRijkVelden; ++i)
    {
        wxRichTextCtrl* rijk = geefRijk(i);
        wxRichTextAttr stijl = rijk->GetBasicStyle();
        stijl.GetFontAttributes(font, wxTEXT_ATTR_FONT & ~wxTEXT_ATTR_FONT_PIXEL_SIZE);
        rijk->SetBasicStyle(stijl);
    }
    if (opnieuwSchikken)
        Layout();
}

// Decoded once in the run: every dialog shows them all. Never deleted, so
// that no bitmap outlives the toolkit's end.
wxBitmap RekEigenschappenVenster::GetBitmapResource(const wxString& naam)
{
    static auto* gelezen = new std::map<wxString, wxBitmap>;
    const auto bekend = gelezen->find(naam);
    if (bekend != gelezen->end())
        return bekend->second;
    const wxBitmap beeld = isBekendBeeld(naam) ? DesktopBeeldLader::leesBitmap(naam) : wxNullBitmap;
    if (beeld.IsOk())
        gelezen->emplace(naam, beeld);
    return beeld;
}

wxIcon RekEigenschappenVenster::GetIconResource(const wxString& naam)
{
    return naam == vensterIcoon ? DesktopBeeldLader::leesIcoon(naam) : wxIcon();
}

bool RekEigenschappenVenster::ShowToolTips()
{
    return true;
}

int RekEigenschappenVenster::laadTekst(const wxString& tekst, wxRichTextCtrl* rijk)
{
    return RichFunkties::laadTekst(tekst, rijk);
}

int RekEigenschappenVenster::bewaarTekst(wxString& tekst, wxRichTextCtrl* rijk)
{
    return RichFunkties::bewaarTekst(tekst, rijk);
}

// GTK gives the controls their theme's measures, the title its font's,
// only as the dialog shows: the rows measured before that may not fit the
// area they were given.
void RekEigenschappenVenster::OnShow(wxShowEvent& gebeurtenis)
{
    if (gebeurtenis.IsShown())
        pasInScherm();
    gebeurtenis.Skip();
}

void RekEigenschappenVenster::OnIdle(wxIdleEvent& gebeurtenis)
{
    zetDrukWerktuigen();
    Platform::zetVensterGewijzigd(*this, gewijzigd);
    gebeurtenis.Skip();
}

// A key pressed in a pop-up comes here too, as in any window of the dialog:
// the dialog's own Escape would end it with Cancel, every entry lost and
// the pop-up left standing. The calendar of a date picker takes no Escape
// of its own, so its pop-up is closed here; any other pop-up gets the key.
void RekEigenschappenVenster::OnCharHook(wxKeyEvent& gebeurtenis)
{
    auto* bron = wxDynamicCast(gebeurtenis.GetEventObject(), wxWindow);
    wxWindow* popup = bron ? wxGetTopLevelParent(bron) : nullptr;
    if (gebeurtenis.GetKeyCode() != WXK_ESCAPE || !popup || popup == this)
    {
        gebeurtenis.Skip();
        return;
    }
    if (auto* combo = wxDynamicCast(popup->GetParent(), wxComboCtrl))
        combo->Dismiss();
    else
        gebeurtenis.DoAllowNextEvent();
}

void RekEigenschappenVenster::OnCloseWindow(wxCloseEvent& gebeurtenis)
{
    if ((gewijzigd || geweigerdGetoond) && gebeurtenis.CanVeto() &&
        DesktopVraag::geef().stelVraag(
            _("You will lose all modifications to this requirement. Do you wish to proceed?"),
            _("Modifications will be lost"), wxYES_NO | wxICON_WARNING | wxCENTRE, this) != wxYES)
    {
        gebeurtenis.Veto();
        return;
    }
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        Hide();
}
