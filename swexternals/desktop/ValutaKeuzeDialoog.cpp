#include "swexternals/desktop/ValutaKeuzeDialoog.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/VoegValutaToe.h"

#include <algorithm>
#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/fileconf.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>

namespace
{
const char* const papiergeldNaam = "afbeeldingen/papiergeld.jpg";
const char* const uilNaam = "afbeeldingen/uil.png";
const wxColour paneelKleur(204, 204, 0);
const int kantlijn = 5;
const long dialoogStijl = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL;

struct VasteValuta
{
    // The tab text, translated before use: a catalogue may give the name in
    // the user's language.
    const wchar_t* regel;
    // Without its "vlaggen/" and ".png"; null for a line without a flag.
    const char* vlag;
};

// The built-in currencies, in the order of the list.
const VasteValuta vasteValutas[ValutaKeuzeDialoog::aantalVasteValutas] = {
    {wxTRANSLATE(L"EUR\t\t European Union Euro \t\t\u20AC "), "flag_of_europe"},
    {wxTRANSLATE(L"USD\t\t United States Dollar \t\tUS$"), "usa"},
    {wxTRANSLATE(L"GBP\t\t British Pound \t\tGB\u00A3"), "great_britain"},
    {wxTRANSLATE(L"CAD\t\t Canadian Dollar \t\tCA$"), "canada"},
    {wxTRANSLATE(L"AUD\t\t Australian Dollar \t\tAUS$"), "australia_flag"},
    {wxTRANSLATE(L"NZD\t\t New Zealand Dollar \t\tNZ$"), "new_zealand"},
    {wxTRANSLATE(L"CHF\t\t Swiss Franc \t\tCHF"), "switzerland"},
    {wxTRANSLATE(L"CNY\t\t Chinese Yuan Renminbi \t\t\u4EBA\u6C11\u5E63"), "china"},
    {wxTRANSLATE(L"TWD\t\t Taiwanese Dollar \t\tNT$"), "taiwan"},
    {wxTRANSLATE(L"JPY\t\t Japanese Yen \t\t\u00A5"), "japan"},
    {wxTRANSLATE(L"RUB\t\t Russian Rouble \t\t\u20BD"), "russian_federation"},
    {wxTRANSLATE(L"SEK\t\t Swedish Krona \t\tSEK"), "sweden"},
    {wxTRANSLATE(L"NOK\t\t Norwegian Krone \t\tNOK"), "norway"},
    {wxTRANSLATE(L"DKK\t\t Danish Krone \t\tDKK"), "denmark"},
    {wxTRANSLATE(L"PLN\t\t Polish Zloty \t\tz\u0142"), "poland"},
    {wxTRANSLATE(L"ZAR\t\t South African Rand \t\tR"), "south_africa"},
    {wxTRANSLATE(L"KRW\t\t South Korean Won \t\t\uC6D0"), "south_korea"},
    {wxTRANSLATE(L"BTC\t\t Bitcoin \t\t\u0E3F"), "bitcoin"},
    {wxTRANSLATE(L"CLP\t\t Chilean Peso \t\t$"), "chile"},
    {wxTRANSLATE(L"BRL\t\t Brazilian Real \t\tR$"), "brazil"},
    {wxTRANSLATE(L"ILS\t\t Israeli New Shekel \t\t\u20AA"), nullptr},
};

struct Vlag
{
    const char* woord;
    const char* land;
};

// The row of flags over the list, by the name of the country.
const Vlag vlagRij[] = {
    {"australia_flag", wxTRANSLATE("Australia")},
    {"bitcoin", wxTRANSLATE("Bitcoin")},
    {"brazil", wxTRANSLATE("Brazil")},
    {"canada", wxTRANSLATE("Canada")},
    {"chile", wxTRANSLATE("Chile")},
    {"china", wxTRANSLATE("People's Republic of China")},
    {"denmark", wxTRANSLATE("Denmark")},
    {"flag_of_europe", wxTRANSLATE("The European Union")},
    {"great_britain", wxTRANSLATE("Great Britain")},
    {"israel", wxTRANSLATE("Israel")},
    {"japan", wxTRANSLATE("Japan")},
    {"new_zealand", wxTRANSLATE("New Zealand")},
    {"norway", wxTRANSLATE("Norway")},
    {"poland", wxTRANSLATE("Poland")},
    {"russian_federation", wxTRANSLATE("Russia")},
    {"south_africa", wxTRANSLATE("South Africa")},
    {"south_korea", wxTRANSLATE("South Korea")},
    {"sweden", wxTRANSLATE("Sweden")},
    {"switzerland", wxTRANSLATE("Switzerland")},
    {"taiwan", wxTRANSLATE("Republic of China (Taiwan)")},
    {"usa", wxTRANSLATE("United States of America")},
};

wxString vlagNaam(const char* woord)
{
    return wxString("vlaggen/") + woord + ".png";
}

bool isBekendeAfbeelding(const wxString& naam)
{
    if (naam == papiergeldNaam || naam == uilNaam)
        return true;
    return std::any_of(std::begin(vlagRij), std::end(vlagRij),
                       [&](const Vlag& vlag) { return vlagNaam(vlag.woord) == naam; });
}

wxString sleutelVanSlot(unsigned int slot)
{
    return ValutaKeuzeDialoog::stdTalenPad + wxString::Format("/taal%u", slot);
}
} // namespace

