// Images kept in memory (as in a database BLOB) and scaled for a text field.
#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <wx/buffer.h>
#include <wx/image.h>

namespace
{
// A picture with some detail, in the given format.
wxImage maakBeeld(int breedte, int hoogte, wxBitmapType type)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    wxImage beeld(breedte, hoogte);
    for (int y = 0; y < hoogte; ++y)
        for (int x = 0; x < breedte; ++x)
            beeld.SetRGB(x, y, static_cast<unsigned char>(x * 7), static_cast<unsigned char>(y * 5), 90);
    beeld.SetType(type);
    return beeld;
}

bool zelfdePixels(const wxImage& a, const wxImage& b)
{
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}
} // namespace

TEST(AfbeeldingInGeheugen, EenAfbeeldingGaatNaarDeBufferEnTerug)
{
    struct Geval
    {
        wxBitmapType type;
        wxBitmapType terug;
        bool waarschuwing;
    };
    for (const Geval& geval :
         {Geval{wxBITMAP_TYPE_PNG, wxBITMAP_TYPE_PNG, false}, Geval{wxBITMAP_TYPE_JPEG, wxBITMAP_TYPE_JPEG, false},
          Geval{wxBITMAP_TYPE_INVALID, wxBITMAP_TYPE_PNG, true}})
    {
        logVanger().wis();
        const wxImage beeld = maakBeeld(30, 20, geval.type);
        wxMemoryBuffer buffer;
        ASSERT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(beeld, buffer), 0) << geval.type;
        EXPECT_GT(buffer.GetDataLen(), 0u);
        // The caller's image keeps its type; the buffer is a whole file.
        EXPECT_EQ(beeld.GetType(), geval.type);
        EXPECT_EQ(logVanger().bevat("A conversion to PNG format was required.", wxLOG_Warning), geval.waarschuwing);

        wxImage terug;
        ASSERT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(buffer, terug), 0) << geval.type;
        EXPECT_EQ(terug.GetType(), geval.terug);
        EXPECT_EQ(terug.GetSize(), wxSize(30, 20));
        if (geval.terug == wxBITMAP_TYPE_PNG)
        {
            EXPECT_TRUE(zelfdePixels(beeld, terug));
        }
    }
}

TEST(AfbeeldingInGeheugen, WatGeenAfbeeldingIsWordtGeweigerd)
{
    wxMemoryBuffer buffer;
    buffer.AppendData("oud", 3);
    EXPECT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(wxImage(), buffer), 2);
    EXPECT_EQ(buffer.GetDataLen(), 3u);

    // A format no handler writes: nothing half-written is left.
    wxImage vreemd = maakBeeld(4, 4, wxBITMAP_TYPE_MACCURSOR);
    EXPECT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(vreemd, buffer), 2);
    EXPECT_EQ(buffer.GetDataLen(), 0u);
    EXPECT_TRUE(logVanger().bevat("Converting image to image buffer was not succesful.", wxLOG_Error));

    const wxImage bestaand = maakBeeld(5, 5, wxBITMAP_TYPE_PNG);
    wxImage doel = bestaand;
    EXPECT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(wxMemoryBuffer(), doel), 2);
    EXPECT_TRUE(doel.IsOk());
    EXPECT_EQ(doel.GetSize(), wxSize(5, 5));

    wxMemoryBuffer onzin;
    onzin.AppendData("geen afbeelding", 15);
    EXPECT_EQ(DesktopFunkties::kopieerBufferNaarBeeld(onzin, doel), 2);
    EXPECT_FALSE(doel.IsOk());
}

