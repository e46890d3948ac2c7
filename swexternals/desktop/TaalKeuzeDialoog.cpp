#include "swexternals/desktop/TaalKeuzeDialoog.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopFunkties.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace
{
const int vlagMaat = 24;
const int geenVlag = -1;

// The flags in the order of their image index.
const char* const vlagBestanden[] = {
    "vlaggen/nl.png", "vlaggen/de.png", "vlaggen/gb.png", "vlaggen/fr.png", "vlaggen/es.png",
    "vlaggen/pt.png", "vlaggen/il.png", "vlaggen/it.png", "vlaggen/se.png", "vlaggen/jp.png",
    "vlaggen/cn.png", "vlaggen/tw.png", "vlaggen/kr.png", "vlaggen/ru.png",
};

struct TaalBeschrijving
{
    int taal;
    const char* naam;
    int vlag;
};

// Every language the dialog knows, with the English name it shows
// (translated) and its flag.
const TaalBeschrijving taalTabel[] = {
    {wxLANGUAGE_DUTCH, wxTRANSLATE("Dutch"), 0},
    {wxLANGUAGE_DUTCH_BELGIAN, wxTRANSLATE("Dutch"), 0},
    {wxLANGUAGE_GERMAN, wxTRANSLATE("German"), 1},
    {wxLANGUAGE_GERMAN_AUSTRIAN, wxTRANSLATE("German"), 1},
    {wxLANGUAGE_GERMAN_LIECHTENSTEIN, wxTRANSLATE("German"), 1},
    {wxLANGUAGE_GERMAN_SWISS, wxTRANSLATE("German"), 1},
    {wxLANGUAGE_ENGLISH, wxTRANSLATE("English"), 2},
    {wxLANGUAGE_ENGLISH_AUSTRALIA, wxTRANSLATE("English"), 2},
    {wxLANGUAGE_ENGLISH_CANADA, wxTRANSLATE("English"), 2},
    {wxLANGUAGE_ENGLISH_NEW_ZEALAND, wxTRANSLATE("English"), 2},
    {wxLANGUAGE_ENGLISH_US, wxTRANSLATE("English"), 2},
    {wxLANGUAGE_FRENCH, wxTRANSLATE("French"), 3},
    {wxLANGUAGE_FRENCH_BELGIAN, wxTRANSLATE("French"), 3},
    {wxLANGUAGE_FRENCH_CANADIAN, wxTRANSLATE("French"), 3},
    {wxLANGUAGE_FRENCH_SWISS, wxTRANSLATE("French"), 3},
    {wxLANGUAGE_SPANISH, wxTRANSLATE("Spanish"), 4},
    {wxLANGUAGE_SPANISH_ARGENTINA, wxTRANSLATE("Spanish"), 4},
    {wxLANGUAGE_SPANISH_MEXICAN, wxTRANSLATE("Spanish"), 4},
    {wxLANGUAGE_PORTUGUESE, wxTRANSLATE("Portuguese"), 5},
    {wxLANGUAGE_PORTUGUESE_BRAZILIAN, wxTRANSLATE("Portuguese"), 5},
    {wxLANGUAGE_HEBREW, wxTRANSLATE("Hebrew"), 6},
    {wxLANGUAGE_HEBREW_ISRAEL, wxTRANSLATE("Hebrew"), 6},
    {wxLANGUAGE_ITALIAN, wxTRANSLATE("Italian"), 7},
    {wxLANGUAGE_ITALIAN_SWISS, wxTRANSLATE("Italian"), 7},
    {wxLANGUAGE_SWEDISH, wxTRANSLATE("Swedish"), 8},
    {wxLANGUAGE_SWEDISH_SWEDEN, wxTRANSLATE("Swedish"), 8},
    {wxLANGUAGE_JAPANESE, wxTRANSLATE("Japanese"), 9},
    {wxLANGUAGE_JAPANESE_JAPAN, wxTRANSLATE("Japanese"), 9},
    {wxLANGUAGE_CHINESE, wxTRANSLATE("Chinese (China mainland)"), 10},
    {wxLANGUAGE_CHINESE_SIMPLIFIED, wxTRANSLATE("Chinese (China mainland)"), 10},
    {wxLANGUAGE_CHINESE_TAIWAN, wxTRANSLATE("Chinese (Taiwan)"), 11},
    {wxLANGUAGE_KOREAN, wxTRANSLATE("Korean"), 12},
    {wxLANGUAGE_KOREAN_KOREA, wxTRANSLATE("Korean"), 12},
    {wxLANGUAGE_RUSSIAN, wxTRANSLATE("Russian"), 13},
    {wxLANGUAGE_RUSSIAN_UKRAINE, wxTRANSLATE("Russian"), 13},
};

const int alleTalen[] = {
    wxLANGUAGE_GERMAN,
    wxLANGUAGE_ENGLISH,
    wxLANGUAGE_DUTCH,
    wxLANGUAGE_FRENCH,
    wxLANGUAGE_ITALIAN,
    wxLANGUAGE_CHINESE_TAIWAN,
    wxLANGUAGE_CHINESE_SIMPLIFIED,
    wxLANGUAGE_HEBREW_ISRAEL,
    wxLANGUAGE_JAPANESE_JAPAN,
    wxLANGUAGE_KOREAN_KOREA,
    wxLANGUAGE_PORTUGUESE,
    wxLANGUAGE_RUSSIAN,
    wxLANGUAGE_SPANISH,
    wxLANGUAGE_SWEDISH_SWEDEN,
};

// An unknown language has no name and no flag.
TaalBeschrijving beschrijf(int taal)
{
    for (const TaalBeschrijving& beschrijving : taalTabel)
        if (beschrijving.taal == taal)
            return beschrijving;
    return TaalBeschrijving{taal, "", geenVlag};
}

// A flag that cannot be read keeps its place in the list as an empty square,
// so that every other flag keeps its index.
wxBitmap leesVlag(const char* naam)
{
    const wxImage beeld = DesktopBeeldLader::leesBeeld(naam);
    if (beeld.IsOk() && beeld.GetWidth() == vlagMaat && beeld.GetHeight() == vlagMaat)
        return wxBitmap(beeld);
    DesktopFunkties::wxErrorVeilig(_("The flag image could not be read:") + DesktopFunkties::dubbeleQuotes(naam, true));
    wxImage leeg(vlagMaat, vlagMaat);
    leeg.InitAlpha();
    for (int y = 0; y < vlagMaat; ++y)
        for (int x = 0; x < vlagMaat; ++x)
            leeg.SetAlpha(x, y, wxIMAGE_ALPHA_TRANSPARENT);
    return wxBitmap(leeg);
}
} // namespace

