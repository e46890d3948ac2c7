// The requirement commands of the main window against a real project: the
// properties dialog shown for real and its OK clicked, every other question
// answered through the seams, the project checked with plain SQL.
#include "swexternals/desktop/DesktopLogMelder.h"
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <algorithm>
#include <wx/datectrl.h>
#include <wx/spinctrl.h>

namespace
{
using Dialoog = RekEigenschappenVenster;

wxTextCtrl& titel(wxDialog& dialoog)
{
    return vind<wxTextCtrl>(dialoog, Dialoog::ID_REKTITEL);
}

// The next properties dialog gets this title and OK.
void metTitel(const wxString& tekst)
{
    dialoogBeantwoorder().klikOK([tekst](wxDialog& d) { typ(titel(d), tekst); });
}

std::vector<wxString> geselekteerd(VerelTamsoVenster& venster)
{
    std::vector<wxString> nummers;
    for (int rij : venster.geefGeselekteerdeRijen())
        nummers.push_back(venster.geefRekLijst()->GetItemText(rij, 0));
    return nummers;
}

void activeer(VerelTamsoVenster& venster)
{
    wxListEvent gebeurtenis(wxEVT_LIST_ITEM_ACTIVATED, VerelTamsoVenster::ID_REKLIJST);
    gebeurtenis.SetEventObject(venster.geefRekLijst());
    venster.geefRekLijst()->GetEventHandler()->ProcessEvent(gebeurtenis);
}

// The sign-off as the dialog shows it: the name, the flag shown, the date
// and the dates the picker offers.
wxString aftekening(wxDialog& dialoog)
{
    const auto& datum = vind<wxDatePickerCtrl>(dialoog, Dialoog::ID_REKAFTEKENDATUM);
    wxDateTime van;
    wxDateTime tot;
    datum.GetRange(&van, &tot);
    return vind<wxComboBox>(dialoog, Dialoog::ID_REKAFTEKENNAAM).GetValue() + "|" +
           (dialoog.FindWindow(Dialoog::ID_AFGETEKENDVLAG)->IsShown() ? "signed" : "not signed") + "|" +
           datum.GetValue().FormatISODate() + "|" + van.FormatISODate() + ".." + tot.FormatISODate();
}

// A statement of the kind that the condition picks fails.
void maakTrigger(KernApp& app, const wxString& soort, const wxString& voorwaarde = "1")
{
    ASSERT_EQ(app.executeUpdate("create temp trigger weiger before " + soort + " on Requirements when " + voorwaarde +
                                " begin select raise(abort,'refused by the test'); end"),
              0);
}
} // namespace

TEST_F(VensterTest, ToevoegenMetHetVolgendeNummerEnDeSoortVanDeVorige)
{
    ASSERT_TRUE(isIngeschakeld(*venster, wxID_ADD));
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(vind<wxSpinCtrl>(d, Dialoog::ID_REKNUMMER).GetValue(), 51);
            typ(titel(d), "Filter");
            kies(vind<wxChoice>(d, Dialoog::ID_REKTYPE), Requirement::TypeSysteem);
            typ(vind<wxComboBox>(d, Dialoog::ID_AUTEURKEUZE), "Ine");
        });
    stuurMenu(*venster, wxID_ADD);
    EXPECT_EQ(kolommen(*app, 51, "naam,type,auteur"), "Filter|2|Ine");
    EXPECT_EQ(nummersInLijst(*venster).front(), "51");

    // The next one takes over the type and, automatically, the analyst.
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(vind<wxChoice>(d, Dialoog::ID_REKTYPE).GetSelection(), Requirement::TypeSysteem);
            EXPECT_EQ(vind<wxComboBox>(d, Dialoog::ID_AUTEURKEUZE).GetValue(), "Ine");
            typ(titel(d), "Strainer");
        });
    stuurMenu(*venster, wxID_ADD);
    EXPECT_EQ(kolommen(*app, 52, "naam,type,auteur"), "Strainer|2|Ine");
}