TEST(AfbeeldingSchalen, NaarEenMaat)
{
    struct Geval
    {
        wxSize gevraagd;
        bool alleenVerkleinen;
        int resultaat;
        wxSize wordt;
    };
    const Geval gevallen[] = {
        {{150, 0}, false, 0, {150, 100}},                                      // the height follows
        {{0, 50}, false, 0, {75, 50}},                                         // the width follows
        {{400, 100}, false, 0, {400, 100}}, {{400, 100}, true, 1, {300, 200}}, // taller than asked, not wider: left
                                                                               // alone
        {{150, 100}, true, 0, {150, 100}},  {{150, 0}, true, 0, {150, 100}},   {{0, 300}, true, 1, {300, 200}},
        {{600, 0}, false, 0, {600, 400}},   {{300, 200}, true, 0, {300, 200}}, // its own size
        {{0, 0}, false, 2, {300, 200}},     {{-10, 50}, false, 2, {300, 200}},
    };
    for (const Geval& geval : gevallen)
    {
        wxImage beeld = maakBeeld(300, 200, wxBITMAP_TYPE_JPEG);
        const int resultaat = DesktopFunkties::herschaalAfbeelding(beeld, geval.gevraagd, geval.alleenVerkleinen);
        const wxString wat = wxString::Format("%dx%d %d", geval.gevraagd.x, geval.gevraagd.y, geval.alleenVerkleinen);
        EXPECT_EQ(resultaat, geval.resultaat) << wat;
        EXPECT_EQ(beeld.GetSize(), geval.wordt) << wat;
        EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_JPEG) << wat;
    }

    // A side that would come out as nothing is refused; the image stays.
    wxImage smal = maakBeeld(1000, 1, wxBITMAP_TYPE_PNG);
    EXPECT_EQ(DesktopFunkties::herschaalAfbeelding(smal, wxSize(10, 0), false), 2);
    EXPECT_EQ(smal.GetSize(), wxSize(1000, 1));

    wxImage leeg;
    EXPECT_EQ(DesktopFunkties::herschaalAfbeelding(leeg, wxSize(10, 10), false), 2);
}

TEST(AfbeeldingSchalen, MetEenFactor)
{
    struct Geval
    {
        float factor;
        int resultaat;
        wxSize wordt;
    };
    const Geval gevallen[] = {
        {0.5f, 0, {2, 2}}, // 1.5 rounds away from zero
        {1.0f, 0, {3, 3}},
        {2.0f, 0, {6, 6}},
        {0.1f, 2, {3, 3}}, // 0.3 rounds to nothing
        {-1.0f, 2, {3, 3}},
        {std::numeric_limits<float>::quiet_NaN(), 2, {3, 3}},
        {std::numeric_limits<float>::infinity(), 2, {3, 3}},
    };
    for (const Geval& geval : gevallen)
    {
        wxImage beeld = maakBeeld(3, 3, wxBITMAP_TYPE_PNG);
        EXPECT_EQ(DesktopFunkties::herschaalAfbeelding(beeld, geval.factor), geval.resultaat) << geval.factor;
        EXPECT_EQ(beeld.GetSize(), geval.wordt) << geval.factor;
        EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_PNG) << geval.factor;
    }
}

TEST(AfbeeldingGrootte, InDuizendenBytes)
{
    const wxImage beeld = maakBeeld(200, 150, wxBITMAP_TYPE_PNG);
    wxMemoryBuffer buffer;
    ASSERT_EQ(DesktopFunkties::kopieerBeeldNaarBuffer(beeld, buffer), 0);
    unsigned int kiloBytes = 4711;
    EXPECT_EQ(DesktopFunkties::berekenAfbeeldingGrootte(beeld, kiloBytes), 0);
    EXPECT_EQ(kiloBytes, buffer.GetDataLen() / 1000);

    kiloBytes = 4711;
    EXPECT_EQ(DesktopFunkties::berekenAfbeeldingGrootte(wxImage(), kiloBytes), 2);
    EXPECT_EQ(kiloBytes, 4711u);
    EXPECT_TRUE(logVanger().bevat("The image format is unsupported", wxLOG_Error));

    EXPECT_EQ(DesktopFunkties::berekenAfbeeldingGrootte(maakBeeld(4, 4, wxBITMAP_TYPE_INVALID), kiloBytes), 2);
    EXPECT_EQ(kiloBytes, 0u);
    EXPECT_TRUE(logVanger().bevat("Error calculating the bitmap size.\nSetting the image in the collection is aborted.",
                                  wxLOG_Error));
}
