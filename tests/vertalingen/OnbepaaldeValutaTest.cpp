// The own-currency dialog in each of the ten languages: an empty slot shows
// the placeholder currency in the language, its symbol too, and what the
// user sees of it is never taken for a currency; the slot stores the same
// placeholder whatever the language, and shows it in the language of the
// moment, whichever it was stored in.
#include "swexternals/desktop/ValutaKeuzeDialoog.h"
#include "swexternals/desktop/VoegValutaToe.h"
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/Talen.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace
{
class OnbepaaldeValutaTest : public ::testing::TestWithParam<Taal>
{
};
} // namespace

TEST_P(OnbepaaldeValutaTest, DeLegePlaatsSpreektDeTaal)
{
    kiesTaal(GetParam().taal);
    VApp app;
    ASSERT_EQ(app->geefTaal(), GetParam().taal);
    DesktopValutaLijst lijst;
    lijst.Add(DesktopValuta());
    VoegValutaToe dialoog(nullptr, &lijst);
    auto& regels = vind<wxListBox>(dialoog, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN);
    regels.SetSelection(0);
    wxCommandEvent gekozen(wxEVT_LISTBOX, regels.GetId());
    gekozen.SetEventObject(&regels);
    regels.GetEventHandler()->ProcessEvent(gekozen);
    const wxString symbool = vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_SYMBOOL).GetValue();
    const wxString regel = regels.GetString(0);
    if (GetParam().taal == wxLANGUAGE_ENGLISH)
    {
        EXPECT_EQ(symbool, "Undef");
        EXPECT_EQ(regel, "ZZZ\t\tUndefined\t\tUndef");
    }
    else
    {
        EXPECT_FALSE(symbool.Contains("Undef")) << symbool;
        EXPECT_FALSE(regel.Contains("Undef")) << regel;
        EXPECT_TRUE(regel.EndsWith("\t\t" + symbool)) << regel;
    }

    // A code and a name typed beside the symbol shown: still no currency.
    vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_KODE).SetValue("ABC");
    vind<wxTextCtrl>(dialoog, VoegValutaToe::ID_VALUTA_NAAM).SetValue("Alfabet");
    dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(dialoog.FindWindow(wxID_APPLY)->IsEnabled());
    EXPECT_EQ(lijst[0].geefSymbool(), "Undef");
}

TEST(OnbepaaldeValuta, EenLegePlaatsInEenAndereTaalBewaardSpreektDeTaalVanNu)
{
    kiesTaal(wxLANGUAGE_GERMAN);
    {
        VApp app;
        ValutaKeuzeDialoog keuze(nullptr, DesktopValuta(), &app->geefAppConfigRef());
        dialoogBeantwoorder().verwacht(wxID_CANCEL);
        EXPECT_EQ(keuze.ShowModal(), wxID_CANCEL);
    }
    // Stored as it was written; an older version stored the symbol so too.
    {
        auto konfig = openKonfigBestand();
        EXPECT_TRUE(konfig->Read("/Configuratie/EigenTalen/taal0").Contains("Nicht festgelegt"));
        konfig->Write("/Configuratie/EigenTalen/taal1", "ZZZ\t\tNicht festgelegt\t\tk. A.");
    }

    kiesTaal(wxLANGUAGE_ENGLISH);
    VApp app;
    ValutaKeuzeDialoog keuze(nullptr, DesktopValuta(), &app->geefAppConfigRef());
    dialoogBeantwoorder().verwacht(
        [](wxDialog& eigen)
        {
            auto& regels = vind<wxListBox>(eigen, VoegValutaToe::ID_EIGEN_VALUTA_SOORTEN);
            for (unsigned int regel = 0; regel < regels.GetCount(); ++regel)
                EXPECT_EQ(regels.GetString(regel), "ZZZ\t\tUndefined\t\tUndef");
            regels.SetSelection(0);
            wxCommandEvent gekozen(wxEVT_LISTBOX, regels.GetId());
            gekozen.SetEventObject(&regels);
            regels.GetEventHandler()->ProcessEvent(gekozen);
            EXPECT_EQ(vind<wxTextCtrl>(eigen, VoegValutaToe::ID_VALUTA_NAAM).GetValue(), "Undefined");
            return wxID_CANCEL;
        });
    klik(keuze, wxID_NEW);
    EXPECT_EQ(dialoogBeantwoorder().geefOpenAntwoorden(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Talen, OnbepaaldeValutaTest, ::testing::ValuesIn(talen), naamVan);
