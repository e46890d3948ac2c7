#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using F = DesktopFunkties;
using Velden = std::vector<std::string>;

Velden lees(const wxString& tekst, unsigned long long max = 0, const wxString& begin = "<<##",
            const wxString& eind = "##>>")
{
    Velden velden;
    for (const wxString& veld : F::leesVerzamelingMarkers(tekst, max, begin, eind))
        velden.push_back(veld.utf8_string());
    return velden;
}
} // namespace

TEST(TekstHulp, QuotesEnHakenZettenBlankenBuitenDeTekens)
{
    const std::vector<std::pair<wxString, wxString>> gevallen = {
        {F::enkeleQuotes("abc", true), " 'abc' "},
        {F::dubbeleQuotes(""), "\"\""},
        {F::dubbeleQuotes("", true), " \"\" "},
        {F::blokhaken("abc", true), " [abc] "},
        {F::vrr(3), "\n\n\n"},
        {F::vrr(0), ""},
        {F::kommentaar("abc", true), "// abc"},
        {F::kommentaar("abc", false), "/* abc */"},
        {F::maakWildCard("txt", "Text files"), "Text files (*.txt) |*.txt"},
    };
    for (const auto& [uitkomst, verwacht] : gevallen)
        EXPECT_EQ(uitkomst, verwacht);
}

TEST(TekstHulp, EenUitwisselingsbestandLeestVeldVoorVeldTerug)
{
    // Fields written with the markers come back in order, empty ones included.
    wxString bestand;
    const Velden velden = {"Title", "", "line one\nline two", ">>abc", "Straße €"};
    for (const std::string& veld : velden)
        bestand += F::plaatsMarkers(wxString::FromUTF8(veld), "<<##", "##>>");
    EXPECT_EQ(F::plaatsMarkers("", "<<##", "##>>"), "<<####>>");
    EXPECT_EQ(lees(bestand), velden);

    // Text around and between the fields is ignored; a limit stops early.
    EXPECT_EQ(lees("x<<##a##>>y<<##b##>>z"), Velden({"a", "b"}));
    EXPECT_EQ(lees("x<<##a##>>y<<##b##>>z", 1), Velden({"a"}));
    // A begin marker with no end behind it ends the scan.
    EXPECT_EQ(lees("<<##a##>><<##b"), Velden({"a"}));
    // A begin marker inside a field is part of it; an end marker cuts it short.
    EXPECT_EQ(lees("<<##a<<##b##>>"), Velden({"a<<##b"}));
    EXPECT_EQ(lees("<<##a##>>b##>>"), Velden({"a"}));
    EXPECT_TRUE(lees("no markers at all").empty());
    // Empty markers give nothing instead of an endless scan.
    EXPECT_TRUE(lees("abc", 0, "", "").empty());
    EXPECT_TRUE(lees("abc", 0, "a", "").empty());
}

TEST(TekstHulp, NamenWordenBruikbaarAlsBestandsnaamEnTekstenGaanOngeschondenInDeLog)
{
    EXPECT_EQ(F::maakSchoonPadNaam("a b*c?d&e%f"), "a_b_star_c_qm_d_and_e_percent_f");
    EXPECT_EQ(F::maakSchoonPadNaam("map/sub:naam"), "map/sub:naam");
    EXPECT_EQ(F::maakSchoonPrintNaam("100%"), "100%%");
    EXPECT_EQ(F::maakSchoonPrintNaam("%d%s"), "%%d%%s");
    EXPECT_EQ(F::verwijderNietAlfaNumeriek("a<b>c"), "abc");
    EXPECT_EQ(F::verwijderNietAlfaNumeriek("!@#$%^&*(),.`~<>?/:;\"\\|{}[]="), "");
    const wxString behouden = wxString::FromUTF8("it's 1+1\tok-é_€ x-y_z");
    EXPECT_EQ(F::verwijderNietAlfaNumeriek(behouden), behouden);

    F::wxErrorVeilig("Disk 100% full: %s %d");
    F::wxWaarschuwingVeilig("50% done");
    F::wxLogVeilig("select * from x where a like '%b%'");
    ASSERT_EQ(logVanger().geefRegels().size(), 2u) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefRegels()[0].tekst, "Disk 100% full: %s %d");
    EXPECT_EQ(logVanger().geefRegels()[0].niveau, wxLOG_Error);
    EXPECT_EQ(logVanger().geefRegels()[1].tekst, "50% done");
    EXPECT_EQ(logVanger().geefRegels()[1].niveau, wxLOG_Warning);
}
