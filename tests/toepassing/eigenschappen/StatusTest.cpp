// The status rules: what each level lets change, how the toggles, the status
// choice and the sign-off button move the level, and the check of what a new
// level needs.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <wx/statbmp.h>

namespace
{
Requirement opNiveau(Requirement::Status status)
{
    Requirement rek;
    rek.naam = "Brake";
    rek.SR = 5;
    rek.status = status;
    return rek;
}

// The state of the dialog that the level decides, as one text.
wxString staat(RekEigenschappenVenster& d)
{
    wxString tekst;
    for (wxBitmapToggleButton* knop : {&auteurStatusKnop(d), &implementatieStatusKnop(d), &testStatusKnop(d)})
        tekst << (knop->GetValue() ? "v" : "-");
    tekst << " ";
    for (wxRichTextCtrl* rijk : {&beschrijvingRijk(d), &implementatieRijk(d), &validatieRijk(d), &testLogboekRijk(d)})
        tekst << (rijk->IsEditable() ? "e" : "-");
    tekst << " " << (d.FindWindow(RekEigenschappenVenster::ID_AFGETEKENDVLAG)->IsShown() ? "klaar" : "open");
    return tekst;
}

// Which controls the update handlers enable, as one text.
wxString ingeschakeld(RekEigenschappenVenster& d)
{
    const int ids[] = {RekEigenschappenVenster::ID_REKTITEL,
                       RekEigenschappenVenster::ID_REKDATUM,
                       RekEigenschappenVenster::ID_REKNUMMER,
                       RekEigenschappenVenster::ID_AUTEURKEUZE,
                       RekEigenschappenVenster::ID_REKEIGENSCHAPPENSTATUS,
                       RekEigenschappenVenster::ID_IMPLEMENTATIEINGENIEURKEUZE,
                       RekEigenschappenVenster::ID_REKIMPLEMENTATIESTATUS,
                       RekEigenschappenVenster::ID_TESTINGENIEURKEUZE,
                       RekEigenschappenVenster::ID_REKTESTSTATUS,
                       RekEigenschappenVenster::ID_REKAFTEKENNAAM,
                       RekEigenschappenVenster::ID_REKAFTEKENKNOP,
                       RekEigenschappenVenster::ID_REKSTATUS,
                       RekEigenschappenVenster::ID_REKKOMMENTAAR};
    wxString tekst;
    for (int id : ids)
        tekst << (isControlIngeschakeld(d, id) ? "1" : "0");
    return tekst;
}
} // namespace

TEST_F(DialoogTest, ElkNiveauZijnToetsenVeldenEnVlag)
{
    struct Geval
    {
        Requirement::Status status;
        const char* staat;
        const char* ingeschakeld;
    };
    // title, date, I.D, analyst, analyst toggle, engineer, engineer toggle,
    // tester, tester toggle, sign-off name, sign-off button, status, remarks
    const Geval gevallen[] = {
        {Requirement::StatusOntwikkeling, "--- e--- open", "1111100000011"},
        {Requirement::StatusGedefinieerd, "v-- -e-- open", "0000111000011"},
        {Requirement::StatusGeimplementeerd, "vv- --ee open", "0000011110011"},
        {Requirement::StatusGetest, "vvv ---- open", "0000010111111"},
        {Requirement::StatusKlaar, "vvv ---- klaar", "0000010101111"},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.status);
        Requirement rek = opNiveau(geval.status);
        rek.aftekenaar = "Jan";
        RekEigenschappenVenster& d = open(rek);
        EXPECT_EQ(staat(d), geval.staat);
        EXPECT_EQ(ingeschakeld(d), geval.ingeschakeld);
    }

    // Read-only: nothing moves the level, nothing takes input, OK stays off
    // whatever is changed; the title and analyst show but take no typing.
    ASSERT_EQ(app->openProject(pad, true), 0);
    RekEigenschappenVenster& d = open(opNiveau(Requirement::StatusOntwikkeling));
    EXPECT_EQ(staat(d), "--- ---- open");
    EXPECT_EQ(ingeschakeld(d), "1011000000000");
    EXPECT_FALSE(naamTekst(d).IsEditable());
    EXPECT_FALSE(auteurCombo(d).IsEditable());
    typ(versieTekst(d), "9.9");
    EXPECT_FALSE(isControlIngeschakeld(d, wxID_OK));
    for (const wxCollapsiblePane* sektie :
         {&beschrijvingPaneel(d), &implementatiePaneel(d), &testPaneel(d), &kommentaarPaneel(d)})
        EXPECT_TRUE(sektie->IsCollapsed());
}

