// Filling the dialog and reading it back: what was shown comes back as it
// was, what the user changed comes back changed, and what a control cannot
// hold is never changed behind the user's back.
#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <functional>
#include <set>
#include <wx/menu.h>
#include <wx/richtext/richtextbuffer.h>

namespace
{
// A requirement with every field set, signed off, with a parent and a
// related requirement.
Requirement volledig()
{
    Requirement rek = bekendeRequirement();
    rek.beschrijving = alsRijk("The brake stops the car within 40 m.");
    rek.implementatie = alsRijk("ABS with four sensors.");
    rek.validatie_test = alsRijk("Track test.");
    rek.testLogboek = alsRijk("Passed.");
    rek.externeRef = "https://example.com/a//b?x=1";
    rek.status = Requirement::StatusKlaar;
    rek.SR_ouder = 7;
    rek.SR_gerelateerd = 9;
    return rek;
}
} // namespace

TEST_F(DialoogTest, WatGetoondIsKomtOnveranderdTerug)
{
    const Requirement rek = volledig();
    EXPECT_EQ(alsTekst(open(rek).leesVelden()), alsTekst(rek));
    EXPECT_FALSE(dialoog->isGewijzigd());

    // Filled again with another requirement, nothing of the first stays:
    // an empty field is empty, not what the editor held before.
    Requirement leeg;
    leeg.naam = "Empty";
    dialoog->vulVelden(leeg);
    EXPECT_EQ(alsTekst(dialoog->leesVelden()), alsTekst(leeg));
    EXPECT_FALSE(dialoog->isGewijzigd());
}

// Every control, changed as a user does, changes its field and nothing else.
TEST_F(DialoogTest, ElkVeldVolgtZijnControl)
{
    struct Geval
    {
        const char* veld;
        std::function<void(RekEigenschappenVenster&)> wijzig;
        std::function<void(Requirement&)> verwacht;
    };
    const wxDateTime dag(3, wxDateTime::Feb, 2024);
    const std::vector<Geval> gevallen = {
        {"naam", [](RekEigenschappenVenster& d) { typ(naamTekst(d), "Disc brake"); },
         [](Requirement& r) { r.naam = "Disc brake"; }},
        {"datum", [&](RekEigenschappenVenster& d) { zet(datumKiezer(d), dag); },
         [&](Requirement& r) { r.datum = dag; }},
        {"SR", [](RekEigenschappenVenster& d) { zet(srSpin(d), 44); }, [](Requirement& r) { r.SR = 44; }},
        {"versie", [](RekEigenschappenVenster& d) { typ(versieTekst(d), "2.0"); },
         [](Requirement& r) { r.versie = "2.0"; }},
        {"prioriteit", [](RekEigenschappenVenster& d) { zet(prioriteitSchuif(d), 3); },
         [](Requirement& r) { r.prioriteit = 3; }},
        {"kosten", [](RekEigenschappenVenster& d) { zet(kostenSpin(d), 999); },
         [](Requirement& r) { r.totaleKosten = 999; }},
        {"auteur", [](RekEigenschappenVenster& d) { typ(auteurCombo(d), "Ann"); },
         [](Requirement& r) { r.auteur = "Ann"; }},
        {"ingenieur", [](RekEigenschappenVenster& d) { typ(implementatieIngenieurCombo(d), "Bob"); },
         [](Requirement& r) { r.implementatieIngenieur = "Bob"; }},
        {"tester", [](RekEigenschappenVenster& d) { typ(testIngenieurCombo(d), "Cas"); },
         [](Requirement& r) { r.testIngenieur = "Cas"; }},
        {"aftekenaar", [](RekEigenschappenVenster& d) { typ(aftekenaarCombo(d), "Dirk"); },
         [](Requirement& r) { r.aftekenaar = "Dirk"; }},
        {"afgetekend", [&](RekEigenschappenVenster& d) { zet(afgetekendDatumKiezer(d), dag); },
         [&](Requirement& r) { r.afgetekendDatum = dag; }},
        {"referentie", [](RekEigenschappenVenster& d) { externeRefKiezer(d).SetPath("/tmp/x.pdf"); },
         [](Requirement& r) { r.externeRef = "/tmp/x.pdf"; }},
        {"kommentaar", [](RekEigenschappenVenster& d) { typ(kommentaarRijk(d), "Later"); },
         [](Requirement& r) { r.kommentaar = "Later"; }},
        {"type", [](RekEigenschappenVenster& d) { kies(typeKeuze(d), 0); },
         [](Requirement& r) { r.type = Requirement::TypeBusiness; }},
        {"funkType", [](RekEigenschappenVenster& d) { kies(funkTypeKeuze(d), 3); },
         [](Requirement& r) { r.funkType = Requirement::FunkTypeBeperking; }},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.veld);
        Requirement verwacht = volledig();
        RekEigenschappenVenster& d = open(verwacht);
        geval.wijzig(d);
        geval.verwacht(verwacht);
        EXPECT_EQ(alsTekst(d.leesVelden()), alsTekst(verwacht));
    }

    // The rich texts (description, implementation, test method, test log):
    // what is typed is stored as rich text again.
    for (int rijk = 0; rijk < 4; ++rijk)
    {
        RekEigenschappenVenster& d = open(volledig());
        typ(*d.geefRijk(rijk), "Typed anew");
        const Requirement gelezen = d.leesVelden();
        const wxString velden[] = {gelezen.beschrijving, gelezen.implementatie, gelezen.validatie_test,
                                   gelezen.testLogboek};
        int veranderd = 0;
        for (const wxString& veld : velden)
            veranderd += platteTekst(veld) == "Typed anew";
        EXPECT_EQ(veranderd, 1);
    }
}

