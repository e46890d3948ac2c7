// The currency dialogs as the user meets them: picking the project's
// currency from the built-in ones and the own ones, and editing the own ones
// in their own dialog. Clicks and typing go in as the controls' events; the
// dialogs run for real where OK matters.
#include "swexternals/desktop/ValutaKeuzeDialoog.h"
#include "swexternals/desktop/VoegValutaToe.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/ondersteuning/WebOpnemer.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>
#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace
{
const wxString euro = wxString::FromUTF8("EUR\t\t European Union Euro \t\t\xe2\x82\xac ");
const wxString dollar = "USD\t\t United States Dollar \t\tUS$";
const wxString sranan = "SRD\t\t Surinamese Dollar \t\tSRD";

// The control of that kind and id: the converter button and the name field
// share theirs.
template <class Soort> Soort* zoek(wxWindow& venster, int id)
{
    for (wxWindow* kind : venster.GetChildren())
    {
        if (kind->GetId() == id && wxDynamicCast(kind, Soort))
            return wxDynamicCast(kind, Soort);
        if (Soort* dieper = zoek<Soort>(*kind, id))
            return dieper;
    }
    return nullptr;
}

template <class Soort> Soort& vind(wxWindow& venster, int id)
{
    Soort* gevonden = zoek<Soort>(venster, id);
    if (!gevonden)
        throw std::runtime_error("the dialog has no such control");
    return *gevonden;
}

wxBitmapComboBox& keuze(wxDialog& dialoog)
{
    return vind<wxBitmapComboBox>(dialoog, ValutaKeuzeDialoog::ID_VALUTA_KEUZE);
}

std::vector<wxString> regels(wxDialog& dialoog)
{
    std::vector<wxString> uit;
    for (unsigned int i = 0; i < keuze(dialoog).GetCount(); ++i)
        uit.push_back(keuze(dialoog).GetString(i));
    return uit;
}

// What the user does in the own-currency dialog.
class EigenValutas
{
public:
    explicit EigenValutas(wxDialog& dialoog) : dialoog(dialoog) {}

    wxListBox& lijst() { return vind<wxListBox>(dialoog, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN); }
    wxTextCtrl& kode() { return vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_KODE); }
    wxTextCtrl& naam() { return vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_NAAM); }
    wxTextCtrl& symbool() { return vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_SYMBOOL); }

    void kies(int regel, wxEventType soort = wxEVT_LISTBOX)
    {
        lijst().SetSelection(regel);
        wxCommandEvent klik(soort, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN);
        klik.SetEventObject(&lijst());
        klik.SetInt(regel);
        lijst().GetEventHandler()->ProcessEvent(klik);
    }
    // Typing replaces a field's text and tells the dialog.
    void typ(wxTextCtrl& veld, const wxString& tekst) { veld.SetValue(tekst); }
    void vul(const wxString& k, const wxString& n, const wxString& s)
    {
        typ(kode(), k);
        typ(naam(), n);
        typ(symbool(), s);
    }
    bool kanToepassen()
    {
        dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return dialoog.FindWindow(wxID_APPLY)->IsEnabled();
    }
    void klik(wxWindow& knop)
    {
        wxCommandEvent klik(wxEVT_BUTTON, knop.GetId());
        klik.SetEventObject(&knop);
        knop.GetEventHandler()->ProcessEvent(klik);
    }
    void pasToe() { klik(*dialoog.FindWindow(wxID_APPLY)); }
    std::vector<wxString> tonen()
    {
        std::vector<wxString> uit;
        for (unsigned int i = 0; i < lijst().GetCount(); ++i)
            uit.push_back(lijst().GetString(i));
        return uit;
    }

    wxDialog& dialoog;
};

DesktopValutaLijst lijstVan(std::initializer_list<DesktopValuta> valutas)
{
    DesktopValutaLijst lijst;
    for (const DesktopValuta& valuta : valutas)
        lijst.Add(valuta);
    return lijst;
}
} // namespace

TEST(ValutaKeuze, DeVasteValutasMetHunVlagEnDeHuidigeGekozen)
{
    ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(dollar), nullptr);
    EXPECT_EQ(dialoog.GetTitle(), "Currency selection");
    const auto getoond = regels(dialoog);
    ASSERT_EQ(getoond.size(), 21u);
    EXPECT_EQ(getoond[0], euro);
    EXPECT_EQ(getoond[20], wxString::FromUTF8("ILS\t\t Israel New Shekel \t\t\xe2\x82\xaa"));
    for (unsigned int i = 0; i < 21; ++i)
        EXPECT_EQ(keuze(dialoog).GetItemBitmap(i).IsOk(), i != 20) << getoond[i];
    EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), dollar);

    ValutaKeuzeDialoog nieuwProject(nullptr, DesktopValuta(), nullptr);
    const DesktopValuta gekozen = nieuwProject.geefGekozenValuta();
    EXPECT_EQ(gekozen.geefKode(), "EUR");
    EXPECT_EQ(gekozen.geefSymbool(), wxString::FromUTF8("\xe2\x82\xac "));
    EXPECT_EQ(regels(nieuwProject).size(), 21u);
}

