#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using Velden = std::vector<std::string>;

const wxString begin = "<<##";
const wxString eind = "##>>";

Velden lees(const wxString& tekst, unsigned long long max = 0)
{
    Velden velden;
    for (const wxString& veld : DesktopFunkties::leesVerzamelingMarkers(tekst, max, begin, eind))
        velden.push_back(veld.utf8_string());
    return velden;
}
} // namespace

TEST(TekstHulp, QuotesEnHakenZettenBlankenBuitenDeTekens)
{
    using F = DesktopFunkties;
    struct Geval
    {
        wxString uitkomst;
        wxString verwacht;
    };
    for (const Geval& geval : {
             Geval{F::enkeleQuotes("abc"), "'abc'"},
             Geval{F::eq("abc", true), " 'abc' "},
             Geval{F::dubbeleQuotes("abc"), "\"abc\""},
             Geval{F::dq("abc", true), " \"abc\" "},
             Geval{F::dubbeleQuotes(""), "\"\""},
             Geval{F::dubbeleQuotes("", true), " \"\" "},
             Geval{F::haken("abc"), "(abc)"},
             Geval{F::haken("abc", true), " (abc) "},
             Geval{F::blokhaken("abc"), "[abc]"},
             Geval{F::blokhaken("abc", true), " [abc] "},
             Geval{F::spaties("abc"), " abc "},
             Geval{F::omringMarkers("abc", "|"), "|abc|"},
             Geval{F::vrr(3), "\n\n\n"},
             Geval{F::vrr(0), ""},
             Geval{F::kommentaar("abc", true), "// abc"},
             Geval{F::kommentaar("abc", false), "/* abc */"},
             Geval{F::maakWildCard("txt", "Text files"), "Text files (*.txt) |*.txt"},
         })
        EXPECT_EQ(geval.uitkomst, geval.verwacht);
}

TEST(TekstHulp, EenUitwisselingsbestandLeestVeldVoorVeldTerug)
{
    // Fields written with the markers come back in order, empty ones included.
    wxString bestand;
    const Velden velden = {"Title", "", "line one\nline two", ">>abc", "Straße €"};
    for (const std::string& veld : velden)
        bestand += DesktopFunkties::plaatsMarkers(wxString::FromUTF8(veld), begin, eind);
    EXPECT_EQ(DesktopFunkties::plaatsMarkers("", begin, eind), "<<####>>");
    EXPECT_EQ(lees(bestand), velden);

    // Text around and between the fields is ignored; a limit stops early.
    const wxString tekst = "x<<##a##>>y<<##b##>>z";
    EXPECT_EQ(lees(tekst), Velden({"a", "b"}));
    EXPECT_EQ(lees(tekst, 1), Velden({"a"}));

    // A begin marker with no end behind it ends the scan.
    EXPECT_EQ(lees("<<##a##>><<##b"), Velden({"a"}));
    // A begin marker inside a field is part of it; an end marker cuts it short.
    EXPECT_EQ(lees("<<##a<<##b##>>"), Velden({"a<<##b"}));
    EXPECT_EQ(lees("<<##a##>>b##>>"), Velden({"a"}));
    EXPECT_TRUE(lees("").empty());
    EXPECT_TRUE(lees("no markers at all").empty());
}

TEST(TekstHulp, LegeMarkersLeverenNietsOpInPlaatsVanEindelozeLus)
{
    EXPECT_TRUE(DesktopFunkties::leesVerzamelingMarkers("abc", 0, "", "").empty());
    EXPECT_TRUE(DesktopFunkties::leesVerzamelingMarkers("abc", 0, "a", "").empty());
}

TEST(TekstHulp, NamenWordenBruikbaarAlsBestandsnaam)
{
    EXPECT_EQ(DesktopFunkties::maakSchoonPadNaam("a b*c?d&e%f"), "a_b_star_c_qm_d_and_e_percent_f");
    EXPECT_EQ(DesktopFunkties::maakSchoonPadNaam("map/sub:naam"), "map/sub:naam");
    EXPECT_EQ(DesktopFunkties::mspn("100%"), "100%%");
    EXPECT_EQ(DesktopFunkties::maakSchoonPrintNaam("%d%s"), "%%d%%s");
    EXPECT_EQ(DesktopFunkties::verwijderNietAlfaNumeriek("a<b>c"), "abc");
    EXPECT_EQ(DesktopFunkties::verwijderNietAlfaNumeriek("x-y_z"), "x-y_z");
    EXPECT_EQ(DesktopFunkties::verwijderNietAlfaNumeriek("!@#$%^&*(),.`~<>?/:;\"\\|{}[]="), "");
    const wxString behouden = wxString::FromUTF8("it's 1+1\tok-é_€");
    EXPECT_EQ(DesktopFunkties::verwijderNietAlfaNumeriek(behouden), behouden);
}

TEST(TekstHulp, KlaargemaakteTekstenGaanOngeschondenInDeLog)
{
    DesktopFunkties::wxErrorVeilig("Disk 100% full: %s %d");
    DesktopFunkties::wxWaarschuwingVeilig("50% done");
    DesktopFunkties::wxLogVeilig("select * from x where a like '%b%'");
    ASSERT_EQ(logVanger().geefRegels().size(), 2u) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefRegels()[0].tekst, "Disk 100% full: %s %d");
    EXPECT_EQ(logVanger().geefRegels()[0].niveau, wxLOG_Error);
    EXPECT_EQ(logVanger().geefRegels()[1].tekst, "50% done");
    EXPECT_EQ(logVanger().geefRegels()[1].niveau, wxLOG_Warning);
}
