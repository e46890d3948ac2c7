// The currency dialogs as the user meets them: picking the project's
// currency, and editing the own currencies in their own dialog. Clicks and
// typing go in as the controls' events; the dialogs run for real where OK
// matters.
#include "swexternals/desktop/ValutaKeuzeDialoog.h"
#include "swexternals/desktop/VoegValutaToe.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/ondersteuning/WebOpnemer.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
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
// Made when asked: the placeholder's texts are not there before main.
wxString leeg()
{
    return DesktopValuta().exportTabVersie();
}

void klik(wxWindow& knop, wxEventType soort = wxEVT_BUTTON, int regel = 0)
{
    wxCommandEvent klik(soort, knop.GetId());
    klik.SetEventObject(&knop);
    klik.SetInt(regel);
    knop.GetEventHandler()->ProcessEvent(klik);
}

template <class Lijst> std::vector<wxString> regels(Lijst& lijst)
{
    std::vector<wxString> uit;
    for (unsigned int i = 0; i < lijst.GetCount(); ++i)
        uit.push_back(lijst.GetString(i));
    return uit;
}

wxBitmapComboBox& keuze(wxDialog& dialoog)
{
    return vind<wxBitmapComboBox>(dialoog, ValutaKeuzeDialoog::ID_VALUTA_KEUZE);
}

// The user in the own-currency dialog.
struct EigenValutas
{
    wxListBox& lijst() { return vind<wxListBox>(dialoog, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN); }
    wxTextCtrl& veld(int id) { return vind<wxTextCtrl>(dialoog, id); }
    void kies(int regel, wxEventType soort = wxEVT_LISTBOX)
    {
        lijst().SetSelection(regel);
        klik(lijst(), soort, regel);
    }
    // Typing replaces the texts and tells the dialog.
    void vul(const wxString& kode, const wxString& naam, const wxString& symbool)
    {
        veld(VoegValutaToe::ID_VALUTA_KODE).SetValue(kode);
        veld(VoegValutaToe::ID_VALUTA_NAAM).SetValue(naam);
        veld(VoegValutaToe::ID_VALUTA_SYMBOOL).SetValue(symbool);
    }
    bool kanToepassen()
    {
        dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return dialoog.FindWindow(wxID_APPLY)->IsEnabled();
    }
    void pasToe() { klik(*dialoog.FindWindow(wxID_APPLY)); }

    wxDialog& dialoog;
};
} // namespace

TEST(ValutaKeuze, DeHuidigeValutaWordtOpHaarKodeGevondenEnOKHoudtHaar)
{
    struct Geval
    {
        const char* naam;
        wxString opgeslagen;
        wxString gekozen;
        size_t aantalRegels;
    };
    const Geval gevallen[] = {
        {"a built-in currency", dollar, dollar, 21},
        // Stored while the interface was Dutch: another name, the same code.
        {"stored under another language", wxString::FromUTF8("USD\t\t Amerikaanse dollar \t\tUS$"), dollar, 21},
        // An own currency of another machine: kept, not replaced by the euro.
        {"in no line at all", sranan, sranan, 22},
        {"a new project's placeholder", leeg(), euro, 21},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(geval.opgeslagen), nullptr);
        EXPECT_EQ(dialoog.GetTitle(), "Currency selection");
        const auto getoond = regels(keuze(dialoog));
        ASSERT_EQ(getoond.size(), geval.aantalRegels);
        EXPECT_EQ(getoond[0], euro);
        // Every built-in line has its flag but the shekel's.
        for (unsigned int i = 0; i < 21; ++i)
            EXPECT_EQ(keuze(dialoog).GetItemBitmap(i).IsOk(), i != 20) << getoond[i];
        EXPECT_EQ(toonEnKlikOK(dialoog), wxID_OK);
        EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), geval.gekozen);
    }
}

