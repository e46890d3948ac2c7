// One requirement as a record, and the exchange file that carries it from
// one project to another.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/RequirementHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/Waakhond.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <gtest/gtest.h>
#include <map>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>

namespace
{
wxFileName bestand(const char* naam)
{
    return wxFileName(wxString(testMap().string()) + "/" + naam);
}

wxString leesBestand(const wxFileName& pad)
{
    wxString inhoud;
    wxFFile(pad.GetFullPath(), "rb").ReadAll(&inhoud, wxConvUTF8);
    return inhoud;
}

wxFileName schrijfBestand(const wxString& inhoud)
{
    const wxFileName pad = bestand("ander.txt");
    wxFFile(pad.GetFullPath(), "wb").Write(inhoud, wxConvUTF8);
    return pad;
}

// A file of another writer: fields holding their own position, some
// replaced.
wxString velden(std::map<int, wxString> anders = {}, int aantal = 22)
{
    wxString inhoud;
    for (int i = 0; i < aantal; ++i)
        inhoud += "<<##" + (anders.count(i) ? anders[i] : wxString::Format("%d", i)) + "##>>";
    return inhoud;
}
} // namespace

TEST(Requirement, VerhuizenNeemtAllesMee)
{
    Requirement bron = bekendeRequirement();
    bron.werkVerricht = 12.5f;
    Requirement doel;
    doel = std::move(bron);
    EXPECT_EQ(alsTekst(doel), alsTekst(bekendeRequirement()));
    EXPECT_EQ(doel.werkVerricht, 12.5f);
}

TEST(Uitwisselbestand, SchrijftDeBekendeVormByteVoorByteEnLeestHemHeelTerug)
{
    const wxFileName pad = bestand("brake.txt");
    ASSERT_EQ(bekendeRequirement().bewaarOpDisk(pad), 0);
    EXPECT_EQ(leesBestand(pad), "<<##O'Brien's 100% brake##>><<##Ine##>><<##12##>><<##1.2.0##>><<##80##>><<##1500##>>"
                                "<<##<rich>text</rich>##>><<##ABS##>><<##Piet##>><<##Track test##>><<##ok##>>"
                                "<<##Klaas##>><<##/docs/brake.pdf##>><<##100% sure##>><<##Jan##>><<##2025-03-01##>>"
                                "<<##-1##>><<##7##>><<##3##>><<##2##>><<##1##>><<##2024-01-31##>>");
    EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(bekendeRequirement()));
}

TEST(Uitwisselbestand, TekstenMetMarkersEnRegeleindenKomenHeelTerug)
{
    Requirement rek = bekendeRequirement();
    rek.naam = "Quote ' and \"percent\" 100% ü";
    rek.beschrijving = "line one\nline two";
    rek.kommentaar = "a <<## begin marker inside";
    rek.testLogboek = "an end marker ##>> inside, and ### hashes #";
    rek.implementatie = wxString(wxUniChar(0x1b)) + "starts with escape";
    const wxFileName pad = bestand("markers.txt");
    ASSERT_EQ(rek.bewaarOpDisk(pad), 0);
    EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(rek));
}

TEST(Uitwisselbestand, BestandenVanAnderenBlijvenLeesbaar)
{
    const struct
    {
        const char* geval;
        wxString inhoud;
        const char* beschrijving;
        const char* kommentaar;
    } gevallen[] = {
        {"CR LF and CR line ends", velden({{6, "one\r\ntwo\rthree"}}), "one\ntwo\nthree", "13"},
        // The old writer put an end marker inside a text unescaped: that text
        // is cut there, the rest up to the next field dropped, later fields stay.
        {"an end marker in a text", velden({{13, "cut##>>lost"}}), "6", "cut"},
        {"more than 22 fields", velden() + "<<##extra##>>", "6", "13"},
    };
    for (const auto& geval : gevallen)
    {
        Requirement rek;
        ASSERT_EQ(rek.leesVanDisk(schrijfBestand(geval.inhoud)), 0) << geval.geval;
        EXPECT_EQ(rek.beschrijving, geval.beschrijving) << geval.geval;
        EXPECT_EQ(rek.kommentaar, geval.kommentaar) << geval.geval;
        EXPECT_EQ(rek.testIngenieur, "11") << geval.geval;
    }
}

