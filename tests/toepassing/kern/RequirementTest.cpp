// One requirement as a record, and the exchange file that carries it from
// one project to another.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/kern/RequirementHulp.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <gtest/gtest.h>
#include <map>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
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
