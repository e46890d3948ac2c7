#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <gtest/gtest.h>
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

void schrijfBestand(const wxFileName& pad, const wxString& inhoud)
{
    wxFFile uit(pad.GetFullPath(), "wb");
    uit.Write(inhoud, wxConvUTF8);
}

Requirement bekendeRequirement()
{
    Requirement rek;
    rek.naam = "Brake within 2 s";
    rek.auteur = "Ine";
    rek.SR = 12;
    rek.versie = "1.2.0";
    rek.prioriteit = 80;
    rek.totaleKosten = 1500;
    rek.beschrijving = "<rich>text</rich>";
    rek.implementatie = "ABS";
    rek.implementatieIngenieur = "Piet";
    rek.validatie_test = "Track test";
    rek.testLogboek = "ok";
    rek.testIngenieur = "Klaas";
    rek.externeRef = "/docs/brake.pdf";
    rek.kommentaar = "100% sure";
    rek.aftekenaar = "Jan";
    rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
    rek.SR_ouder = -1;
    rek.SR_gerelateerd = 7;
    rek.status = Requirement::StatusGetest;
    rek.type = Requirement::TypeSysteem;
    rek.funkType = Requirement::FunkTypePrestatie;
    rek.datum = wxDateTime(31, wxDateTime::Jan, 2024);
    return rek;
}

void verwachtGelijk(const Requirement& a, const Requirement& b)
{
    EXPECT_EQ(a.naam, b.naam);
    EXPECT_EQ(a.auteur, b.auteur);
    EXPECT_EQ(a.SR, b.SR);
    EXPECT_EQ(a.versie, b.versie);
    EXPECT_EQ(a.prioriteit, b.prioriteit);
    EXPECT_EQ(a.totaleKosten, b.totaleKosten);
    EXPECT_EQ(a.beschrijving, b.beschrijving);
    EXPECT_EQ(a.implementatie, b.implementatie);
    EXPECT_EQ(a.implementatieIngenieur, b.implementatieIngenieur);
    EXPECT_EQ(a.validatie_test, b.validatie_test);
    EXPECT_EQ(a.testLogboek, b.testLogboek);
    EXPECT_EQ(a.testIngenieur, b.testIngenieur);
    EXPECT_EQ(a.externeRef, b.externeRef);
    EXPECT_EQ(a.kommentaar, b.kommentaar);
    EXPECT_EQ(a.aftekenaar, b.aftekenaar);
    EXPECT_EQ(a.afgetekendDatum, b.afgetekendDatum);
    EXPECT_EQ(a.SR_ouder, b.SR_ouder);
    EXPECT_EQ(a.SR_gerelateerd, b.SR_gerelateerd);
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.funkType, b.funkType);
    EXPECT_EQ(a.datum, b.datum);
}
} // namespace

TEST(Requirement, NieuweRecordHeeftDeStandaardwaarden)
{
    const Requirement rek;
    EXPECT_EQ(rek.versie, "1.0.0");
    EXPECT_EQ(rek.prioriteit, 50u);
    EXPECT_EQ(rek.totaleKosten, 50u);
    EXPECT_EQ(rek.SR_ouder, -1);
    EXPECT_EQ(rek.SR_gerelateerd, -1);
    EXPECT_EQ(rek.status, Requirement::StatusOntwikkeling);
    EXPECT_EQ(rek.type, Requirement::TypeGebruiker);
    EXPECT_EQ(rek.funkType, Requirement::FunkTypeFunktioneel);
    EXPECT_EQ(rek.datum, wxDateTime::Today());
    EXPECT_EQ(rek.afgetekendDatum, wxDateTime::Today() + wxDateSpan::Year());
}

TEST(Requirement, VerhuizenLaatTekstenLeegEnGetallenStaan)
{
    Requirement bron = bekendeRequirement();
    Requirement doel;
    doel = std::move(bron);
    EXPECT_EQ(doel.naam, "Brake within 2 s");
    EXPECT_TRUE(bron.naam.empty());
    EXPECT_TRUE(bron.kommentaar.empty());
    EXPECT_EQ(bron.SR, 12);
    EXPECT_EQ(bron.datum, wxDateTime(31, wxDateTime::Jan, 2024));
}

TEST(RequirementLijst, BezitKopieenVanDeRecords)
{
    RequirementLijst lijst;
    Requirement rek = bekendeRequirement();
    lijst.Add(rek);
    rek.naam = "changed after Add";
    lijst.Add(rek);
    ASSERT_EQ(lijst.GetCount(), 2u);
    EXPECT_EQ(lijst[0].naam, "Brake within 2 s");
    EXPECT_EQ(lijst[1].naam, "changed after Add");
}