TEST(ValutaKeuze, DeHuidigeValutaWordtOpHaarKodeGevonden)
{
    struct Geval
    {
        const char* naam;
        wxString opgeslagen;
        wxString gekozen;
        size_t aantalRegels;
    };
    const Geval gevallen[] = {
        // Stored while the interface was Dutch: another name, the same code.
        {"stored under another language", wxString::FromUTF8("USD\t\t Amerikaanse dollar \t\tUS$"), dollar, 21},
        {"stored without the space after the euro sign",
         wxString::FromUTF8("EUR\t\t European Union Euro \t\t\xe2\x82\xac"), euro, 21},
        // An own currency of another machine: kept, not replaced by the euro.
        {"in no line at all", sranan, sranan, 22},
        {"not a valid currency", "ZZZ\t\tUndefined\t\tUndef", euro, 21},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(geval.opgeslagen), nullptr);
        EXPECT_EQ(regels(dialoog).size(), geval.aantalRegels);
        EXPECT_EQ(toonEnKlikOK(dialoog), wxID_OK);
        EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), geval.gekozen);
    }
}

TEST(ValutaKeuze, EenNederlandseGebruikerZietDeNederlandseNamen)
{
    openKonfigBestand()->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(wxLANGUAGE_DUTCH));
    BasisApp nederlands;
    ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(dollar), nullptr);
    EXPECT_EQ(dialoog.GetTitle(), "Valutakeuze");
    const DesktopValuta gekozen = dialoog.geefGekozenValuta();
    EXPECT_EQ(gekozen.geefKode(), "USD");
    EXPECT_EQ(gekozen.geefBeschrijving(), " Amerikaanse dollar ");
    EXPECT_TRUE(keuze(dialoog).GetItemBitmap(1).IsOk());
}

TEST(ValutaKeuze, EigenValutasUitDeKonfiguratieEnTerug)
{
    auto konfig = openKonfigBestand();
    konfig->Write("/Configuratie/EigenTalen/taal1", sranan);
    konfig->Write("/Configuratie/EigenTalen/taal3", "XY\t\tTe kort\t\tX");
    {
        ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(sranan), konfig.get());
        const auto getoond = regels(dialoog);
        ASSERT_EQ(getoond.size(), 22u);
        EXPECT_EQ(getoond[21], sranan);
        EXPECT_TRUE(keuze(dialoog).GetItemBitmap(21).IsOk());
        EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), sranan);
    }
    // Every slot written back, the empty ones as the placeholder.
    const wxString leeg = DesktopValuta().exportTabVersie();
    // A currency that does not read is written as far as it was read.
    const wxString verwacht[] = {leeg, sranan, leeg, "XY\t\t\t\t", leeg};
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(konfig->Read(wxString::Format("/Configuratie/EigenTalen/taal%d", slot)), verwacht[slot]) << slot;
}

TEST(ValutaKeuze, NieuwVoegtEenEigenValutaEenKeerToe)
{
    auto konfig = openKonfigBestand();
    ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(dollar), konfig.get());
    // "New", and in the own-currency dialog the user fills the second slot
    // and presses OK.
    for (int keer = 0; keer < 2; ++keer)
    {
        dialoogBeantwoorder().klikOK(
            [](wxDialog& eigen)
            {
                EigenValutas gebruiker(eigen);
                ASSERT_EQ(gebruiker.tonen().size(), 5u);
                gebruiker.kies(1);
                gebruiker.vul("SRD", " Surinamese Dollar ", "SRD");
                ASSERT_TRUE(gebruiker.kanToepassen());
                gebruiker.pasToe();
            });
        EigenValutas(dialoog).klik(*dialoog.FindWindow(wxID_NEW));
        EXPECT_EQ(dialoogBeantwoorder().geefGetoond().back().titel, "Add Currency Unit");
        const auto getoond = regels(dialoog);
        ASSERT_EQ(getoond.size(), 22u);
        EXPECT_EQ(getoond[21], sranan);
        // The project's currency stays chosen.
        EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), dollar);
    }

    // Cancel there changes nothing here.
    dialoogBeantwoorder().verwacht(
        [](wxDialog& eigen)
        {
            EigenValutas gebruiker(eigen);
            gebruiker.kies(1);
            gebruiker.vul("ABC", " Iets ", "A");
            gebruiker.pasToe();
            return static_cast<int>(wxID_CANCEL);
        });
    EigenValutas(dialoog).klik(*dialoog.FindWindow(wxID_NEW));
    EXPECT_EQ(regels(dialoog).back(), sranan);
}