// A status, type or functional type beyond the known ones is kept as it
// is, read and written, and shown as its number.
TEST(Uitwisselbestand, OnbekendeStatusTypeEnSoortBlijvenZoalsZeZijn)
{
    Requirement rek;
    ASSERT_EQ(rek.leesVanDisk(schrijfBestand(velden({{18, "9"}, {19, "-1"}, {20, "4"}}))), 0);
    EXPECT_EQ(static_cast<int>(rek.status) * 100 + static_cast<int>(rek.type) * 10 + rek.funkType, 894);
    EXPECT_FALSE(Requirement::isBekend(rek.status) || Requirement::isBekend(rek.type) ||
                 Requirement::isBekend(rek.funkType));
    const wxFileName pad = bestand("onbekend.txt");
    ASSERT_EQ(rek.bewaarOpDisk(pad), 0);
    EXPECT_TRUE(leesBestand(pad).Contains("<<##9##>><<##-1##>><<##4##>>"));
    EXPECT_EQ(VerelTamsoApp::geefStatusAanduiding(rek.status), "9");
    EXPECT_EQ(VerelTamsoApp::geefStatusAanduiding(Requirement::Status(-1)), "-1");
    EXPECT_EQ(VerelTamsoApp::geefStatusAanduiding(Requirement::StatusGetest), "Tested");
    for (int waarde = -1; waarde <= 5; ++waarde)
        EXPECT_EQ(Requirement::isBekend(Requirement::Type(waarde)), waarde >= 0 && waarde <= 2) << waarde;
}