TEST(Uitwisselbestand, SchrijftDeBekendeVormByteVoorByte)
{
    const wxFileName pad = bestand("brake.txt");
    ASSERT_EQ(bekendeRequirement().bewaarOpDisk(pad), 0);
    EXPECT_EQ(leesBestand(pad), "<<##Brake within 2 s##>><<##Ine##>><<##12##>><<##1.2.0##>><<##80##>><<##1500##>>"
                                "<<##<rich>text</rich>##>><<##ABS##>><<##Piet##>><<##Track test##>><<##ok##>>"
                                "<<##Klaas##>><<##/docs/brake.pdf##>><<##100% sure##>><<##Jan##>><<##2025-03-01##>>"
                                "<<##-1##>><<##7##>><<##3##>><<##2##>><<##1##>><<##2024-01-31##>>");

    Requirement terug(pad);
    verwachtGelijk(terug, bekendeRequirement());
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
    verwachtGelijk(Requirement(pad), rek);
}

TEST(Uitwisselbestand, BestandenVanAnderenBlijvenLeesbaar)
{
    struct Geval
    {
        const char* beschrijving;
        wxString inhoud;
        wxString beschrijvingsVeld;
        wxString kommentaar;
    };
    wxString velden;
    for (int i = 0; i < 22; ++i)
        velden += "<<##" + wxString::Format("%d", i) + "##>>";

    const wxString crlf = "<<##n##>><<##a##>><<##1##>><<##v##>><<##1##>><<##1##>><<##one\r\ntwo\rthree##>>"
                          "<<##i##>><<##e##>><<##t##>><<##l##>><<##e##>><<##r##>><<##c##>><<##s##>><<##2025-01-01##>>"
                          "<<##-1##>><<##-1##>><<##0##>><<##1##>><<##0##>><<##2024-05-06##>>";
    // The old writer put an end marker inside a text unescaped: that text is
    // cut there, the rest up to the next field is dropped, later fields stay.
    const wxString afgekapt = "<<##n##>><<##a##>><<##1##>><<##v##>><<##1##>><<##1##>><<##b##>><<##i##>><<##e##>>"
                              "<<##t##>><<##l##>><<##e##>><<##r##>><<##cut##>>lost<<##s##>><<##2025-01-01##>>"
                              "<<##-1##>><<##-1##>><<##0##>><<##1##>><<##0##>><<##2024-05-06##>>";
    for (const Geval& geval : {Geval{"CR LF and CR line ends", crlf, "one\ntwo\nthree", "c"},
                               Geval{"an end marker in a text", afgekapt, "b", "cut"},
                               Geval{"more than 22 fields", velden + "<<##extra##>>", "6", "13"}})
    {
        const wxFileName pad = bestand("ander.txt");
        schrijfBestand(pad, geval.inhoud);
        Requirement rek;
        ASSERT_EQ(rek.leesVanDisk(pad), 0) << geval.beschrijving;
        EXPECT_EQ(rek.beschrijving, geval.beschrijvingsVeld) << geval.beschrijving;
        EXPECT_EQ(rek.kommentaar, geval.kommentaar) << geval.beschrijving;
    }
}

TEST(Uitwisselbestand, OnleesbaarOfOnvolledigLaatDeRecordOngemoeid)
{
    const Requirement voor = bekendeRequirement();
    for (const wxString& inhoud : {wxString(), wxString("<<##only##>><<##two##>>"), wxString("no markers")})
    {
        const wxFileName pad = bestand("kort.txt");
        schrijfBestand(pad, inhoud);
        Requirement rek = voor;
        EXPECT_EQ(rek.leesVanDisk(pad), 2);
        verwachtGelijk(rek, voor);
    }
    Requirement rek = voor;
    EXPECT_EQ(rek.leesVanDisk(bestand("missing/none.txt")), 2);
    EXPECT_EQ(voor.bewaarOpDisk(bestand("missing/none.txt")), 2);
    EXPECT_EQ(Requirement(bestand("missing/none.txt")).naam, "");
    // The callers report a failure in their own words; no stray message from here.
    EXPECT_TRUE(logVanger().geefRegels().empty()) << logVanger().geefAlles();
}

TEST(Uitwisselbestand, OngeldigGetalWordtNulEnGemeld)
{
    wxString inhoud;
    for (int i = 0; i < 22; ++i)
        inhoud += "<<##" + wxString(i == 2 ? "twelve" : i == 15 ? "not a date" : "0") + "##>>";
    const wxFileName pad = bestand("fout.txt");
    schrijfBestand(pad, inhoud);
    Requirement rek = bekendeRequirement();
    ASSERT_EQ(rek.leesVanDisk(pad), 0);
    EXPECT_EQ(rek.SR, 0);
    EXPECT_TRUE(logVanger().bevat("twelve", wxLOG_Error));
    EXPECT_EQ(rek.afgetekendDatum, bekendeRequirement().afgetekendDatum);
}