// GTK's spin controls and slider clamp, a choice shows none, the date
// picker keeps another date: such values are marked, and an edit of
// something else gives them back as they were stored.
TEST_F(DialoogTest, WaardenBuitenBereikBlijvenTotDeGebruikerZeWijzigt)
{
    Requirement vreemd = volledig();
    vreemd.SR = 1500000;
    vreemd.prioriteit = 0;
    vreemd.totaleKosten = 4000000000u;
    vreemd.status = static_cast<Requirement::Status>(7);
    vreemd.type = static_cast<Requirement::Type>(5);
    vreemd.funkType = static_cast<Requirement::FunkType>(-1);
    vreemd.datum = wxDateTime();
    RekEigenschappenVenster& d = open(vreemd);
    typ(versieTekst(d), "1.3");
    Requirement verwacht = vreemd;
    verwacht.versie = "1.3";
    // A status that is not "signed off" carries no sign-off.
    verwacht.aftekenaar.clear();
    verwacht.afgetekendDatum = Requirement().afgetekendDatum;
    EXPECT_EQ(alsTekst(d.leesVelden()), alsTekst(verwacht));

    struct Markering
    {
        wxWindow* control;
        const char* waarde;
    };
    for (const Markering& m :
         {Markering{&srSpin(d), "1500000"}, Markering{&prioriteitSchuif(d), "0"},
          Markering{&kostenSpin(d), "4000000000"}, Markering{&statusKeuze(d), "7"}, Markering{&typeKeuze(d), "5"},
          Markering{&funkTypeKeuze(d), "-1"}, Markering{&datumKiezer(d), "(no date)"}})
    {
        SCOPED_TRACE(m.waarde);
        ASSERT_TRUE(m.control->GetToolTip());
        EXPECT_TRUE(m.control->GetToolTipText().Contains(m.waarde)) << m.control->GetToolTipText();
    }
    EXPECT_FALSE(naamTekst(d).GetToolTip());

    // Changed by the user, the control's value counts.
    zet(srSpin(d), 12);
    zet(prioriteitSchuif(d), 60);
    kies(typeKeuze(d), 2);
    const Requirement gelezen = d.leesVelden();
    EXPECT_EQ(gelezen.SR, 12);
    EXPECT_EQ(gelezen.prioriteit, 60u);
    EXPECT_EQ(gelezen.type, Requirement::TypeSysteem);
    EXPECT_EQ(gelezen.totaleKosten, 4000000000u);

    // A requirement within every range carries no mark.
    open(volledig());
    for (wxWindow* control : {static_cast<wxWindow*>(&srSpin(*dialoog)), static_cast<wxWindow*>(&statusKeuze(*dialoog)),
                              static_cast<wxWindow*>(&datumKiezer(*dialoog))})
        EXPECT_FALSE(control->GetToolTip());
}

