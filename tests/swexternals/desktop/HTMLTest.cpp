// Pieces of HTML pages as a printed page is put together.
#include "swexternals/desktop/TrivaneDesktopHTML.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>

namespace fs = std::filesystem;
namespace html = TrivaneDesktopHTML;

namespace
{
wxImage maakBeeld(int breedte, int hoogte)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    wxImage beeld(breedte, hoogte);
    beeld.SetRGB(wxRect(0, 0, breedte, hoogte), 200, 30, 30);
    return beeld;
}

wxString alsWx(const fs::path& pad)
{
    return wxString::FromUTF8(pad.string());
}
} // namespace

TEST(HTML, EenvoudigeStukken)
{
    wxString metNul = "abc";
    html::metBreek(metNul, 0);
    const std::pair<wxString, wxString> gevallen[] = {
        {html::mk("tr"), "<tr>\n"},
        {html::mk("b", "vet 100%"), "<b>vet 100%</b>\n"},
        {html::maakMetBreek("abc", 2), "abc<br><br>\n"},
        {metNul, "abc\n"},
        {html::tabelBegin("lijst"), "<table class=\"lijst\">\n"},
        {html::maakHoofdstuk(2, "abc"), "<h2>abc</h2>\n"},
        {html::elGrootte(wxSize(40, 30)), "height=30 width=40"},
        {html::tabelKolom("I.D"), "<th scope=\"col\">I.D</th>\n"},
        {html::tabelData("12"), "<td>12</td>\n"},
        {html::metFont("klein", 2), "<font size=\"2\">klein</font>"},
        {html::paragraaf("tekst", 12, "red", "#ffffff"),
         "<p style=\"font-size:12px;color:red;background-color:#ffffff\">tekst</p>\n"},
        {html::maakBladzijdeInfo("Titel"),
         "<!DOCTYPE html>\n<html lang=\"en_UK\">\n<head>\n <meta charset=\"UTF-8\">\n "
         "<title>Titel</title>\n"},
        {html::bodyBegin + html::bodyEind + html::eindeHeader, "<body>\n</body>\n</head>\n"},
        {html::tabelRijBegin + html::tabelRijEind + html::tabelEind, "<tr>\n</tr>\n</table>\n"},
        {enkeleQuotes("a") + dubbeleQuotes("b"), "'a'\"b\""},
    };
    for (const auto& geval : gevallen)
        EXPECT_EQ(geval.first, geval.second);
}

TEST(HTML, EenLinkKrijgtAltijdEenSchema)
{
    EXPECT_EQ(html::maakLink("www.trivane.nl", "Trivane", false), "<a href=\"http://www.trivane.nl\">Trivane</a>\n");
    EXPECT_EQ(html::maakLink("https://www.trivane.nl", "T", false), "<a href=\"https://www.trivane.nl\">T</a>\n");
    EXPECT_EQ(html::maakLink("http://a.b", "T", false), "<a href=\"http://a.b\">T</a>\n");
    // The scheme is compared as written.
    EXPECT_EQ(html::maakLink("HTTP://a.b", "T", false), "<a href=\"http://HTTP://a.b\">T</a>\n");
    EXPECT_EQ(html::maakLink("https://a.b", "T", true),
              "<a href=\"https://a.b\" target=\"_blank\" rel=\"noopener noreferrer\">T</a>\n");
}

TEST(HTML, FormulierElementen)
{
    EXPECT_EQ(html::maakInput("", "i1", html::doelSelf, html::typeCheckbox, "", "", "", "", ""),
              "<input  style=\"\" formtarget=\"_self\" type=\"checkbox\" id=\"i1\" >\n");
    EXPECT_EQ(html::maakInput("naam", "i2", html::doelTop, html::typeDatetimeLocal, "width:5em", "nu", " na",
                              "disabled", "kies()"),
              "<input name=\"naam\" style=\"width:5em\" formtarget=\"_top\" type=\"datetime-local\" id=\"i2\" "
              "value=\"nu\" onclick=\"kies()\" disabled> na\n");

    wxArrayString waarden;
    wxArrayString teksten;
    for (const char* w : {"a", "b", "c"})
        waarden.Add(w);
    teksten.Add("Een");
    teksten.Add("Twee");
    const wxString begin = "<select style=\"kort\" name=\"keuze\">\n";
    EXPECT_EQ(html::maakHTMLChoice("keuze", waarden, teksten, "kort", 0),
              begin + "<option value=\"a\" selected>Een</option>\n<option value=\"b\">Twee</option>\n"
                      "<option value=\"c\">c</option>\n</select>\n");
    // A chosen index beyond the options marks none; no style, no attribute.
    EXPECT_EQ(html::maakHTMLChoice("keuze", waarden, waarden, "", 3),
              "<select  name=\"keuze\">\n<option value=\"a\">a</option>\n<option value=\"b\">b</option>\n"
              "<option value=\"c\">c</option>\n</select>\n");
}

TEST(HTML, EenAfbeeldingInEenCelStaatNaastDePagina)
{
    const wxFileName bestand(alsWx(testMap()), L"Gr\u00fc\u00dfe (1).PNG");
    const wxString cel = html::tabelData(maakBeeld(8, 6), bestand, "plaatjes", wxSize(80, 60), 1);
    EXPECT_EQ(cel, "<td><img src=\"plaatjes/gruesse__1_.png\" alt=\"\" border=1 height=60 width=80></img></td>\n");
    const fs::path opgeslagen = testMap() / "gruesse__1_.png";
    ASSERT_TRUE(fs::exists(opgeslagen));
    EXPECT_EQ(wxImage(alsWx(opgeslagen)).GetSize(), wxSize(8, 6));

    // An image already there is kept.
    EXPECT_EQ(html::tabelData(maakBeeld(3, 3), bestand, "plaatjes", wxSize(80, 60), 1), cel);
    EXPECT_EQ(wxImage(alsWx(opgeslagen)).GetSize(), wxSize(8, 6));

    const wxFileName nergens(alsWx(testMap() / "bestaat-niet"), "x.png");
    EXPECT_EQ(html::tabelData(maakBeeld(3, 3), nergens, "p", wxSize(3, 3), 0), "");
}

TEST(HTML, EenAfbeeldingAlsLink)
{
    const wxString blok = html::plaatsAfbeeldingMetLink(maakBeeld(12, 7), "a/b(c)", "http://trivane.nl", "Logo");
    const wxString begin = "<a href=\"http://trivane.nl\"><img class=\"aligncenter\" src=\"file://";
    ASSERT_TRUE(blok.StartsWith(begin)) << blok;
    EXPECT_TRUE(blok.EndsWith(".png\" alt=\"Logo\" width=\"12\" height=\"7\"/></a>")) << blok;
    const wxString pad = blok.Mid(begin.length()).BeforeFirst('"');
    EXPECT_TRUE(wxFileName(pad).GetName().StartsWith("a_b_c_")) << pad;
    EXPECT_EQ(wxImage(pad, wxBITMAP_TYPE_PNG).GetSize(), wxSize(12, 7));
    // Only the picture is left in the temporary folder, no empty stub beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(testMap()), fs::directory_iterator()), 1);

    EXPECT_EQ(html::plaatsAfbeeldingMetLink(wxImage(), "x", "l", "a"), "");
    EXPECT_TRUE(logVanger().bevat("An error occurred when opening an embeddable HTML image.", wxLOG_Error));
}