const wxString ValutaKeuzeDialoog::stdTalenPad = "/Configuratie/EigenTalen";

wxIMPLEMENT_DYNAMIC_CLASS(ValutaKeuzeDialoog, wxDialog);

// clang-format off
wxBEGIN_EVENT_TABLE(ValutaKeuzeDialoog, wxDialog)
    EVT_BUTTON(wxID_NEW, ValutaKeuzeDialoog::OnNewClick)
wxEND_EVENT_TABLE();
// clang-format on

ValutaKeuzeDialoog::ValutaKeuzeDialoog()
{
    Init();
}

ValutaKeuzeDialoog::ValutaKeuzeDialoog(wxWindow* ouder, const DesktopValuta& huidige, wxFileConfig* config, int id,
                                       const wxString& titel, const wxPoint& positie, const wxSize& grootte, long stijl)
{
    Init();
    this->config = config;
    Create(ouder, id, titel, positie, grootte, stijl);
    maakVlagKaart();
    initVlaggen();
    selecteer(huidige);
}

ValutaKeuzeDialoog::~ValutaKeuzeDialoog()
{
    if (!config)
        return;
    // Only the slots the list holds: a slot never read stays as it is.
    const unsigned int aantal = std::min<unsigned int>(aantalEigenValutas, eigenValutas.GetCount());
    for (unsigned int slot = 0; slot < aantal; ++slot)
        config->Write(sleutelVanSlot(slot), eigenValutas[slot].exportTabVersie());
}

void ValutaKeuzeDialoog::Init()
{
    valutaKeuze = nullptr;
    eigenValutas.Clear();
    vlagKaart.clear();
    config = nullptr;
    aantalVasteRegels = aantalVasteValutas;
}

bool ValutaKeuzeDialoog::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                                const wxSize& grootte, long stijl)
{
    SetExtraStyle(wxWS_EX_BLOCK_EVENTS);
    wxDialog::Create(ouder, id, titel.empty() ? _("Currency selection") : titel, positie, grootte, stijl);
    CreateControls();
    if (GetSizer())
        GetSizer()->SetSizeHints(this);
    Centre(wxBOTH);
    return true;
}