TEST_F(DialoogTest, AftekenDatumBinnenBereikVanDatumTotVandaagMetDeOpgeslagen)
{
    const wxDateTime vandaag = wxDateTime::Today();
    struct Geval
    {
        const char* naam;
        wxDateTime datum;
        wxDateTime afgetekend;
        wxDateTime getoond;
        wxDateTime van;
        wxDateTime tot;
    };
    const wxDateTime jan(10, wxDateTime::Jan, 2024);
    const wxDateTime mrt(1, wxDateTime::Mar, 2024);
    const wxDateTime later = vandaag + wxDateSpan::Days(40);
    const wxDateTime eerder(1, wxDateTime::Jun, 2023);
    const Geval gevallen[] = {
        {"gewoon", jan, mrt, mrt, jan, vandaag},
        {"voor de datum", jan, eerder, eerder, eerder, vandaag},
        {"na vandaag", jan, later, later, jan, later},
        {"zonder datum", jan, wxDateTime(), vandaag, jan, vandaag},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        Requirement rek = volledig();
        rek.datum = geval.datum;
        rek.afgetekendDatum = geval.afgetekend;
        RekEigenschappenVenster& d = open(rek);
        EXPECT_EQ(afgetekendDatumKiezer(d).GetValue().FormatISODate(), geval.getoond.FormatISODate());
        wxDateTime van, tot;
        ASSERT_TRUE(afgetekendDatumKiezer(d).GetRange(&van, &tot));
        EXPECT_EQ(van.FormatISODate(), geval.van.FormatISODate());
        EXPECT_EQ(tot.FormatISODate(), geval.tot.FormatISODate());
        // Not touched: the stored date comes back, also when there is none.
        EXPECT_EQ(alsTekst(d.leesVelden()), alsTekst(rek));
    }
}

TEST_F(DialoogTest, PersonenMuntEnOpmerkingen)
{
    RekEigenschappenVenster& d = open(volledig());
    for (wxComboBox* persoon :
         {&auteurCombo(d), &implementatieIngenieurCombo(d), &testIngenieurCombo(d), &aftekenaarCombo(d)})
    {
        ASSERT_EQ(persoon->GetCount(), 4u);
        EXPECT_EQ(persoon->GetString(0), "Ine");
        EXPECT_EQ(persoon->GetString(3), "Piet");
    }
    EXPECT_EQ(aftekenaarCombo(d).GetValue(), "Jan");
    EXPECT_EQ(kostenLabel(d).GetLabel(), app->geefProjektValuta().geefSymbool() + ":");

    // The remarks are plain text: formatting there does not come back.
    wxRichTextAttr vet;
    vet.SetFontWeight(wxFONTWEIGHT_BOLD);
    kommentaarRijk(d).SetStyle(0, 4, vet);
    EXPECT_EQ(d.leesVelden().kommentaar, "100% sure");
}

TEST_F(DialoogTest, SektiesVolgenDeStatus)
{
    struct Geval
    {
        Requirement::Status status;
        bool open[4];
    };
    const Geval gevallen[] = {{Requirement::StatusOntwikkeling, {true, false, false, false}},
                              {Requirement::StatusGedefinieerd, {false, true, false, false}},
                              {Requirement::StatusGeimplementeerd, {false, false, true, false}},
                              {Requirement::StatusGetest, {false, false, false, true}},
                              {Requirement::StatusKlaar, {false, false, false, false}}};
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.status);
        Requirement rek = volledig();
        rek.status = geval.status;
        RekEigenschappenVenster& d = open(rek);
        const wxCollapsiblePane* sekties[] = {&beschrijvingPaneel(d), &implementatiePaneel(d), &testPaneel(d),
                                              &kommentaarPaneel(d)};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(sekties[i]->IsExpanded(), geval.open[i]) << "section " << i;
    }
}