wxIMPLEMENT_DYNAMIC_CLASS(TaalKeuzeDialoog, wxDialog);

wxBEGIN_EVENT_TABLE(TaalKeuzeDialoog, wxDialog)
    EVT_LIST_ITEM_SELECTED(ID_TAALKEUZE_LIJST, TaalKeuzeDialoog::OnTaalkeuzeListCtrlIDSelected)
        EVT_LIST_ITEM_ACTIVATED(ID_TAALKEUZE_LIJST, TaalKeuzeDialoog::OnTaalkeuzeListCtrlIDItemActivated)
            EVT_UPDATE_UI(wxID_OK, TaalKeuzeDialoog::OnOkUpdate) wxEND_EVENT_TABLE()

                TaalKeuzeDialoog::TaalKeuzeDialoog()
{
    Init();
}

TaalKeuzeDialoog::TaalKeuzeDialoog(wxWindow* ouder, const wxArrayInt& talen, int id, const wxString& titel,
                                   const wxPoint& positie, const wxSize& grootte, long stijl)
{
    Init();
    vlaggen = std::make_unique<wxImageList>(vlagMaat, vlagMaat, true);
    aangebodenTalen = talen;
    Create(ouder, id, titel, positie, grootte, stijl);
    initTalen();
    zetTalen();
}

// The list only borrows the image list, and outlives it: the children go
// with the window base, after the members.
TaalKeuzeDialoog::~TaalKeuzeDialoog()
{
    if (lijst)
        lijst->SetImageList(nullptr, wxIMAGE_LIST_NORMAL);
}

void TaalKeuzeDialoog::Init()
{
    lijst = nullptr;
    gekozenTaal = wxLANGUAGE_UNKNOWN;
    naamNaarTaal.clear();
    aangebodenTalen.Clear();
}