// A refused addition brings the dialog back with what the user entered,
// unchanged until the user changes something (OK disabled, no modified
// mark), and yet the close box asks before the entries go.
TEST_F(VensterTest, GeweigerdToevoegenHoudtDeInvoerEnVraagtVoorHetSluiten)
{
    VraagBeantwoorder vragen;
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            typ(titel(d), "Pour");
            typ(vind<wxTextCtrl>(d, Dialoog::ID_VERSIEINVOER), "2.5");
        });
    dialoogBeantwoorder().verwacht(
        [&vragen, this](wxDialog& d)
        {
            EXPECT_EQ(titel(d).GetValue(), "Pour");
            EXPECT_EQ(vind<wxTextCtrl>(d, Dialoog::ID_VERSIEINVOER).GetValue(), "2.5");
            EXPECT_FALSE(isControlIngeschakeld(d, wxID_OK));
            wxIdleEvent rust;
            d.ProcessWindowEvent(rust);
            EXPECT_FALSE(Platform::isVensterGewijzigd(d));
            EXPECT_FALSE(Platform::isVensterGewijzigd(*venster));
            vragen.antwoord(wxNO);
            EXPECT_FALSE(d.Close());
            return wxID_CANCEL;
        });
    // The box the user reads: the reason heads it, what to do follows.
    DesktopLogMelder melder;
    wxLog* vanger = wxLog::SetActiveTarget(&melder);
    stuurMenu(*venster, wxID_ADD);
    dialoogBeantwoorder().verwacht(wxID_OK);
    wxLog::FlushActive();
    wxLog::SetActiveTarget(vanger);
    EXPECT_EQ(dialoogBeantwoorder().geefGetoond().back().melding,
              "You cannot add this requirement. An existing requirement has this title already: \"Pour\" \n"
              "Please try again.");
    EXPECT_TRUE(vragen.isGevraagd("You will lose all modifications to this requirement."));
    EXPECT_EQ(app->tel("select count(*) from Requirements"), 5);

    // Mended in the dialog that came back, it is added.
    metTitel("Pour");
    metTitel("Pour again");
    stuurMenu(*venster, wxID_ADD);
    EXPECT_EQ(kolommen(*app, 51, "naam,versie"), "Pour again|1.0.0");
}

// The dialog shows the links of neither; an edit keeps both.
// Without automatic numbers a new requirement gets the number its dialog
// shows, the lowest it offers: never 0.
TEST_F(VensterTest, ZonderAutomatischeNummersHetNummerDatDeDialoogToont)
{
    venster->GetMenuBar()->Check(VerelTamsoVenster::ID_AUTOMATISCHSRNUMMER, false);
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(vind<wxSpinCtrl>(d, Dialoog::ID_REKNUMMER).GetValue(), 1);
            typ(titel(d), "Filter");
        });
    stuurMenu(*venster, wxID_ADD);
    EXPECT_EQ(app->tel("select SR from Requirements where naam=='Filter'"), 1);
}

TEST_F(VensterTest, BewerkenHoudtOuderEnVerwanteEnSelekteertHetNieuweNummer)
{
    voerUit(*app, {"update Requirements set SR_ouder=7,SR_gerelateerd=9 where SR==10"});
    ASSERT_EQ(venster->selekteerRequirement(metNummer(10), StandAan), 0);
    ASSERT_TRUE(isIngeschakeld(*venster, VerelTamsoVenster::ID_BEWERKITEM));
    dialoogBeantwoorder().klikOK([](wxDialog& d) { zet(vind<wxSlider>(d, Dialoog::ID_REKPRIORITEIT), 5); });
    stuurMenu(*venster, VerelTamsoVenster::ID_BEWERKITEM);
    EXPECT_EQ(kolommen(*app, 10, "prioriteit,SR_ouder,SR_gerelateerd"), "5|7|9");
    EXPECT_EQ(geselekteerd(*venster), std::vector<wxString>{"10"});

    dialoogBeantwoorder().klikOK([](wxDialog& d) { zet(vind<wxSpinCtrl>(d, Dialoog::ID_REKNUMMER), 15); });
    stuurMenu(*venster, VerelTamsoVenster::ID_BEWERKITEM);
    EXPECT_EQ(kolommen(*app, 15, "naam,SR_ouder,SR_gerelateerd"), "Boil water|7|9");
    EXPECT_EQ(geselekteerd(*venster), std::vector<wxString>{"15"});
}

