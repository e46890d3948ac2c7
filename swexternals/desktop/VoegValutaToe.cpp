#include "swexternals/desktop/VoegValutaToe.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/platform/Platform.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
const char* const papiergeldNaam = "afbeeldingen/SurinaamseDollar.jpg";
const char* const recensentNaam = "afbeeldingen/recensent.png";
const wxColour paneelKleur(204, 204, 0);
const int kantlijn = 5;

// One row: the label and its field, which takes the room left.
void voegRijToe(wxWindow* ouder, wxSizer* sizer, const wxString& label, wxTextCtrl* veld)
{
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    rij->Add(new wxStaticText(ouder, wxID_STATIC, label), 0, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    rij->Add(veld, 1, wxALIGN_CENTER_VERTICAL | wxALL, kantlijn);
    sizer->Add(rij, 0, wxEXPAND);
}
} // namespace

const wxString VoegValutaToe::omrekenAdres = "https://www.xe.com/currencyconverter/";

wxIMPLEMENT_DYNAMIC_CLASS(VoegValutaToe, wxDialog);

// clang-format off
wxBEGIN_EVENT_TABLE(VoegValutaToe, wxDialog)
    EVT_LISTBOX(ID_EIGEN_VALUTA_SOORTEN, VoegValutaToe::OnEigenValutaSoortenListboxIDSelected)
    EVT_LISTBOX_DCLICK(ID_EIGEN_VALUTA_SOORTEN, VoegValutaToe::OnEigenValutaSoortenListboxIDDoubleClicked)
    EVT_TEXT(ID_VALUTA_KODE, VoegValutaToe::OnValutaKodeIDTextUpdated)
    EVT_TEXT(ID_VALUTA_NAAM, VoegValutaToe::OnValutaTextEnter)
    EVT_TEXT(ID_VALUTA_SYMBOOL, VoegValutaToe::OnValutaTextEnter)
    EVT_BUTTON(wxID_APPLY, VoegValutaToe::OnApplyClick)
    EVT_UPDATE_UI(wxID_APPLY, VoegValutaToe::OnApplyUpdate)
    EVT_BUTTON(ID_VALUTA_OMREKENEN, VoegValutaToe::OnOmrekenenClick)
wxEND_EVENT_TABLE();
// clang-format on

VoegValutaToe::VoegValutaToe()
{
    Init();
}

VoegValutaToe::VoegValutaToe(wxWindow* ouder, DesktopValutaLijst* lijst, int id, const wxString& titel,
                             const wxPoint& positie, const wxSize& grootte, long stijl)
{
    Init();
    this->lijst = lijst;
    Create(ouder, id, titel, positie, grootte, stijl);
    if (lijst)
        for (size_t i = 0; i < lijst->GetCount(); ++i)
            lijstVak->Append(lijst->Item(i).geefGetoondeTabVersie());
}

void VoegValutaToe::Init()
{
    lijstVak = nullptr;
    kodeVeld = nullptr;
    naamVeld = nullptr;
    symboolVeld = nullptr;
    toepassen = nullptr;
    lijst = nullptr;
    veldenGeldig = false;
}

bool VoegValutaToe::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
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

