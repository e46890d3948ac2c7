// Images kept in memory (as in a database BLOB) and scaled for a text field.
#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <limits>
#include <wx/buffer.h>

TEST(AfbeeldingInGeheugen, GaatNaarDeBufferEnTerug)
{
    struct Geval
    {
        wxBitmapType type;
        wxBitmapType terug;
    };
    for (const Geval& geval :
         {Geval{wxBITMAP_TYPE_PNG, wxBITMAP_TYPE_PNG}, Geval{wxBITMAP_TYPE_JPEG, wxBITMAP_TYPE_JPEG},
          Geval{wxBITMAP_TYPE_INVALID, wxBITMAP_TYPE_PNG}})
    {
        logVanger().wis();
        const wxImage beeld = maakBeeld(200, 150, geval.type);
        wxMemoryBuffer buffer;
        ASSERT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(beeld, buffer), 0) << geval.type;
        EXPECT_EQ(beeld.GetType(), geval.type);
        // Only an image of unknown format needs the conversion.
        EXPECT_EQ(logVanger().bevat("A conversion to PNG format was required.", wxLOG_Warning),
                  geval.type == wxBITMAP_TYPE_INVALID);
        // Its size in thousands of bytes, rounded down; unknown without a format.
        const bool bekend = geval.type != wxBITMAP_TYPE_INVALID;
        unsigned int kiloBytes = 4711;
        EXPECT_EQ(DesktopFunkties::berekenAfbeeldingGrootte(beeld, kiloBytes), bekend ? 0 : 2);
        EXPECT_EQ(kiloBytes, bekend ? buffer.GetDataLen() / 1000 : 0u);
        wxImage terug;
        ASSERT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(buffer, terug), 0) << geval.type;
        EXPECT_EQ(terug.GetType(), geval.terug);
        EXPECT_EQ(terug.GetSize(), wxSize(200, 150));
    }

    wxMemoryBuffer buffer;
    buffer.AppendData("oud", 3);
    EXPECT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(wxImage(), buffer), 2);
    EXPECT_EQ(buffer.GetDataLen(), 3u);
    // A format no handler writes leaves nothing half-written.
    EXPECT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(maakBeeld(4, 4, wxBITMAP_TYPE_MACCURSOR), buffer), 2);
    EXPECT_EQ(buffer.GetDataLen(), 0u);
    EXPECT_TRUE(logVanger().bevat("Converting image to image buffer was not successful.", wxLOG_Error));

    wxImage doel = maakBeeld(5, 5);
    EXPECT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(wxMemoryBuffer(), doel), 2);
    EXPECT_EQ(doel.GetSize(), wxSize(5, 5));
    buffer.AppendData("geen afbeelding", 15);
    EXPECT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(buffer, doel), 2);
    EXPECT_FALSE(doel.IsOk());
}

TEST(AfbeeldingSchalen, NaarEenMaatOfMetEenFactor)
{
    struct Geval
    {
        wxSize beeld;
        wxSize gevraagd;
        bool alleenVerkleinen;
        int resultaat;
        wxSize wordt;
    };
    for (const Geval& geval : {
             Geval{{300, 200}, {150, 0}, false, 0, {150, 100}},
             Geval{{300, 200}, {0, 50}, false, 0, {75, 50}},
             Geval{{300, 200}, {400, 100}, false, 0, {400, 100}},
             Geval{{300, 200}, {400, 100}, true, 1, {300, 200}},
             Geval{{300, 200}, {150, 100}, true, 0, {150, 100}},
             Geval{{300, 200}, {0, 300}, true, 1, {300, 200}},
             Geval{{300, 200}, {300, 200}, true, 0, {300, 200}},
             // A side that would come out as nothing is refused.
             Geval{{300, 200}, {0, 0}, false, 2, {300, 200}},
             Geval{{300, 200}, {-10, 50}, false, 2, {300, 200}},
             Geval{{1000, 1}, {10, 0}, false, 2, {1000, 1}},
         })
    {
        wxImage beeld = maakBeeld(geval.beeld.x, geval.beeld.y, wxBITMAP_TYPE_JPEG);
        const wxString wat = wxString::Format("%dx%d %d", geval.gevraagd.x, geval.gevraagd.y, geval.alleenVerkleinen);
        EXPECT_EQ(DesktopFunkties::herschaalAfbeelding(beeld, geval.gevraagd, geval.alleenVerkleinen), geval.resultaat)
            << wat;
        EXPECT_EQ(beeld.GetSize(), geval.wordt) << wat;
        EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_JPEG) << wat;
    }

    const float geenGetal = std::numeric_limits<float>::quiet_NaN();
    struct Factor
    {
        float factor;
        int resultaat;
        int zijde;
    };
    for (const Factor& geval : {Factor{0.5f, 0, 2}, Factor{1.0f, 0, 3}, Factor{2.0f, 0, 6}, Factor{0.1f, 2, 3},
                                Factor{-1.0f, 2, 3}, Factor{geenGetal, 2, 3}})
    {
        wxImage beeld = maakBeeld(3, 3);
        EXPECT_EQ(DesktopFunkties::herschaalAfbeelding(beeld, geval.factor), geval.resultaat) << geval.factor;
        EXPECT_EQ(beeld.GetSize(), wxSize(geval.zijde, geval.zijde)) << geval.factor;
    }
}
