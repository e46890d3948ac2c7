#include "resources/Hulpbronnen.h"

#include <gtest/gtest.h>
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