void VoegValutaToe::CreateControls()
{
    auto* dialoogSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(dialoogSizer);
    auto* paneel = new wxPanel(this, ID_PANEEL, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(paneelKleur);
    dialoogSizer->Add(paneel, 1, wxEXPAND);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    paneel->SetSizer(sizer);

    auto* papiergeld = new wxStaticBitmap(paneel, wxID_STATIC, GetBitmapResource(papiergeldNaam));
    if (ShowToolTips())
        papiergeld->SetToolTip(_("This currency comes from a very nice country!"));
    sizer->Add(papiergeld, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    sizer->Add(new wxStaticLine(paneel, wxID_STATIC), 0, wxEXPAND | wxALL, kantlijn);

    // Room for the five own currencies.
    lijstVak = new wxListBox(paneel, ID_EIGEN_VALUTA_SOORTEN, wxDefaultPosition,
                             paneel->ConvertDialogToPixels(wxSize(-1, 50)), 0, nullptr, wxLB_SINGLE);
    if (ShowToolTips())
        lijstVak->SetToolTip(_("The user-definable currencies. Double-click an item to reset it."));
    sizer->Add(lijstVak, 1, wxEXPAND | wxALL, kantlijn);

    kodeVeld = new wxTextCtrl(paneel, ID_VALUTA_KODE);
    kodeVeld->SetMaxLength(3);
    naamVeld = new wxTextCtrl(paneel, ID_VALUTA_NAAM);
    naamVeld->SetMaxLength(48);
    symboolVeld = new wxTextCtrl(paneel, ID_VALUTA_SYMBOOL);
    symboolVeld->SetMaxLength(5);
    voegRijToe(paneel, sizer, _("Currency denominator (three-letter code)"), kodeVeld);
    voegRijToe(paneel, sizer, _("Currency name"), naamVeld);
    voegRijToe(paneel, sizer, _("Currency symbol"), symboolVeld);

    toepassen = new wxBitmapButton(paneel, wxID_APPLY, GetBitmapResource(recensentNaam));
    if (ShowToolTips())
        toepassen->SetToolTip(_("Apply the changes to the selected currency"));
    sizer->Add(toepassen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
    sizer->Add(new wxStaticLine(paneel, wxID_STATIC), 0, wxEXPAND | wxALL, kantlijn);

    auto* omrekenen = new wxButton(paneel, ID_VALUTA_OMREKENEN,
                                   _(L"Click here if you do not know your currency\u2019s parameters. "));
    if (ShowToolTips())
        omrekenen->SetToolTip(_("Opens the currency converter of XE, a currency trading website, in your default "
                                "web browser."));
    sizer->Add(omrekenen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);

    auto* knoppen = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(paneel, wxID_OK, _("OK"));
    ok->SetDefault();
    knoppen->AddButton(ok);
    knoppen->AddButton(new wxButton(paneel, wxID_CANCEL, _("Cancel")));
    knoppen->Realize();
    sizer->Add(knoppen, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, kantlijn);
}

wxBitmap VoegValutaToe::GetBitmapResource(const wxString& naam)
{
    if (naam != papiergeldNaam && naam != recensentNaam)
        return wxNullBitmap;
    return DesktopBeeldLader::leesBitmap(naam);
}

wxIcon VoegValutaToe::GetIconResource(const wxString&)
{
    return wxNullIcon;
}

bool VoegValutaToe::ShowToolTips()
{
    return true;
}

void VoegValutaToe::toon(const DesktopValuta& valuta)
{
    // Without text events: showing a currency is no edit.
    kodeVeld->ChangeValue(valuta.geefKode());
    naamVeld->ChangeValue(valuta.geefGetoondeBeschrijving());
    symboolVeld->ChangeValue(valuta.geefGetoondSymbool());
}

// The placeholder's symbol shows in the user's language; the currency
// keeps the one it stores.
wxString VoegValutaToe::geefSymbool() const
{
    return DesktopValuta::alsOpgeslagenSymbool(symboolVeld->GetValue());
}

void VoegValutaToe::toetsVelden()
{
    veldenGeldig = DesktopValuta(kodeVeld->GetValue(), naamVeld->GetValue(), geefSymbool(), 1.0f).isGeldig();
}

void VoegValutaToe::OnEigenValutaSoortenListboxIDSelected(wxCommandEvent&)
{
    const int regel = lijstVak->GetSelection();
    if (!lijst || regel == wxNOT_FOUND || static_cast<size_t>(regel) >= lijst->GetCount())
        return;
    toon(lijst->Item(regel));
    veldenGeldig = false;
}

void VoegValutaToe::OnEigenValutaSoortenListboxIDDoubleClicked(wxCommandEvent&)
{
    const int regel = lijstVak->GetSelection();
    if (!lijst || regel == wxNOT_FOUND || static_cast<size_t>(regel) >= lijst->GetCount())
        return;
    DesktopValuta& valuta = lijst->Item(regel);
    const wxString vraag = _("Would you like to remove the current currency with code \"") + valuta.geefKode() + "\"";
    if (DesktopVraag::geef().stelVraag(vraag, _("removal of currency"), wxYES_NO | wxICON_QUESTION | wxCENTRE, this) !=
        wxYES)
        return;
    valuta = DesktopValuta();
    veldenGeldig = false;
    // The line and the fields show what the slot holds now.
    lijstVak->SetString(regel, valuta.geefGetoondeTabVersie());
    toon(valuta);
}

// A code edited after a valid name and symbol can spoil the currency as
// well as the other fields can: all three count.
void VoegValutaToe::OnValutaKodeIDTextUpdated(wxCommandEvent& gebeurtenis)
{
    toetsVelden();
    gebeurtenis.Skip();
}

void VoegValutaToe::OnValutaTextEnter(wxCommandEvent&)
{
    toetsVelden();
}

void VoegValutaToe::OnApplyUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(veldenGeldig);
}

void VoegValutaToe::OnApplyClick(wxCommandEvent&)
{
    const int regel = lijstVak->GetSelection();
    if (!lijst || regel == wxNOT_FOUND || static_cast<size_t>(regel) >= lijst->GetCount())
        return;
    DesktopValuta& valuta = lijst->Item(regel);
    valuta.zetKode(kodeVeld->GetValue());
    valuta.zetBeschrijving(naamVeld->GetValue());
    valuta.zetSymbool(geefSymbool());
    lijstVak->SetString(regel, valuta.geefGetoondeTabVersie());
}

void VoegValutaToe::OnOmrekenenClick(wxCommandEvent&)
{
    // A refused or failed start is reported by the platform layer.
    (void)Platform::openWebAdres(omrekenAdres);
}