void ValutaKeuzeDialoog::CreateControls()
{
    auto* dialoogSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(dialoogSizer);
    auto* paneel = new wxPanel(this, ID_PANEEL, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(paneelKleur);
    dialoogSizer->Add(paneel, 1, wxEXPAND);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    paneel->SetSizer(sizer);

    auto* uitleg = new wxStaticText(paneel, wxID_STATIC, _("Please select your currency unit"));
    uitleg->SetFont(wxFont(wxFontInfo(20).FaceName("Lucida Grande")));
    sizer->Add(uitleg, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    sizer->Add(new wxStaticBitmap(paneel, ID_PAPIERGELD, GetBitmapResource(papiergeldNaam)), 0,
               wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);

    auto* vlaggen = new wxBoxSizer(wxHORIZONTAL);
    for (const Vlag& vlag : vlagRij)
    {
        auto* plaatje = new wxStaticBitmap(paneel, wxID_STATIC, GetBitmapResource(vlagNaam(vlag.woord)),
                                           wxDefaultPosition, paneel->ConvertDialogToPixels(wxSize(12, 12)));
        if (ShowToolTips())
            plaatje->SetToolTip(wxGetTranslation(vlag.land));
        vlaggen->Add(plaatje, 0, wxALIGN_CENTER_VERTICAL | wxALL, 1);
    }
    sizer->Add(vlaggen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    sizer->Add(new wxStaticLine(paneel, wxID_STATIC), 0, wxEXPAND | wxALL, kantlijn);

    wxArrayString regels;
    for (const VasteValuta& valuta : vasteValutas)
        regels.Add(wxGetTranslation(valuta.regel));
    auto* keuzeRij = new wxBoxSizer(wxHORIZONTAL);
    valutaKeuze = new wxBitmapComboBox(paneel, ID_VALUTA_KEUZE, regels[0], wxDefaultPosition, wxDefaultSize, regels,
                                       wxCB_READONLY);
    valutaKeuze->SetSelection(0);
    keuzeRij->Add(valutaKeuze, 3, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    keuzeRij->Add(new wxButton(paneel, wxID_NEW, _("New")), 1, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    keuzeRij->Add(new wxStaticBitmap(paneel, ID_UIL, GetBitmapResource(uilNaam), wxDefaultPosition,
                                     paneel->ConvertDialogToPixels(wxSize(12, 13))),
                  0, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    sizer->Add(keuzeRij, 0, wxEXPAND | wxALL, kantlijn);

    auto* knoppen = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(paneel, wxID_OK, _("OK"));
    ok->SetDefault();
    knoppen->AddButton(ok);
    knoppen->AddButton(new wxButton(paneel, wxID_CANCEL, _("Cancel")));
    knoppen->Realize();
    sizer->Add(knoppen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
}

void ValutaKeuzeDialoog::maakVlagKaart()
{
    vlagKaart.clear();
    for (const VasteValuta& valuta : vasteValutas)
        if (valuta.vlag)
            vlagKaart[wxGetTranslation(valuta.regel)] = vlagNaam(valuta.vlag);
}

void ValutaKeuzeDialoog::initVlaggen()
{
    for (unsigned int regel = 0; regel < valutaKeuze->GetCount(); ++regel)
    {
        const auto vlag = vlagKaart.find(valutaKeuze->GetString(regel));
        if (vlag == vlagKaart.end())
            continue;
        const wxBitmap plaatje = GetBitmapResource(vlag->second);
        if (plaatje.IsOk())
            valutaKeuze->SetItemBitmap(regel, plaatje);
    }
    eigenValutas.Clear();
    if (!config)
        return;
    for (unsigned int slot = 0; slot < aantalEigenValutas; ++slot)
        eigenValutas.Add(DesktopValuta(config->Read(sleutelVanSlot(slot), DesktopValuta().exportTabVersie())));
    toonEigenValutas();
}

// The own lines follow the fixed ones: the valid own currencies, in their
// slots' order, with the owl.
void ValutaKeuzeDialoog::toonEigenValutas()
{
    while (valutaKeuze->GetCount() > aantalVasteRegels)
        valutaKeuze->Delete(valutaKeuze->GetCount() - 1);
    const wxBitmap uil = geefUilIkoon();
    const unsigned int aantal = std::min<unsigned int>(aantalEigenValutas, eigenValutas.GetCount());
    for (unsigned int slot = 0; slot < aantal; ++slot)
        if (eigenValutas[slot].isGeldig())
            valutaKeuze->Append(eigenValutas[slot].exportTabVersie(), uil);
}

// The line of the currency itself, else the line of its code: a currency
// stored under another interface language has another name in its text.
int ValutaKeuzeDialoog::zoekRegel(const DesktopValuta& valuta) const
{
    const int gelijk = valutaKeuze->FindString(valuta.exportTabVersie(), true);
    if (gelijk != wxNOT_FOUND)
        return gelijk;
    for (unsigned int regel = 0; regel < valutaKeuze->GetCount(); ++regel)
        if (DesktopValuta(valutaKeuze->GetString(regel)).geefKode() == valuta.geefKode())
            return static_cast<int>(regel);
    return wxNOT_FOUND;
}

void ValutaKeuzeDialoog::selecteer(const DesktopValuta& huidige)
{
    int regel = zoekRegel(huidige);
    // A valid currency of no line gets its own, so that OK keeps it instead
    // of silently putting the first line in its place.
    if (regel == wxNOT_FOUND && huidige.isGeldig())
    {
        regel = static_cast<int>(aantalVasteValutas);
        valutaKeuze->Insert(huidige.exportTabVersie(), wxNullBitmap, aantalVasteValutas);
        aantalVasteRegels = aantalVasteValutas + 1;
    }
    valutaKeuze->SetSelection(regel == wxNOT_FOUND ? 0 : regel);
}

DesktopValuta ValutaKeuzeDialoog::geefGekozenValuta() const
{
    const int regel = valutaKeuze->GetSelection();
    return DesktopValuta(regel == wxNOT_FOUND ? valutaKeuze->GetValue() : valutaKeuze->GetString(regel));
}

void ValutaKeuzeDialoog::OnNewClick(wxCommandEvent&)
{
    DesktopValutaLijst werkLijst = eigenValutas;
    VoegValutaToe eigen(this, &werkLijst, VoegValutaToe::ID_VOEGVALUTATOE, _("Add Currency Unit"), wxDefaultPosition,
                        wxSize(400, 300), dialoogStijl);
    if (eigen.ShowModal() != wxID_OK)
        return;
    const DesktopValuta gekozen = geefGekozenValuta();
    eigenValutas = werkLijst;
    toonEigenValutas();
    // The choice stays where it was; an own currency that was changed is
    // found by its code, one that was reset leaves the first line chosen.
    const int regel = zoekRegel(gekozen);
    valutaKeuze->SetSelection(regel == wxNOT_FOUND ? 0 : regel);
}

wxBitmap ValutaKeuzeDialoog::geefUilIkoon()
{
    // In the list the owl takes the flags' size: all pictures of one list are
    // of one size.
    wxBitmap uil = GetBitmapResource(uilNaam);
    const wxBitmap eerste = GetBitmapResource(vlagNaam(vasteValutas[0].vlag));
    if (!uil.IsOk() || !eerste.IsOk())
        return uil;
    wxImage beeld = uil.ConvertToImage();
    const int hoogte = eerste.GetHeight();
    beeld.Rescale(hoogte, hoogte, wxIMAGE_QUALITY_HIGH);
    beeld.Resize(eerste.GetSize(), wxPoint((eerste.GetWidth() - hoogte) / 2, 0));
    return wxBitmap(beeld);
}

wxBitmap ValutaKeuzeDialoog::GetBitmapResource(const wxString& naam)
{
    return isBekendeAfbeelding(naam) ? DesktopBeeldLader::leesBitmap(naam) : wxNullBitmap;
}

wxIcon ValutaKeuzeDialoog::GetIconResource(const wxString&)
{
    return wxNullIcon;
}

bool ValutaKeuzeDialoog::ShowToolTips()
{
    return true;
}
