// One requirement to and from an exchange file, through real files.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"
#include "toepassing/eigenschappen/BestandsVoorstel.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace
{
Requirement metLinks()
{
    Requirement rek = bekendeRequirement();
    rek.beschrijving = alsRijk("Stops the car.");
    rek.status = Requirement::StatusKlaar;
    rek.SR_ouder = 7;
    rek.SR_gerelateerd = 9;
    return rek;
}
} // namespace

TEST_F(DialoogTest, ExportEnImportNemenHetHeleRequirementMee)
{
    VraagBeantwoorder vragen;
    const Requirement rek = metLinks();
    RekEigenschappenVenster& bron = open(rek);
    vragen.kies(testPad("brake"));
    klik(bron, RekEigenschappenVenster::ID_EXPORTEERREK);
    ASSERT_TRUE(wxFileExists(testPad("brake.vtdl")));
    EXPECT_FALSE(bron.isGewijzigd());
    const VraagBeantwoorder::Gevraagd& opslaan = vragen.geefVragen()[0];
    EXPECT_EQ(opslaan.bericht, "Select the path for storing a backup copy of this requirement");
    EXPECT_TRUE(opslaan.stijl & wxFD_SAVE);

    // Into a new requirement's dialog: nothing was changed there, so no
    // question; afterwards it counts as changed, and the next file dialog
    // opens in the folder just used.
    RekEigenschappenVenster& doel = open(Requirement());
    vragen.kies(testPad("brake.vtdl"));
    klik(doel, RekEigenschappenVenster::ID_IMPORTEERREK);
    EXPECT_EQ(alsTekst(doel.leesVelden()), alsTekst(rek));
    EXPECT_EQ(statusKeuze(doel).GetSelection(), Requirement::StatusKlaar);
    EXPECT_TRUE(doel.isGewijzigd());
    EXPECT_EQ(vragen.geefVragen()[1].voorstel, wxString::FromUTF8(testMap().string()));
    EXPECT_EQ(vragen.geefVragen()[1].bericht, "Select the path of the import copy of this requirement");
    EXPECT_EQ(app->geefLaatsteAppDataDir(wxString()).GetPath(), wxString::FromUTF8(testMap().string()));
}

TEST_F(DialoogTest, ExportStelEenSchoneNaamVoorEnVraagtVoorHetVervangen)
{
    struct Naam
    {
        const char* titel;
        const char* voorstel;
    };
    // Blanks, "&", "%" and folder separators replaced; cut at 24 characters,
    // never between a letter and its accent.
    const Naam namen[] = {{"Brake & pedal 100%", "Brake__and__pedal_100_pe"},
                          {"Pump/valve\\seal", "Pump_valve_seal"},
                          {"Caf\xC3\xA9 ordering", "Caf\xC3\xA9_ordering"},
                          {"abcdefghijklmnopqrstuvwe\xCC\x81x", "abcdefghijklmnopqrstuvw"}};
    for (const Naam& naam : namen)
        EXPECT_EQ(BestandsVoorstel::maakKorteNaam(wxString::FromUTF8(naam.titel)), wxString::FromUTF8(naam.voorstel))
            << naam.titel;

    VraagBeantwoorder vragen;
    Requirement rek = metLinks();
    rek.naam = "Brake & pedal";
    RekEigenschappenVenster& d = open(rek);
    const wxString pad = testPad("pedal.vtdl");
    ASSERT_TRUE(wxFFile(pad, "w").Write("old"));

    vragen.kies(pad);
    vragen.antwoord(wxNO);
    klik(d, RekEigenschappenVenster::ID_EXPORTEERREK);
    EXPECT_EQ(vragen.geefVragen()[0].voorstel, app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME));
    EXPECT_TRUE(vragen.isGevraagd("already exists.\nDo you want to replace it?"));
    EXPECT_EQ(leesBestand(pad), "old");

    vragen.kies(testPad("pedal"));
    vragen.antwoord(wxYES);
    klik(d, RekEigenschappenVenster::ID_EXPORTEERREK);
    EXPECT_TRUE(leesBestand(pad).Contains("Brake & pedal"));
}

TEST_F(DialoogTest, ExportMeldtEenBestandDatNietGeschrevenKanWorden)
{
    VraagBeantwoorder vragen;
    RekEigenschappenVenster& d = open(metLinks());
    vragen.kies(testPad("missing/folder/brake.vtdl"));
    klik(d, RekEigenschappenVenster::ID_EXPORTEERREK);
    EXPECT_TRUE(logVanger().bevat("The requirement could not be written to this file:", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_NE(app->geefLaatsteAppDataDir(wxString()).GetPath(), testPad("missing/folder"));
}

// Import asks before it replaces anything the user changed, whichever field
// it was, and reports a file it cannot read.
TEST_F(DialoogTest, ImportVraagtEerstEnMeldtEenOnleesbaarBestand)
{
    VraagBeantwoorder vragen;
    const wxString pad = testPad("valve.vtdl");
    Requirement ander = metLinks();
    ander.naam = "Valve seal";
    ASSERT_EQ(ander.bewaarOpDisk(wxFileName(pad)), 0);

    Requirement rek;
    rek.naam = "";
    RekEigenschappenVenster& d = open(rek);
    typ(versieTekst(d), "3.1");
    vragen.antwoord(wxNO);
    klik(d, RekEigenschappenVenster::ID_IMPORTEERREK);
    EXPECT_TRUE(vragen.isGevraagd("This requirement is not empty and it contains unsaved data."));
    EXPECT_EQ(versieTekst(d).GetValue(), "3.1");

    vragen.antwoord(wxYES);
    vragen.kies(testPad("nothing-here.vtdl"));
    klik(d, RekEigenschappenVenster::ID_IMPORTEERREK);
    EXPECT_TRUE(logVanger().bevat("The requirement could not be read from this file:", wxLOG_Error));
    EXPECT_EQ(versieTekst(d).GetValue(), "3.1");
    EXPECT_TRUE(d.isGewijzigd());

    vragen.antwoord(wxYES);
    vragen.kies(pad);
    klik(d, RekEigenschappenVenster::ID_IMPORTEERREK);
    EXPECT_EQ(naamTekst(d).GetValue(), "Valve seal");
    EXPECT_EQ(d.leesVelden().SR_gerelateerd, 9);
}