TEST_F(DialoogTest, PlaatjesOnderHunNamen)
{
    RekEigenschappenVenster& d = open(volledig());
    const char* const namen[] = {"24x24/bold.png",
                                 "24x24/print.png",
                                 "32x32/arrow_right_black.png",
                                 "32x32/checkmark.png",
                                 "48x48/documents_folder.png",
                                 "48x48/upload48.png"};
    for (const char* naam : namen)
    {
        const wxBitmap beeld = d.GetBitmapResource(DesktopBeeldLader::ikoon(naam));
        ASSERT_TRUE(beeld.IsOk()) << naam;
        EXPECT_EQ(beeld.GetWidth(), wxAtoi(wxString(naam).Left(2))) << naam;
    }
    // The main window's pictures are not the dialog's.
    EXPECT_FALSE(d.GetBitmapResource(DesktopBeeldLader::ikoon(32, "nieuw.png")).IsOk());
    EXPECT_TRUE(d.GetIconResource("afbeeldingen/VerelTamso_klein.jpeg").IsOk());

    // Each editor's own pop-up menu ends with the six items, once.
    std::set<const wxMenu*> menus;
    for (int i = 0; i < RekEigenschappenVenster::aantalRijkVelden; ++i)
    {
        const wxMenu* menu = d.geefRijk(i)->GetContextMenu();
        ASSERT_TRUE(menu);
        EXPECT_TRUE(menus.insert(menu).second);
        EXPECT_EQ(menu->FindItemByPosition(menu->GetMenuItemCount() - 1)->GetId(),
                  static_cast<int>(RekEigenschappenVenster::ID_VOEGINURL));
        EXPECT_EQ(menu->FindItemByPosition(menu->GetMenuItemCount() - 7)->GetKind(), wxITEM_SEPARATOR);
        EXPECT_NE(menu->FindItemByPosition(menu->GetMenuItemCount() - 8)->GetId(),
                  static_cast<int>(RekEigenschappenVenster::ID_VOEGINURL));
    }
    EXPECT_FALSE(d.GetIconResource("afbeeldingen/plons.png").IsOk());
}

// Filling is no change of the user's: the close box closes without asking.
// After a change it asks first, and No keeps the dialog with the change.
TEST_F(DialoogTest, SluitenVraagtAlleenNaEenWijziging)
{
    RekEigenschappenVenster& d = open(volledig());
    EXPECT_FALSE(isControlIngeschakeld(d, wxID_OK));
    d.Show();
    {
        VraagBeantwoorder vragen;
        EXPECT_TRUE(d.Close());
        EXPECT_FALSE(d.IsShown());
    }

    d.Show();
    typ(naamTekst(d), "Drum brake");
    EXPECT_TRUE(isControlIngeschakeld(d, wxID_OK));
    VraagBeantwoorder vragen;
    vragen.antwoord(wxNO);
    EXPECT_FALSE(d.Close());
    EXPECT_TRUE(d.IsShown());
    EXPECT_EQ(naamTekst(d).GetValue(), "Drum brake");
    vragen.antwoord(wxYES);
    EXPECT_TRUE(d.Close());
    EXPECT_FALSE(d.IsShown());
    EXPECT_TRUE(vragen.isGevraagd("You will lose all modifications to this requirement."));
}

// The real dialog, its OK clicked: it ends with OK only when something
// changed, the title is not empty and the project is writable.
TEST_F(DialoogTest, OKAlleenMetEenWijzigingEnEenTitel)
{
    EXPECT_EQ(toonEnKlikOK(open(volledig()), {}, false), wxID_NONE);
    EXPECT_EQ(toonEnKlikOK(
                  open(volledig()), [](wxDialog& d) { typ(naamTekst(d), ""); }, false),
              wxID_NONE);
    EXPECT_EQ(toonEnKlikOK(open(volledig()), [](wxDialog& d) { zet(prioriteitSchuif(d), 20); }), wxID_OK);
    EXPECT_EQ(dialoog->leesVelden().prioriteit, 20u);

    ASSERT_EQ(app->openProject(pad, true), 0);
    EXPECT_EQ(toonEnKlikOK(
                  open(volledig()), [](wxDialog& d) { zet(prioriteitSchuif(d), 20); }, false),
              wxID_NONE);
    EXPECT_EQ(Platform::geefVensterTitel(*dialoog),
              "View the attributes of the currently selected requirement (DB is read-only).");
}
