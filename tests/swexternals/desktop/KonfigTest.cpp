#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/intl.h>

namespace
{
void schrijfKonfig(const std::string& inhoud)
{
    std::ofstream(testMap() / ".VerelTamso") << inhoud;
}

std::string vandaagIso()
{
    return wxDateTime::Today().FormatISODate().utf8_string();
}

bool bevat(const std::string& tekst, const std::string& deel)
{
    return tekst.find(deel) != std::string::npos;
}
} // namespace

TEST(Konfiguratie, HetBestandOnthoudtWanneerHetWerdAangemaakt)
{
    openKonfig();
    EXPECT_EQ(konfigInhoud(), "[Statistiek]\nKonfigAangemaakt=" + vandaagIso() + "\n");

    schrijfKonfig("[Statistiek]\nKonfigAangemaakt=2019-03-07\n");
    EXPECT_EQ(openKonfig()->leesDatum("/Statistiek/KonfigAangemaakt"), wxDateTime(7, wxDateTime::Mar, 2019));
    EXPECT_TRUE(bevat(konfigInhoud(), "KonfigAangemaakt=2019-03-07\n")) << konfigInhoud();

    schrijfKonfig("[Statistiek]\nKonfigAangemaakt=not a date\n");
    openKonfig();
    EXPECT_TRUE(bevat(konfigInhoud(), "KonfigAangemaakt=" + vandaagIso() + "\n")) << konfigInhoud();
}

TEST(Konfiguratie, DatumsHeenEnTerugInIsoVorm)
{
    {
        auto konfig = openKonfig();
        konfig->bewaarDatum("/Project/Start", wxDateTime(29, wxDateTime::Feb, 2024, 17, 45, 12));
        konfig->Write("/Project/Kapot", "31.02.abc");
    }
    EXPECT_TRUE(bevat(konfigInhoud(), "[Project]\nStart=2024-02-29\n")) << konfigInhoud();

    auto konfig = openKonfig();
    // The time of day is never stored; what is read comes back at 00:00.
    EXPECT_EQ(konfig->leesDatum("/Project/Start"), wxDateTime(29, wxDateTime::Feb, 2024));
    EXPECT_EQ(konfig->leesDatum("/Project/Kapot"), wxDateTime::Today());
    EXPECT_EQ(konfig->leesDatum("/Project/Ontbreekt"), wxDateTime::Today());
}

TEST(Konfiguratie, KleurenAlsEenGetalVanRoodGroenBlauw)
{
    {
        auto konfig = openKonfig();
        EXPECT_TRUE(konfig->bewaarKleur("/Configuratie/Kleuren/Klaar", wxColour(255, 128, 0)));
        EXPECT_TRUE(konfig->bewaarKleur("/Configuratie/Kleuren/Doorzichtig", wxColour(1, 2, 3, 0)));
        konfig->Write("/Configuratie/Kleuren/Wit", 16777215L);
        konfig->Write("/Configuratie/Kleuren/TeGroot", 16777216L + 0x030201L);
        konfig->Write("/Configuratie/Kleuren/Negatief", -1L);
    }
    EXPECT_TRUE(bevat(konfigInhoud(), "Klaar=33023\n")) << konfigInhoud();

    const auto konfig = openKonfig();
    struct Geval
    {
        const char* sleutel;
        wxColour verwacht;
    };
    for (const Geval& geval : {Geval{"Klaar", wxColour(255, 128, 0)}, Geval{"Doorzichtig", wxColour(1, 2, 3)},
                               Geval{"Wit", wxColour(255, 255, 255)}, Geval{"TeGroot", wxColour(1, 2, 3)},
                               Geval{"Negatief", wxColour(255, 255, 255)}, Geval{"Ontbreekt", wxColour(9, 8, 7)}})
    {
        const wxColour kleur =
            konfig->leeskleur(wxString("/Configuratie/Kleuren/") + geval.sleutel, wxColour(9, 8, 7, 0));
        EXPECT_EQ(kleur, geval.verwacht) << geval.sleutel;
        EXPECT_EQ(kleur.Alpha(), wxALPHA_OPAQUE) << geval.sleutel;
    }
    // Relative to the group the caller has set, as the application core reads its colours.
    konfig->SetPath("/Configuratie/Kleuren");
    EXPECT_EQ(konfig->leeskleur("Klaar", wxColour(0, 0, 0)), wxColour(255, 128, 0));
}

TEST(Konfiguratie, BereikenBinnenHunGrenzen)
{
    {
        auto konfig = openKonfig();
        konfig->bewaarBereik("/Venster/Zoom", BegrensdBereik<float>{0.5f, 4.25f});
        for (const char* getal : {"/Venster/Schaal", "/Venster/TeHoog", "/Venster/TeLaag"})
            konfig->bewaarBereik(getal, BegrensdGetal<float>{0.0f, 5.0f, 2.5f});
        konfig->Write("/Venster/TeHoog_waarde", 7.0);
        konfig->Write("/Venster/TeLaag_waarde", -1.0);
    }
    for (const char* regel :
         {"Zoom_min=0.5\n", "Zoom_max=4.25\n", "Schaal_min=0\n", "Schaal_max=5\n", "Schaal_waarde=2.5\n"})
        EXPECT_TRUE(bevat(konfigInhoud(), regel)) << regel << " in\n" << konfigInhoud();

    // The stored numbers are read the same under a locale with a decimal comma.
    wxLocale nederlands;
    ASSERT_TRUE(nederlands.Init(wxLANGUAGE_DUTCH, wxLOCALE_DONT_LOAD_DEFAULT));
    auto konfig = openKonfig();
    const BegrensdBereik<float> zoom = konfig->leesBereik("/Venster/Zoom", BegrensdBereik<float>{1.0f, 2.0f});
    EXPECT_FLOAT_EQ(zoom.min, 0.5f);
    EXPECT_FLOAT_EQ(zoom.max, 4.25f);
    EXPECT_FLOAT_EQ(konfig->leesBereik("/Venster/Ontbreekt", BegrensdBereik<float>{1.0f, 2.0f}).max, 2.0f);
    struct Geval
    {
        const char* sleutel;
        float waarde;
    };
    for (const Geval& geval : {Geval{"/Venster/Schaal", 2.5f}, Geval{"/Venster/TeHoog", 5.0f},
                               Geval{"/Venster/TeLaag", 0.0f}, Geval{"/Venster/Nergens", 1.0f}})
    {
        const BegrensdGetal<float> getal = konfig->leesBereik(geval.sleutel, BegrensdGetal<float>{-1.0f, 1.0f, 3.0f});
        EXPECT_FLOAT_EQ(getal.waarde, geval.waarde) << geval.sleutel;
    }
}
