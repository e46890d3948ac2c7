// The user's font in the configuration file, read back on a real display.
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/font.h>
#include <wx/fontdata.h>

namespace
{
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
    const std::string inhoud = konfigInhoud();
    for (const std::string& regel :
         {std::string("[Configuratie/Font]\nInheemseBeschrijving="), std::string("[Configuratie]\n"),
          std::string("Kleur=33023\n"), "Kodering=" + std::to_string(wxFONTENCODING_UTF8) + "\n"})
        EXPECT_NE(inhoud.find(regel), std::string::npos) << regel << " in\n" << inhoud;

    wxFontData gelezen = fontDataMet(*wxNORMAL_FONT, *wxBLUE);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", gelezen), 0);
    const wxFont font = gelezen.GetChosenFont();
    EXPECT_EQ(font.GetPointSize(), 15);
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(font.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_EQ(font.GetNativeFontInfoDesc(), vet.GetNativeFontInfoDesc());
    EXPECT_EQ(gelezen.GetEncoding(), wxFONTENCODING_UTF8);
    EXPECT_EQ(gelezen.GetColour(), wxColour(255, 128, 0));
}

// Nothing stored: the initial font in black. A description that cannot be
// used, or no usable initial font, leaves everything as it was.
TEST(FontKonfiguratie, ZonderBruikbareOpgeslagenFontGeldtWatErAlWas)
{
    wxFont begin(wxFontInfo(11).Family(wxFONTFAMILY_SWISS));
    wxFontData data = fontDataMet(begin, *wxRED);
    data.SetEncoding(wxFONTENCODING_ISO8859_1);
    EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", data), 0);
    EXPECT_EQ(data.GetChosenFont().GetNativeFontInfoDesc(), begin.GetNativeFontInfoDesc());
    EXPECT_EQ(data.GetEncoding(), begin.GetEncoding());
    EXPECT_EQ(data.GetColour(), wxColour(0, 0, 0, wxALPHA_OPAQUE));

    const wxFont eerder(wxFontInfo(20).Bold());
    {
        auto konfig = openKonfig();
        konfig->Write("/Configuratie/Font/InheemseBeschrijving", wxString());
        konfig->Write("/Configuratie/Kodering", static_cast<long>(wxFONTENCODING_UTF8));
        konfig->Write("/Configuratie/Kleur", 255L);
    }
    for (const wxFont& beginFont : {begin, wxNullFont})
    {
        data = fontDataMet(beginFont, *wxBLUE);
        data.SetChosenFont(eerder);
        data.SetEncoding(wxFONTENCODING_ISO8859_2);
        EXPECT_EQ(openKonfig()->leesFontData("/Configuratie", data), beginFont.IsOk() ? 1 : 2);
        EXPECT_EQ(data.GetChosenFont().GetPointSize(), 20);
        EXPECT_EQ(data.GetEncoding(), wxFONTENCODING_ISO8859_2);
        EXPECT_EQ(data.GetColour(), *wxBLUE);
    }
}