TEST(ValutaKeuze, ZonderKonfiguratieIsErGeenEigenValuta)
{
    ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(dollar), nullptr);
    dialoogBeantwoorder().klikOK([](wxDialog& eigen) { EXPECT_TRUE(EigenValutas(eigen).tonen().empty()); });
    EigenValutas(dialoog).klik(*dialoog.FindWindow(wxID_NEW));
    EXPECT_EQ(regels(dialoog).size(), 21u);
}

TEST(EigenValuta, KiezenBewerkenEnToepassen)
{
    DesktopValutaLijst lijst = lijstVan({DesktopValuta(sranan), DesktopValuta()});
    VoegValutaToe dialoog(nullptr, &lijst);
    EigenValutas gebruiker(dialoog);
    EXPECT_EQ(gebruiker.tonen(), (std::vector<wxString>{sranan, DesktopValuta().exportTabVersie()}));
    // The fields take no more than a currency may hold.
    for (const wxString& getypt : {wxString('n', 48), wxString("n")})
        gebruiker.naam().AppendText(getypt);
    for (const char* getypt : {"12345", "6"})
        gebruiker.symbool().AppendText(getypt);
    EXPECT_EQ(gebruiker.naam().GetValue().length(), 48u);
    EXPECT_EQ(gebruiker.symbool().GetValue(), "12345");

    // Choosing fills the fields and leaves Apply off until an edit.
    gebruiker.kies(0);
    EXPECT_EQ(gebruiker.kode().GetValue(), "SRD");
    EXPECT_EQ(gebruiker.naam().GetValue(), " Surinamese Dollar ");
    EXPECT_FALSE(gebruiker.kanToepassen());
    gebruiker.typ(gebruiker.symbool(), "$");
    EXPECT_TRUE(gebruiker.kanToepassen());
    // Every field counts: a code spoiled after a valid name and symbol too.
    gebruiker.typ(gebruiker.kode(), "SR");
    EXPECT_FALSE(gebruiker.kanToepassen());
    gebruiker.typ(gebruiker.kode(), "ZZZ");
    EXPECT_FALSE(gebruiker.kanToepassen());
    gebruiker.typ(gebruiker.kode(), "SRD");
    EXPECT_TRUE(gebruiker.kanToepassen());

    gebruiker.pasToe();
    EXPECT_EQ(lijst[0].exportTabVersie(), "SRD\t\t Surinamese Dollar \t\t$");
    EXPECT_EQ(gebruiker.tonen()[0], "SRD\t\t Surinamese Dollar \t\t$");
    EXPECT_EQ(lijst.GetCount(), 2u);
}

TEST(EigenValuta, DubbelklikZetDeValutaTerugNaEenVraag)
{
    DesktopValutaLijst lijst = lijstVan({DesktopValuta(sranan)});
    VoegValutaToe dialoog(nullptr, &lijst);
    EigenValutas gebruiker(dialoog);
    VraagBeantwoorder vragen;
    vragen.antwoord(wxNO);
    gebruiker.kies(0, wxEVT_LISTBOX_DCLICK);
    EXPECT_TRUE(vragen.isGevraagd("Would you like to remove the current currency with code \"SRD\""));
    EXPECT_EQ(lijst[0].exportTabVersie(), sranan);

    vragen.antwoord(wxYES);
    gebruiker.kies(0, wxEVT_LISTBOX_DCLICK);
    const wxString leeg = DesktopValuta().exportTabVersie();
    EXPECT_EQ(lijst[0].exportTabVersie(), leeg);
    // The line and the fields show what the slot now holds.
    EXPECT_EQ(gebruiker.tonen()[0], leeg);
    EXPECT_EQ(gebruiker.kode().GetValue(), "ZZZ");
    EXPECT_EQ(gebruiker.symbool().GetValue(), "Undef");
    EXPECT_FALSE(gebruiker.kanToepassen());
}

TEST(EigenValuta, ZonderKeuzeVeranderdToepassenNietsEnDeOmrekenaarOpentZijnPagina)
{
    DesktopValutaLijst lijst;
    VoegValutaToe dialoog(nullptr, &lijst);
    EigenValutas gebruiker(dialoog);
    EXPECT_TRUE(gebruiker.tonen().empty());
    gebruiker.vul("SRD", " Surinamese Dollar ", "SRD");
    EXPECT_TRUE(gebruiker.kanToepassen());
    gebruiker.pasToe();
    EXPECT_EQ(lijst.GetCount(), 0u);

    WebOpnemer browser;
    gebruiker.klik(vind<wxButton>(dialoog, VoegValutaToe::ID_VALUTA_OMREKENEN));
    EXPECT_EQ(browser.geefAdressen(), std::vector<wxString>{VoegValutaToe::omrekenAdres});
}