TEST(ValutaKeuze, EigenValutasKomenUitDeKonfiguratieEnGaanErWeerIn)
{
    auto konfig = openKonfigBestand();
    konfig->Write("/Configuratie/EigenTalen/taal3", sranan);
    {
        ValutaKeuzeDialoog dialoog(nullptr, DesktopValuta(dollar), konfig.get());
        ASSERT_EQ(regels(keuze(dialoog)).size(), 22u);
        EXPECT_EQ(keuze(dialoog).GetString(21), sranan);
        EXPECT_TRUE(keuze(dialoog).GetItemBitmap(21).IsOk());

        // "New", and there the user fills the second slot and presses OK;
        // twice, and the currency is offered once.
        for (int keer = 0; keer < 2; ++keer)
        {
            dialoogBeantwoorder().klikOK(
                [](wxDialog& eigen)
                {
                    EigenValutas gebruiker{eigen};
                    ASSERT_EQ(gebruiker.lijst().GetCount(), 5u);
                    gebruiker.kies(1);
                    gebruiker.vul("ABC", " Alfabet ", "A");
                    gebruiker.pasToe();
                });
            klik(*dialoog.FindWindow(wxID_NEW));
            EXPECT_EQ(dialoogBeantwoorder().geefGetoond().back().titel, "Add Currency Unit");
            const auto getoond = regels(keuze(dialoog));
            ASSERT_EQ(getoond.size(), 23u);
            EXPECT_EQ(getoond[21], "ABC\t\t Alfabet \t\tA");
            EXPECT_EQ(getoond[22], sranan);
            EXPECT_EQ(dialoog.geefGekozenValuta().exportTabVersie(), dollar);
        }
    }
    EXPECT_EQ(konfig->Read("/Configuratie/EigenTalen/taal1"), "ABC\t\t Alfabet \t\tA");
    EXPECT_EQ(konfig->Read("/Configuratie/EigenTalen/taal3"), sranan);
    EXPECT_EQ(konfig->Read("/Configuratie/EigenTalen/taal4"), leeg());
}

TEST(EigenValuta, ToepassenVolgtAlleDrieVeldenEnDubbelklikMaaktLeeg)
{
    DesktopValutaLijst lijst;
    lijst.Add(DesktopValuta(sranan));
    lijst.Add(DesktopValuta());
    VoegValutaToe dialoog(nullptr, &lijst);
    EigenValutas gebruiker{dialoog};
    EXPECT_EQ(regels(gebruiker.lijst()), (std::vector<wxString>{sranan, leeg()}));

    // Choosing fills the fields and leaves Apply off until an edit; then
    // every field counts, the code as well.
    gebruiker.kies(0);
    EXPECT_EQ(gebruiker.veld(VoegValutaToe::ID_VALUTA_NAAM).GetValue(), " Surinamese Dollar ");
    EXPECT_FALSE(gebruiker.kanToepassen());
    const struct
    {
        const char* kode;
        const char* symbool;
        bool geldig;
    } invoer[] = {
        {"SRD", "$", true}, {"SR", "$", false}, {"ZZZ", "$", false}, {"SRD", "Undef", false}, {"SRD", "$", true}};
    for (const auto& getypt : invoer)
    {
        gebruiker.vul(getypt.kode, " Surinamese Dollar ", getypt.symbool);
        EXPECT_EQ(gebruiker.kanToepassen(), getypt.geldig) << getypt.kode << " " << getypt.symbool;
    }
    gebruiker.pasToe();
    EXPECT_EQ(lijst[0].exportTabVersie(), "SRD\t\t Surinamese Dollar \t\t$");
    EXPECT_EQ(gebruiker.lijst().GetString(0), "SRD\t\t Surinamese Dollar \t\t$");

    // The fields take no more than a currency may hold.
    wxTextCtrl& naam = gebruiker.veld(VoegValutaToe::ID_VALUTA_NAAM);
    naam.Clear();
    for (const wxString& getypt : {wxString('n', 48), wxString("n")})
        naam.AppendText(getypt);
    EXPECT_EQ(naam.GetValue().length(), 48u);

    VraagBeantwoorder vragen;
    vragen.antwoord(wxNO);
    gebruiker.kies(0, wxEVT_LISTBOX_DCLICK);
    EXPECT_TRUE(vragen.isGevraagd("Would you like to remove the current currency with code \"SRD\""));
    EXPECT_EQ(lijst[0].geefKode(), "SRD");
    vragen.antwoord(wxYES);
    gebruiker.kies(0, wxEVT_LISTBOX_DCLICK);
    // The slot, its line and the fields all show the placeholder.
    EXPECT_EQ(lijst[0].exportTabVersie(), leeg());
    EXPECT_EQ(gebruiker.lijst().GetString(0), leeg());
    EXPECT_EQ(gebruiker.veld(VoegValutaToe::ID_VALUTA_KODE).GetValue(), "ZZZ");
    EXPECT_FALSE(gebruiker.kanToepassen());
    EXPECT_EQ(lijst.GetCount(), 2u);
}

TEST(EigenValuta, ZonderKeuzeDoetToepassenNietsEnDeOmrekenaarOpentZijnPagina)
{
    DesktopValutaLijst lijst;
    VoegValutaToe dialoog(nullptr, &lijst);
    EigenValutas gebruiker{dialoog};
    gebruiker.vul("SRD", " Surinamese Dollar ", "SRD");
    EXPECT_TRUE(gebruiker.kanToepassen());
    gebruiker.pasToe();
    EXPECT_EQ(lijst.GetCount(), 0u);

    WebOpnemer browser;
    klik(vind<wxButton>(dialoog, VoegValutaToe::ID_VALUTA_OMREKENEN));
    EXPECT_EQ(browser.geefAdressen(), std::vector<wxString>{VoegValutaToe::omrekenAdres});
}
