// Text from outside the program as it can show it: what cannot be decoded
// becomes U+FFFD, one for each piece that no UTF-8 reader could take in,
// and an assertion of the toolkit is reported, not the end of the program.
#include "swexternals/desktop/ToonbareTekst.h"

#include "swexternals/desktop/AssertMelder.h"
#include "swexternals/desktop/ToonbareTekstDataObjekt.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/debug.h>

namespace
{
// The code points of a text, "U+XXXX" each, for a readable failure.
std::string codes(const wxString& tekst)
{
    std::string uit;
    for (const wxUniChar teken : tekst)
        uit += (uit.empty() ? "" : " ") + wxString::Format("%X", teken.GetValue()).utf8_string();
    return uit;
}

struct Geval
{
    std::string bytes;
    std::string verwacht;
};

// The bytes, with '?' in the expected text standing for U+FFFD.
const std::vector<Geval> gevallen = {
    {"Title", "Title"},
    {"", ""},
    {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
    {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
    // Beyond U+10FFFF: the lead byte cannot begin it, the rest are strays.
    {"Title \xF4\x95\xBA\x9E", "Title ????"},
    {"\xF5\x80\x80\x80", "????"},
    // Cut short, by the end or by the next character.
    {"Ti\xC3tle", "Ti?tle"},
    {"\xE2\x82", "?"},
    {"\xF0\x9F\x98 x", "? x"},
    {"\xE2\x82\xE2\x82\xAC", "?\xE2\x82\xAC"},
    // Overlong, a surrogate, a byte no UTF-8 has, a stray continuation.
    {"\xC0\xAF", "??"},
    {"\xE0\x80\xAF", "???"},
    {"\xED\xA0\x80", "???"},
    {"\xFF\xFE", "??"},
    {"a\x80z", "a?z"},
    // A NUL, which no text of the program holds.
    {std::string("Nul\0x", 5), "Nul?x"},
};

wxString verwacht(const std::string& metVraagtekens)
{
    wxString tekst = wxString::FromUTF8(metVraagtekens);
    tekst.Replace("?", wxString(ToonbareTekst::vervanging));
    return tekst;
}
} // namespace

TEST(ToonbareTekst, WatGeenUTF8IsWordtEenVervangingsteken)
{
    for (const Geval& geval : gevallen)
    {
        const wxString tekst = ToonbareTekst::uitUTF8(geval.bytes.data(), geval.bytes.size());
        EXPECT_EQ(codes(tekst), codes(verwacht(geval.verwacht))) << geval.verwacht;
        EXPECT_TRUE(ToonbareTekst::isToonbaar(tekst)) << geval.verwacht;
    }
    // What the toolkit decoded itself: a code point beyond Unicode, a
    // surrogate and a NUL are replaced, the rest stays.
    wxString gedecodeerd = "a";
    for (const wxUint32 teken : {0x115E9Eu, 0xD800u, 0u, 0x10FFFFu})
        gedecodeerd.append(1, wxUniChar(teken));
    EXPECT_FALSE(ToonbareTekst::isToonbaar(gedecodeerd));
    EXPECT_EQ(codes(ToonbareTekst::maak(gedecodeerd)), "61 FFFD FFFD FFFD 10FFFF");
    EXPECT_EQ(ToonbareTekst::maak("plain"), "plain");
}

TEST(ToonbareTekst, TekstVanHetKlembordOfEenDropKrijgtVervangingstekens)
{
    const struct
    {
        std::string bytes;
        std::string verwacht;
    } drops[] = {
        {std::string("Title \xF4\x95\xBA\x9E\0", 11), "Title ????"}, {"Ti\xC3tle", "Ti?tle"}, {"Pump", "Pump"}};
    for (const auto& drop : drops)
    {
        ToonbareTekstDataObjekt data;
        ASSERT_TRUE(data.SetData(wxDataFormat(wxDF_UNICODETEXT), drop.bytes.size(), drop.bytes.data()));
        EXPECT_EQ(codes(data.GetText()), codes(verwacht(drop.verwacht))) << drop.verwacht;
    }
}

TEST(AssertMelder, EenAssertieWordtGemeldEnHetProgrammaGaatDoor)
{
    const wxAssertHandler_t vorige = wxSetAssertHandler(AssertMelder::meld);
    testing::internal::CaptureStderr();
    bool doorgegaan = false;
    wxFAIL_MSG(wxString("a code point ") + wxUniChar(0x115E9E) + " in the message");
    doorgegaan = true;
    const std::string gemeld = testing::internal::GetCapturedStderr();
    wxSetAssertHandler(vorige);
    EXPECT_TRUE(doorgegaan);
    EXPECT_NE(gemeld.find("wxWidgets assertion in"), std::string::npos) << gemeld;
    EXPECT_NE(gemeld.find("ToonbareTekstTest.cpp"), std::string::npos) << gemeld;
    EXPECT_NE(gemeld.find("a code point \xEF\xBF\xBD in the message"), std::string::npos) << gemeld;
}
