// Fragments of HTML pages as a printed page is put together.
#include "swexternals/desktop/TrivaneDesktopHTML.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace fs = std::filesystem;
namespace html = TrivaneDesktopHTML;

TEST(HTML, TekstStukkenLinksEnFormulieren)
{
    wxString regel = "abc";
    html::metBreek(regel, 0);
    EXPECT_EQ(regel, "abc\n");
    EXPECT_EQ(html::maakMetBreek("abc", 2), "abc<br><br>\n");
    EXPECT_EQ(html::maakHoofdstuk(2, "abc"), "<h2>abc</h2>\n");
    EXPECT_EQ(html::mk("b", "100%"), "<b>100%</b>\n");

    // A link always gets a scheme; the scheme is compared as written.
    EXPECT_EQ(html::maakLink("www.trivane.nl", "T", false), "<a href=\"http://www.trivane.nl\">T</a>\n");
    EXPECT_EQ(html::maakLink("HTTP://a.b", "T", false), "<a href=\"http://HTTP://a.b\">T</a>\n");
    EXPECT_EQ(html::maakLink("https://a.b", "T", true),
              "<a href=\"https://a.b\" target=\"_blank\" rel=\"noopener noreferrer\">T</a>\n");

    EXPECT_EQ(html::maakInput("", "i1", html::doelSelf, html::typeDatetimeLocal, "", "", "", "", ""),
              "<input  style=\"\" formtarget=\"_self\" type=\"datetime-local\" id=\"i1\" >\n");
    const wxArrayString waarden = wxSplit("a,b", ',');
    const wxArrayString teksten = wxSplit("Een", ',');
    EXPECT_EQ(html::maakHTMLChoice("keuze", waarden, teksten, "kort", 0),
              "<select style=\"kort\" name=\"keuze\">\n<option value=\"a\" selected>Een</option>\n"
              "<option value=\"b\">b</option>\n</select>\n");
    EXPECT_EQ(html::maakHTMLChoice("keuze", waarden, waarden, "", 2),
              "<select  name=\"keuze\">\n<option value=\"a\">a</option>\n<option value=\"b\">b</option>\n</select>\n");
}

TEST(HTML, EenAfbeeldingInEenCelStaatNaastDePagina)
{
    const wxFileName bestand(alsWx(testMap()), L"Gr\u00fc\u00dfe (1).PNG");
    const wxString cel = html::tabelData(maakBeeld(8, 6), bestand, "plaatjes", wxSize(80, 60), 1);
    EXPECT_EQ(cel, "<td><img src=\"plaatjes/gruesse__1_.png\" alt=\"\" border=1 height=60 width=80></img></td>\n");
    const wxString opgeslagen = alsWx(testMap() / "gruesse__1_.png");
    EXPECT_EQ(wxImage(opgeslagen).GetSize(), wxSize(8, 6));
    // An image already there is kept; one that cannot be written gives no cell.
    EXPECT_EQ(html::tabelData(maakBeeld(3, 3), bestand, "plaatjes", wxSize(80, 60), 1), cel);
    EXPECT_EQ(wxImage(opgeslagen).GetSize(), wxSize(8, 6));
    EXPECT_EQ(html::tabelData(maakBeeld(3, 3), wxFileName(alsWx(testMap() / "nergens"), "x.png"), "p", {}, 0), "");
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
    // No empty stub of the temporary name is left beside the picture.
    EXPECT_EQ(std::distance(fs::directory_iterator(testMap()), fs::directory_iterator()), 1);

    EXPECT_EQ(html::plaatsAfbeeldingMetLink(wxImage(), "x", "l", "a"), "");
    EXPECT_TRUE(logVanger().bevat("An error occurred when opening an embeddable HTML image.", wxLOG_Error));
}