// Three copies with automatic numbers, in row order (the list runs from the
// highest number down): one clashes with an earlier copy and comes back with
// its entries, one clashes with a stored title and is then cancelled; the
// others are added in one step.
TEST_F(VensterTest, DupliceerDrieMetEenBotsing)
{
    voerUit(*app, {"update Requirements set SR_ouder=7,SR_gerelateerd=9 where SR in (10,20,30)"});
    ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(10), metNummer(20), metNummer(30)}), StandAan), 0);
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(titel(d).GetValue(), "This must be altered:Pour");
            EXPECT_EQ(vind<wxSpinCtrl>(d, Dialoog::ID_REKNUMMER).GetValue(), 51);
            typ(titel(d), "Pour copy");
        });
    metTitel("pour COPY");
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_FALSE(isControlIngeschakeld(d, wxID_OK));
            EXPECT_EQ(titel(d).GetValue(), "pour COPY");
            EXPECT_EQ(vind<wxSpinCtrl>(d, Dialoog::ID_REKNUMMER).GetValue(), 52);
            typ(titel(d), "Grind copy");
        });
    metTitel("Serve");
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    stuurMenu(*venster, wxID_DUPLICATE);

    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 2u) << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 2u);
    // A copy keeps the links of its original, which the dialog does not show.
    EXPECT_EQ(kolommen(*app, 51, "naam,SR_ouder,SR_gerelateerd"), "Pour copy|7|9");
    EXPECT_EQ(kolommen(*app, 52, "naam,SR_ouder,SR_gerelateerd"), "Grind copy|7|9");
    EXPECT_EQ(app->tel("select count(*) from Requirements"), 7);
}

// A copy of a requirement at any level can be stored: it starts in
// development, where its title, which must change, takes input.
// Its dialog shows it as it is stored: a signed-off original's sign-off
// stays behind.
TEST_F(VensterTest, DupliceerOpElkNiveau)
{
    voerUit(*app, {"update Requirements set aftekenaar='Eva',afgetekendDatum='2020-03-04' where SR==50"});
    const int nummers[] = {10, 20, 30, 40, 50};
    for (int i = 0; i < 5; ++i)
    {
        ASSERT_EQ(venster->selekteerRequirement(metNummer(nummers[i]), StandAan), 0);
        const wxString kopie = wxString::Format("Copy %d", nummers[i]);
        wxString aftekeningGetoond;
        dialoogBeantwoorder().klikOK(
            [&kopie, &aftekeningGetoond](wxDialog& d)
            {
                EXPECT_TRUE(isControlIngeschakeld(d, Dialoog::ID_REKTITEL) && titel(d).IsEditable()) << kopie;
                aftekeningGetoond = aftekening(d);
                typ(titel(d), kopie);
            });
        stuurMenu(*venster, wxID_DUPLICATE);
        EXPECT_EQ(kolommen(*app, 51 + i, "naam,status,aftekenaar"), kopie + "|0|");
        Dialoog opgeslagen(nullptr, app->geefRequirement(51 + i), &*app);
        EXPECT_EQ(aftekeningGetoond, aftekening(opgeslagen)) << kopie;
        const std::vector<wxString> getoond = nummersInLijst(*venster);
        EXPECT_NE(std::find(getoond.begin(), getoond.end(), wxString::Format("%d", 51 + i)), getoond.end()) << kopie;
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(VensterTest, VerwijderenZonderVraagEnEenMislukkingEenmaalGemeld)
{
    ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(20), metNummer(30)}), StandAan), 0);
    stuurMenu(*venster, wxID_DELETE);
    EXPECT_EQ(nummers(*app), "Boil water=10,Serve=40,Clean up=50");

    maakTrigger(*app, "delete");
    ASSERT_EQ(venster->selekteerRequirement(metNummer(40), StandAan), 0);
    stuurMenu(*venster, wxID_DELETE);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
    EXPECT_EQ(nummers(*app), "Boil water=10,Serve=40,Clean up=50");
}

// The list is sorted by number, highest first: rows 50, 40, 30, 20, 10.
TEST_F(VensterTest, OmhoogEnOmlaagDraaienDeNummers)
{
    ASSERT_EQ(nummersInLijst(*venster).front(), "50");
    ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(40), metNummer(30)}), StandAan), 0);
    ASSERT_TRUE(isIngeschakeld(*venster, wxID_UP));
    stuurMenu(*venster, wxID_UP);
    EXPECT_EQ(nummers(*app), "Boil water=10,Grind beans=20,Clean up=30,Pour=40,Serve=50");
    EXPECT_EQ(geselekteerd(*venster), (std::vector<wxString>{"50", "40"}));
    EXPECT_FALSE(isIngeschakeld(*venster, wxID_UP));

    stuurMenu(*venster, wxID_DOWN);
    EXPECT_EQ(nummers(*app), "Boil water=10,Grind beans=20,Pour=30,Serve=40,Clean up=50");
    EXPECT_EQ(geselekteerd(*venster), (std::vector<wxString>{"40", "30"}));

    // Not for rows with a gap, nor in a list sorted otherwise.
    ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(40), metNummer(20)}), StandAan), 0);
    EXPECT_FALSE(isIngeschakeld(*venster, wxID_UP));
    EXPECT_FALSE(isIngeschakeld(*venster, wxID_DOWN));
    klikKop(*venster, VerelTamsoApp::KolomTitel);
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    EXPECT_FALSE(isIngeschakeld(*venster, wxID_UP));
}