TEST(Uitwisselbestand, OnleesbaarOnvolledigOfNietTeSchrijvenIsEenFout)
{
    const Requirement voor = bekendeRequirement();
    for (const wxString& inhoud : {wxString(), velden({}, 21), wxString("no markers")})
    {
        Requirement rek = voor;
        EXPECT_EQ(rek.leesVanDisk(schrijfBestand(inhoud)), 2) << inhoud;
        EXPECT_EQ(alsTekst(rek), alsTekst(voor)) << inhoud;
    }
    Requirement rek = voor;
    EXPECT_EQ(rek.leesVanDisk(bestand("missing/none.txt")), 2);
    EXPECT_EQ(alsTekst(rek), alsTekst(voor));
    EXPECT_EQ(Requirement(bestand("missing/none.txt")).naam, "");
    EXPECT_EQ(voor.bewaarOpDisk(bestand("missing/none.txt")), 2);
    // No plain file: not written, and not replaced either.
    EXPECT_EQ(voor.bewaarOpDisk(wxFileName("/dev/full")), 2);
    EXPECT_TRUE(wxFileName::Exists("/dev/full", wxFILE_EXISTS_DEVICE));
    // The callers report a failure in their own words; no stray message from here.
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

// An export replaces the old file only when it is written whole: a disk
// that fills up half-way leaves the old file as it was, and no other.
TEST(Uitwisselbestand, EenMislukteExportLaatHetOudeBestandStaan)
{
    const wxFileName pad = bestand("export.txt");
    const wxFileName link = bestand("link.txt");
    ASSERT_EQ(bekendeRequirement().bewaarOpDisk(pad), 0);
    const wxString oud = leesBestand(pad);
    ASSERT_EQ(chmod(pad.GetFullPath().fn_str(), 0640), 0);
    ASSERT_EQ(symlink(pad.GetFullPath().fn_str(), link.GetFullPath().fn_str()), 0);
    Requirement groot = bekendeRequirement();
    groot.beschrijving = wxString('x', 100000);

    // Files of this process may not grow beyond 50,000 bytes.
    struct sigaction negeer = {};
    struct sigaction vorige = {};
    negeer.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &negeer, &vorige);
    rlimit grens = {};
    getrlimit(RLIMIT_FSIZE, &grens);
    const rlimit klein = {50000, grens.rlim_max};
    setrlimit(RLIMIT_FSIZE, &klein);
    const int vol = groot.bewaarOpDisk(pad);
    const int volViaLink = groot.bewaarOpDisk(link);
    setrlimit(RLIMIT_FSIZE, &grens);
    sigaction(SIGXFSZ, &vorige, nullptr);
    EXPECT_EQ(vol, 2);
    EXPECT_EQ(volViaLink, 2);
    EXPECT_TRUE(leesBestand(pad) == oud); // the text is too long to show

    // Written whole, through the link too: the new text in the old file's
    // place, with its permissions, the link still a link.
    ASSERT_EQ(groot.bewaarOpDisk(link), 0);
    EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(groot));
    EXPECT_TRUE(wxFileName::Exists(link.GetFullPath(), wxFILE_EXISTS_SYMLINK | wxFILE_EXISTS_NO_FOLLOW));
    struct stat status = {};
    ASSERT_EQ(stat(pad.GetFullPath().fn_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    // Nothing else is left in the folder.
    wxArrayString bestanden;
    wxDir::GetAllFiles(pad.GetPath(), &bestanden, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(bestanden.size(), 2u) << wxJoin(bestanden, ' ');
}

TEST(Uitwisselbestand, EenOngeldigGetalWordtNulEnGemeldEenOngeldigeDatumBlijftStaan)
{
    Requirement rek = bekendeRequirement();
    ASSERT_EQ(rek.leesVanDisk(schrijfBestand(velden({{2, "twelve"}, {15, "today"}}))), 0);
    EXPECT_EQ(rek.SR, 0);
    EXPECT_TRUE(logVanger().bevat("twelve", wxLOG_Error));
    EXPECT_EQ(rek.afgetekendDatum, bekendeRequirement().afgetekendDatum);
}

namespace
{
wxFileName schrijfBytes(const std::string& bytes)
{
    const wxFileName pad = bestand("bytes.txt");
    wxFFile(pad.GetFullPath(), "wb").Write(bytes.data(), bytes.size());
    return pad;
}

std::string alsUTF8(const wxString& tekst)
{
    const wxScopedCharBuffer utf8 = tekst.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

// The text in UTF-16 or UTF-32, little- or big-endian, with its byte-order mark.
std::string kodeer(const std::u32string& tekst, int breedte, bool grootEind)
{
    std::vector<uint32_t> eenheden;
    for (const char32_t teken : tekst)
    {
        if (breedte == 2 && teken > 0xFFFF)
        {
            eenheden.push_back(0xD800 + ((teken - 0x10000) >> 10));
            eenheden.push_back(0xDC00 + ((teken - 0x10000) & 0x3FF));
        }
        else
            eenheden.push_back(teken);
    }
    eenheden.insert(eenheden.begin(), 0xFEFF);
    std::string bytes;
    for (const uint32_t eenheid : eenheden)
        for (int i = 0; i < breedte; ++i)
            bytes += static_cast<char>(eenheid >> (8 * (grootEind ? breedte - 1 - i : i)));
    return bytes;
}

std::u32string alsU32(const wxString& tekst)
{
    std::u32string uit;
    for (const wxUniChar teken : tekst)
        uit += static_cast<char32_t>(teken.GetValue());
    return uit;
}
} // namespace

// Every byte-order mark the reader knows, and UTF-8 without one: a title
// beyond the first plane comes back whole.
TEST(Uitwisselbestand, ElkeKoderingMetBytevolgordetekenWordtGelezen)
{
    const wxString titel = wxString::FromUTF8("Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC \xF0\x9F\x9A\x80");
    const std::u32string inhoud = alsU32(velden({{0, titel}}));
    const struct
    {
        const char* geval;
        std::string bytes;
    } gevallen[] = {{"UTF-8", alsUTF8(velden({{0, titel}}))},
                    {"UTF-8 with its mark", "\xEF\xBB\xBF" + alsUTF8(velden({{0, titel}}))},
                    {"UTF-16LE", kodeer(inhoud, 2, false)},
                    {"UTF-16BE", kodeer(inhoud, 2, true)},
                    {"UTF-32LE", kodeer(inhoud, 4, false)},
                    {"UTF-32BE", kodeer(inhoud, 4, true)}};
    for (const auto& geval : gevallen)
    {
        Requirement rek;
        EXPECT_EQ(rek.leesVanDisk(schrijfBytes(geval.bytes)), 0) << geval.geval;
        EXPECT_EQ(rek.naam, titel) << geval.geval;
        EXPECT_EQ(rek.testIngenieur, "11") << geval.geval;
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// Text that is not what its mark says, or that holds a NUL, is refused
// whole with a message: the reader neither loops nor reads half of it, and
// a NUL never turns into a line break.
TEST(Uitwisselbestand, TekstDieNietTeLezenIsWordtGeweigerdMetEenMelding)
{
    const std::string negen(9, 'b');
    const struct
    {
        const char* geval;
        std::string bytes;
        const char* melding;
    } gevallen[] = {
        {"UTF-8 mark, then no UTF-8", "\xEF\xBB\xBF\xF9" + negen, "is not valid text"},
        {"UTF-16LE mark, then half a pair", std::string("\xFF\xFE\x00\xD8", 4) + negen, "is not valid text"},
        {"UTF-16BE mark, then half a pair", std::string("\xFE\xFF\xD8\x00", 4) + negen, "is not valid text"},
        {"UTF-16LE mark, odd length", std::string("\xFF\xFE\x41\x00\x42", 5), "is not valid text"},
        {"UTF-32LE mark, beyond U+10FFFF", std::string("\xFF\xFE\x00\x00\x00\x00\x11\x00", 8) + negen,
         "is not valid text"},
        {"UTF-8 mark, beyond U+10FFFF", "\xEF\xBB\xBF" + alsUTF8(velden({{0, "x"}})).insert(5, "\xF4\xA4\x90\x8C"),
         "is not valid text"},
        {"UTF-8 mark, a surrogate", "\xEF\xBB\xBF" + alsUTF8(velden({{0, "x"}})).insert(5, "\xED\xA0\x80"),
         "is not valid text"},
        {"a NUL in the title", alsUTF8(velden({{0, "x"}})).insert(5, std::string(1, '\0')), "NUL"},
    };
    const Requirement voor = bekendeRequirement();
    for (const auto& geval : gevallen)
    {
        logVanger().wis();
        Requirement rek = voor;
        const wxFileName pad = schrijfBytes(geval.bytes);
        {
            Waakhond waakhond(geval.geval);
            EXPECT_EQ(rek.leesVanDisk(pad), 2) << geval.geval;
        }
        EXPECT_EQ(alsTekst(rek), alsTekst(voor)) << geval.geval;
        EXPECT_TRUE(logVanger().bevat(pad.GetFullPath(), wxLOG_Error) && logVanger().bevat(geval.melding, wxLOG_Error))
            << geval.geval << ": " << logVanger().geefAlles();
    }
}

// Without a mark, bytes that are no UTF-8 are read as single-byte text, as
// files of other writers always were: a code point beyond Unicode never
// gets in, and what is read is written so that it reads back the same.
TEST(Uitwisselbestand, BytesZonderUTF8WordenEnkeleBytesEnKomenHeelTerug)
{
    Requirement rek;
    ASSERT_EQ(rek.leesVanDisk(schrijfBytes(alsUTF8(velden({{0, "x"}})).insert(5, "\xF4\xA4\x90\x8C"))), 0);
    EXPECT_EQ(alsU32(rek.naam), std::u32string(U"x\u00F4\u00A4\u0090\u008C"));
    const wxFileName pad = bestand("terug.txt");
    ASSERT_EQ(rek.bewaarOpDisk(pad), 0);
    EXPECT_EQ(alsTekst(Requirement(pad)), alsTekst(rek));
}

// A record that holds what no text file can carry is not written: the old
// file stays, and nothing half-written takes its place.
TEST(Uitwisselbestand, WatGeenTekstKanZijnWordtNietGeschreven)
{
    const wxFileName pad = bestand("oud.txt");
    ASSERT_EQ(bekendeRequirement().bewaarOpDisk(pad), 0);
    const wxString oud = leesBestand(pad);
    for (const wxUniChar teken : {wxUniChar(0x12440C), wxUniChar(0xD800), wxUniChar(0)})
    {
        Requirement rek = bekendeRequirement();
        rek.kommentaar += teken;
        EXPECT_EQ(rek.bewaarOpDisk(pad), 2) << teken.GetValue();
        EXPECT_TRUE(leesBestand(pad) == oud) << teken.GetValue();
    }
}