bool TaalKeuzeDialoog::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                              const wxSize& grootte, long stijl)
{
    SetExtraStyle(wxWS_EX_BLOCK_EVENTS);
    wxDialog::Create(ouder, id, titel, positie, grootte, stijl);
    CreateControls();
    if (GetSizer())
        GetSizer()->SetSizeHints(this);
    Centre();
    return true;
}

void TaalKeuzeDialoog::CreateControls()
{
    auto* dialoogSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(dialoogSizer);

    auto* paneel = new wxPanel(this, ID_PANEEL, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(wxColour(196, 0, 196));
    dialoogSizer->Add(paneel, 1, wxEXPAND);

    auto* paneelSizer = new wxBoxSizer(wxVERTICAL);
    paneel->SetSizer(paneelSizer);

    auto* uitleg = new wxStaticText(paneel, wxID_STATIC, _("Please select the application interface language"));
    uitleg->SetFont(wxFont(wxFontInfo(20).FaceName("Lucida Grande")));
    paneelSizer->Add(uitleg, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 5);

    lijst = new wxListCtrl(paneel, ID_TAALKEUZE_LIJST, wxDefaultPosition, ConvertDialogToPixels(wxSize(150, 150)),
                           wxLC_ICON | wxLC_SINGLE_SEL | wxLC_SORT_ASCENDING);
    paneelSizer->Add(lijst, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 5);

    auto* knoppen = new wxStdDialogButtonSizer;
    knoppen->AddButton(new wxButton(paneel, wxID_OK, _("OK")));
    knoppen->AddButton(new wxButton(paneel, wxID_CANCEL, _("Cancel")));
    knoppen->Realize();
    paneelSizer->Add(knoppen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 5);
}

void TaalKeuzeDialoog::initTalen()
{
    if (!vlaggen || !lijst)
        return;
    for (const char* vlag : vlagBestanden)
        vlaggen->Add(leesVlag(vlag));
    lijst->SetImageList(vlaggen.get(), wxIMAGE_LIST_NORMAL);
}

void TaalKeuzeDialoog::zetTalen()
{
    if (!lijst)
        return;
    for (const int taal : aangebodenTalen)
    {
        const TaalBeschrijving beschrijving = beschrijf(taal);
        // The empty text would give the catalogue's header.
        const wxString naam = *beschrijving.naam ? wxString(wxGetTranslation(beschrijving.naam)) : wxString();
        lijst->InsertItem(static_cast<long>(naamNaarTaal.size()), naam, beschrijving.vlag);
        naamNaarTaal[naam] = static_cast<unsigned int>(taal);
    }
}

wxLanguage TaalKeuzeDialoog::geefTaal() const
{
    return static_cast<wxLanguage>(gekozenTaal);
}

wxArrayInt TaalKeuzeDialoog::geefAlleTalen()
{
    wxArrayInt talen;
    for (const int taal : alleTalen)
        talen.Add(taal);
    return talen;
}

// The flags, by their names; the list takes them through leesVlag, which
// keeps the place of one that cannot be read.
wxBitmap TaalKeuzeDialoog::GetBitmapResource(const wxString& naam)
{
    for (const char* vlag : vlagBestanden)
        if (naam == vlag)
            return DesktopBeeldLader::leesBitmap(naam);
    return wxNullBitmap;
}

wxIcon TaalKeuzeDialoog::GetIconResource(const wxString&)
{
    return wxNullIcon;
}

bool TaalKeuzeDialoog::ShowToolTips()
{
    return true;
}

void TaalKeuzeDialoog::OnTaalkeuzeListCtrlIDSelected(wxListEvent& gebeurtenis)
{
    const auto gevonden = naamNaarTaal.find(lijst->GetItemText(gebeurtenis.GetIndex(), 0));
    if (gevonden != naamNaarTaal.end())
        gekozenTaal = gevonden->second;
}

void TaalKeuzeDialoog::OnTaalkeuzeListCtrlIDItemActivated(wxListEvent& gebeurtenis)
{
    OnTaalkeuzeListCtrlIDSelected(gebeurtenis);
    EndDialog(wxID_OK);
}

void TaalKeuzeDialoog::OnOkUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(gekozenTaal != wxLANGUAGE_UNKNOWN);
}