// A move that fails half-way is taken back whole: no number changed, no
// temporary number left.
TEST_F(VensterTest, MislukteVerplaatsingWordtHeelTeruggedraaid)
{
    maakTrigger(*app, "update of SR", "new.SR == 30");
    for (int id : {wxID_UP, wxID_DOWN})
    {
        logVanger().wis();
        ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(30), metNummer(20)}), StandAan), 0);
        stuurMenu(*venster, id);
        EXPECT_TRUE(logVanger().bevat("Moving the requirement was not possible.", wxLOG_Error)) << id;
        EXPECT_EQ(nummers(*app), "Boil water=10,Grind beans=20,Pour=30,Serve=40,Clean up=50") << id;
        EXPECT_EQ(nummersInLijst(*venster).size(), 5u);
    }
}

TEST_F(VensterTest, DubbelklikToontOfBewerkt)
{
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    dialoogBeantwoorder().verwacht(wxID_OK);
    activeer(*venster);
    ASSERT_EQ(dialoogBeantwoorder().geefGetoond().size(), 1u);
    EXPECT_EQ(dialoogBeantwoorder().geefGetoond()[0].titel, "The currently selected requirement: 30");

    stuurMenu(*venster, VerelTamsoVenster::ID_DUBBELKLIKEDITMODE);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    activeer(*venster);
    EXPECT_EQ(dialoogBeantwoorder().geefGetoond()[1].titel,
              "Modify the attributes of the currently selected requirement.");

    // Two rows: nothing opens.
    ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(30), metNummer(40)}), StandAan), 0);
    activeer(*venster);
    EXPECT_EQ(dialoogBeantwoorder().geefGetoond().size(), 2u);
}

TEST_F(VensterTest, AlleenLezenLaatAlleenBekijken)
{
    ASSERT_EQ(app->openProject(pad, true), 0);
    venster->start();
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    for (int id : {static_cast<int>(wxID_ADD), static_cast<int>(wxID_DELETE), static_cast<int>(wxID_DUPLICATE),
                   static_cast<int>(wxID_UP), static_cast<int>(wxID_DOWN)})
        EXPECT_FALSE(isIngeschakeld(*venster, id)) << id;
    EXPECT_TRUE(isIngeschakeld(*venster, VerelTamsoVenster::ID_BEWERKITEM));
    EXPECT_TRUE(isIngeschakeld(*venster, VerelTamsoVenster::ID_TOONITEM));
}

// Another program holds the project's lock when the user confirms a new
// requirement, a copy or an edit: the dialog comes back with what was
// typed, and once the other program lets go, OK stores it.
TEST_F(VensterTest, EenSlotVanEenAnderHoudtDeInvoerVoorEenNieuwePoging)
{
    // The store gives up on the lock at once, as it would after its seconds.
    app->SetBusyTimeout(50);
    wxSQLite3Database ander;
    ander.Open(pad);
    ander.SetBusyTimeout(1000);
    const std::pair<wxString, int> opdrachten[] = {{"Kettle added", wxID_ADD},
                                                   {"Kettle copied", wxID_DUPLICATE},
                                                   {"Kettle edited", VerelTamsoVenster::ID_BEWERKITEM}};
    for (const auto& [naam, id] : opdrachten)
    {
        SCOPED_TRACE(naam.utf8_string());
        ASSERT_EQ(venster->selekteerRequirement(metNummer(10), StandAan), 0);
        ander.ExecuteUpdate("begin immediate");
        logVanger().wis();
        dialoogBeantwoorder().klikOK([naam = naam](wxDialog& d) { typ(titel(d), naam); });
        dialoogBeantwoorder().klikOK(
            [&, naam = naam](wxDialog& d)
            {
                EXPECT_EQ(titel(d).GetValue(), naam);
                ander.ExecuteUpdate("commit");
            });
        stuurMenu(*venster, id);
        EXPECT_TRUE(logVanger().bevat("locked by another program", wxLOG_Error)) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("An error occurred")) << logVanger().geefAlles();
        EXPECT_EQ(app->tel("select count(*) from Requirements where naam==" + SQLite3Basis::quotes(naam)), 1);
        ASSERT_EQ(app->stopTransaktie(), 0);
    }
}