TEST_F(DialoogTest, RolKnopVraagtWatHetNieuweNiveauMist)
{
    VraagBeantwoorder vragen;
    RekEigenschappenVenster& d = open(opNiveau(Requirement::StatusOntwikkeling));

    vragen.antwoord(wxNO);
    druk(auteurStatusKnop(d));
    ASSERT_EQ(vragen.geefVragen().size(), 1u);
    EXPECT_EQ(vragen.geefVragen()[0].bericht,
              "You intend to set the status to a new level, but the associated entry field is empty:\n"
              "==> Requirements definition.\n==> The requirements analyst\n\nDo you still wish to proceed?");
    EXPECT_EQ(vragen.geefVragen()[0].stijl & (wxYES_NO | wxNO_DEFAULT), wxYES_NO | wxNO_DEFAULT);
    EXPECT_EQ(staat(d), "--- e--- open");
    EXPECT_EQ(statusKeuze(d).GetSelection(), 0);
    EXPECT_FALSE(d.isGewijzigd());

    vragen.antwoord(wxYES);
    druk(auteurStatusKnop(d));
    EXPECT_EQ(staat(d), "v-- -e-- open");
    EXPECT_EQ(statusKeuze(d).GetSelection(), 1);
    EXPECT_TRUE(d.isGewijzigd());

    // Back down needs nothing; the engineer's release checks level 1.
    druk(auteurStatusKnop(d));
    EXPECT_EQ(statusKeuze(d).GetSelection(), 0);
    typ(beschrijvingRijk(d), "Stops the car.");
    typ(auteurCombo(d), "Ine");
    druk(auteurStatusKnop(d));
    typ(implementatieRijk(d), "ABS");
    typ(implementatieIngenieurCombo(d), "Piet");
    druk(implementatieStatusKnop(d));
    EXPECT_EQ(staat(d), "vv- --ee open");
    druk(implementatieStatusKnop(d));
    EXPECT_EQ(staat(d), "v-- -e-- open");
    EXPECT_EQ(vragen.geefVragen().size(), 2u);
    EXPECT_EQ(d.leesVelden().status, Requirement::StatusGedefinieerd);
}

// The choice runs the check of the level chosen before anything changes;
// after a No the level held before the choice stays, editors and all.
TEST_F(DialoogTest, StatusKeuzeControleertEnGaatTerugNaarHetVorigeNiveau)
{
    VraagBeantwoorder vragen;
    Requirement rek = opNiveau(Requirement::StatusOntwikkeling);
    rek.beschrijving = alsRijk("Stops the car.");
    rek.auteur = "Ine";
    RekEigenschappenVenster& d = open(rek);

    vragen.antwoord(wxNO);
    kies(statusKeuze(d), Requirement::StatusGetest);
    EXPECT_TRUE(vragen.isGevraagd("==> Test and validation definition.\n==> The testing specialist\n"));
    EXPECT_EQ(statusKeuze(d).GetSelection(), 0);
    EXPECT_EQ(staat(d), "--- e--- open");
    EXPECT_FALSE(d.isGewijzigd());

    // "Signed off" is the button's: the choice takes "tested", with its check.
    vragen.antwoord(wxNO);
    kies(statusKeuze(d), Requirement::StatusKlaar);
    EXPECT_TRUE(
        logVanger().bevat("The requirement must be signed off and completed using the field above.", wxLOG_Warning));
    EXPECT_EQ(statusKeuze(d).GetSelection(), 0);
    EXPECT_EQ(staat(d), "--- e--- open");
    vragen.antwoord(wxYES);
    kies(statusKeuze(d), Requirement::StatusKlaar);
    EXPECT_EQ(statusKeuze(d).GetSelection(), Requirement::StatusGetest);
    EXPECT_EQ(staat(d), "vvv ---- open");
    EXPECT_TRUE(d.isGewijzigd());

    // Down to a level whose fields are filled: no question.
    kies(statusKeuze(d), Requirement::StatusGedefinieerd);
    EXPECT_EQ(staat(d), "v-- -e-- open");
    EXPECT_EQ(vragen.geefVragen().size(), 3u);
}

TEST_F(DialoogTest, AftekenenMetEenNaam)
{
    const wxDateTime jan(10, wxDateTime::Jan, 2024);
    Requirement rek = opNiveau(Requirement::StatusGetest);
    rek.datum = jan;
    RekEigenschappenVenster& d = open(rek);
    EXPECT_FALSE(isControlIngeschakeld(d, RekEigenschappenVenster::ID_REKAFTEKENKNOP));
    typ(aftekenaarCombo(d), "Jan");
    // Not signed off yet, the name is not part of the requirement.
    EXPECT_EQ(d.leesVelden().aftekenaar, "");
    ASSERT_TRUE(isControlIngeschakeld(d, RekEigenschappenVenster::ID_REKAFTEKENKNOP));

    klik(d, RekEigenschappenVenster::ID_REKAFTEKENKNOP);
    EXPECT_TRUE(logVanger().bevat("You signed off on this requirement. Congratulations!", wxLOG_Message));
    EXPECT_EQ(staat(d), "vvv ---- klaar");
    EXPECT_FALSE(d.FindWindow(RekEigenschappenVenster::ID_NIETAFGETEKENDVLAG)->IsShown());
    const Requirement gelezen = d.leesVelden();
    EXPECT_EQ(gelezen.status, Requirement::StatusKlaar);
    EXPECT_EQ(gelezen.aftekenaar, "Jan");
    EXPECT_EQ(gelezen.afgetekendDatum.FormatISODate(), wxDateTime::Today().FormatISODate());

    // Back to "tested": the sign-off goes with it.
    VraagBeantwoorder vragen;
    vragen.antwoord(wxYES);
    kies(statusKeuze(d), Requirement::StatusGetest);
    EXPECT_EQ(staat(d), "vvv ---- open");
    EXPECT_EQ(d.leesVelden().aftekenaar, "");
}
