#include "resources/Hulpbronnen.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/image.h>
#include <wx/mstream.h>

// Every compiled-in image must decode: a broken entry would only show as an
// empty space in a window.
TEST(Hulpbronnen, ElkeAfbeeldingLaatZichLezen)
{
    wxInitAllImageHandlers();
    for (const char* naam : {"afbeeldingen/plons.png", "afbeeldingen/VerelTamso_klein.jpeg",
                             "afbeeldingen/VerelTamso_zeerklein.jpeg", "afbeeldingen/Trivane_zeerklein.jpg"})
    {
        const Hulpbron* bron = vindHulpbron(naam);
        ASSERT_NE(bron, nullptr) << naam;
        wxMemoryInputStream stroom(bron->data, bron->grootte);
        wxImage beeld(stroom, wxBITMAP_TYPE_ANY);
        EXPECT_TRUE(beeld.IsOk()) << naam;
    }
    const Hulpbron* klein = vindHulpbron("afbeeldingen/VerelTamso_klein.jpeg");
    wxMemoryInputStream stroom(klein->data, klein->grootte);
    EXPECT_EQ(wxImage(stroom, wxBITMAP_TYPE_JPEG).GetSize(), wxSize(64, 64));
}

TEST(Hulpbronnen, OnbekendeNaamGeeftNiets)
{
    EXPECT_EQ(vindHulpbron("afbeeldingen/bestaat-niet.png"), nullptr);
    EXPECT_EQ(vindHulpbron("plons.png"), nullptr);
    EXPECT_EQ(vindHulpbron(nullptr), nullptr);
}

// The language dialog shows every flag at the 24 x 24 of its image list.
TEST(Hulpbronnen, ElkeVlagIsOpgevuldTotVierentwintigVierkant)
{
    wxInitAllImageHandlers();
    for (const char* land : {"nl", "de", "gb", "fr", "es", "pt", "il", "it", "se", "jp", "cn", "tw", "kr", "ru"})
    {
        const std::string naam = std::string("vlaggen/") + land + ".png";
        const Hulpbron* bron = vindHulpbron(naam.c_str());
        ASSERT_NE(bron, nullptr) << naam;
        wxMemoryInputStream stroom(bron->data, bron->grootte);
        const wxImage vlag(stroom, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(vlag.IsOk()) << naam;
        EXPECT_EQ(vlag.GetSize(), wxSize(24, 24)) << naam;
        // The famfamfam flag of 16 x 11 in the middle, the rest transparent.
        ASSERT_TRUE(vlag.HasAlpha()) << naam;
        EXPECT_EQ(vlag.GetAlpha(0, 0), wxIMAGE_ALPHA_TRANSPARENT) << naam;
        EXPECT_EQ(vlag.GetAlpha(12, 12), wxIMAGE_ALPHA_OPAQUE) << naam;
    }
}
