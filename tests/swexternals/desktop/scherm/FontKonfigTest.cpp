#include "swexternals/desktop/TrivaneWxConfig.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <wx/font.h>
#include <wx/fontdata.h>
#include <wx/settings.h>

namespace
{
std::unique_ptr<TrivaneWxConfig> openKonfig()
{
    return std::make_unique<TrivaneWxConfig>("VerelTamso", "Trivane Embedded Systemen", wxString());
}

std::string leesBestand()
{
    std::ifstream bestand(testMap() / ".VerelTamso");
    std::stringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}

wxFontData fontDataMet(const wxFont& font, const wxColour& kleur)
{
    wxFontData data;
    data.SetInitialFont(font);
    data.SetChosenFont(font);
    data.SetColour(kleur);
    return data;
}
} // namespace

TEST(FontKonfiguratie, DeGekozenFontKomtNaEenHerstartTerug)
{
    wxFont vet(wxFontInfo(15).Family(wxFONTFAMILY_TELETYPE).Bold().Italic());
    ASSERT_TRUE(vet.IsOk());
    wxFontData gekozen = fontDataMet(vet, wxColour(255, 128, 0));
    gekozen.SetEncoding(wxFONTENCODING_UTF8);
    openKonfig()->bewaarFontData("/Configuratie", gekozen);

    // The description lies one group deeper than the encoding and the colour.
    const std::string inhoud = leesBestand();
    EXPECT_NE(inhoud.find("[Configuratie/Font]\nInheemseBeschrijving="), std::string::npos) << inhoud;
    EXPECT_NE(inhoud.find("[Configuratie]\n"), std::string::npos) << inhoud;
    EXPECT_NE(inhoud.find("Kleur=33023\n"), std::string::npos) << inhoud;
    EXPECT_NE(inhoud.find("Kodering=" + std::to_string(wxFONTENCODING_UTF8) + "\n"), std::string::npos) << inhoud;

    const wxFont standaard = *wxNORMAL_FONT;
    wxFontData gelezen = fontDataMet(standaard, *wxBLUE);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", gelezen), 0);
    const wxFont font = gelezen.GetChosenFont();
    EXPECT_EQ(font.GetPointSize(), 15);
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(font.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_EQ(font.GetNativeFontInfoDesc(), vet.GetNativeFontInfoDesc());
    EXPECT_EQ(gelezen.GetEncoding(), wxFONTENCODING_UTF8);
    EXPECT_EQ(gelezen.GetColour(), wxColour(255, 128, 0));
}

TEST(FontKonfiguratie, ZonderOpgeslagenFontGeldtDeBeginfontInHetZwart)
{
    wxFont begin(wxFontInfo(11).Family(wxFONTFAMILY_SWISS));
    wxFontData data = fontDataMet(begin, *wxRED);
    data.SetEncoding(wxFONTENCODING_ISO8859_1);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", data), 0);
    EXPECT_EQ(data.GetChosenFont().GetNativeFontInfoDesc(), begin.GetNativeFontInfoDesc());
    EXPECT_EQ(data.GetEncoding(), begin.GetEncoding());
    EXPECT_EQ(data.GetColour(), wxColour(0, 0, 0, wxALPHA_OPAQUE));
}

TEST(FontKonfiguratie, EenOnbruikbareBeschrijvingOfBeginfontLaatAllesStaan)
{
    wxFont begin(wxFontInfo(11));
    const wxFont eerder(wxFontInfo(20).Bold());
    {
        auto konfig = openKonfig();
        konfig->Write("/Configuratie/Font/InheemseBeschrijving", wxString());
        konfig->Write("/Configuratie/Kodering", static_cast<long>(wxFONTENCODING_UTF8));
        konfig->Write("/Configuratie/Kleur", 255L);
    }
    wxFontData data = fontDataMet(begin, *wxBLUE);
    data.SetChosenFont(eerder);
    data.SetEncoding(wxFONTENCODING_ISO8859_2);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", data), 1);
    EXPECT_EQ(data.GetChosenFont().GetPointSize(), 20);
    EXPECT_EQ(data.GetEncoding(), wxFONTENCODING_ISO8859_2);
    EXPECT_EQ(data.GetColour(), *wxBLUE);

    wxFontData ongeldig;
    ongeldig.SetInitialFont(wxNullFont);
    ongeldig.SetChosenFont(eerder);
    ongeldig.SetColour(*wxBLUE);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", ongeldig), 2);
    EXPECT_EQ(ongeldig.GetChosenFont().GetPointSize(), 20);
    EXPECT_EQ(ongeldig.GetColour(), *wxBLUE);
}
