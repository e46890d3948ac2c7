// Typing into the search box: a text that grows searches only what the
// list before held. Whatever is typed, switched or changed in between, every
// list must be the one a search of the whole project gives.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"

#include <random>

namespace
{
using Criteria = VerelTamsoApp::ZoekCriteria;

// Letters that fold (also beyond ASCII), the pattern characters of like and
// glob, and a space.
const char* const tekens[] = {"a", "b", "A", "B", "\xc3\xa9", "\xc3\x89", "\xc3\x9f", "%", "_", "*", " "};
const char* const personen[] = {"Ine", "ine", "Klaas", ""};

class Typen
{
public:
    explicit Typen(unsigned int zaad) : toeval(zaad) {}

    size_t getal(size_t tot) { return std::uniform_int_distribution<size_t>(0, tot - 1)(toeval); }
    wxString teken() { return wxString::FromUTF8(tekens[getal(std::size(tekens))]); }
    wxString tekst(size_t lengte)
    {
        wxString uit;
        for (size_t i = getal(lengte + 1); i > 0; --i)
            uit += teken();
        return uit;
    }

private:
    std::mt19937 toeval;
};

// The same statements on the project that narrows and on its twin that
// always searches everything.
void opBeide(KernApp& a, KernApp& b, const wxString& opdracht)
{
    for (KernApp* app : {&a, &b})
    {
        ASSERT_EQ(app->startTransaktie(), 0);
        ASSERT_EQ(app->executeUpdate(opdracht), 0) << opdracht;
    }
}

// Another program's committed change of both files.
void doorAnder(KernApp& a, KernApp& b, const wxString& opdracht)
{
    for (KernApp* app : {&a, &b})
    {
        ASSERT_EQ(app->stopTransaktie(), 0);
        wxSQLite3Database ander;
        ander.Open(testPad(app == &a ? "a.vtd" : "b.vtd"));
        ander.ExecuteUpdate(opdracht);
        ander.Close();
    }
}
} // namespace

TEST(Vernauw, ElkeLijstIsDieVanEenZoektochtDoorHetHeleProject)
{
    App a;
    App b;
    ASSERT_EQ(a->openProject(testPad("a.vtd")), 0);
    ASSERT_EQ(b->openProject(testPad("b.vtd")), 0);
    Typen typen(20261207);
    for (int i = 1; i <= 240; ++i)
        opBeide(*a, *b,
                wxString::Format("insert into Requirements (SR,naam,beschrijving,auteur,testIngenieur,prioriteit,"
                                 "totaleKosten,status,type,funkType) values (%d,%s,%s,%s,%s,%zu,%zu,%zu,%zu,%zu)",
                                 i, SQLite3Basis::quotes(typen.tekst(12) + wxString::Format("#%d", i)),
                                 SQLite3Basis::quotes("<p>" + typen.tekst(12) + "</p>"),
                                 SQLite3Basis::quotes(personen[typen.getal(4)]), SQLite3Basis::quotes(typen.tekst(3)),
                                 typen.getal(4) * 25, typen.getal(5) * 100, typen.getal(5), typen.getal(3),
                                 typen.getal(4)));

    Criteria criteria;
    bool hoofdletters = false;
    bool exact = false;
    int vernauwd = 0;
    int volgendNummer = 1000;
    const int stappen = 1500;
    for (int stap = 0; stap < stappen; ++stap)
    {
        wxString& tekst = criteria.zoekTekst;
        const size_t keuze = typen.getal(100);
        wxString gedaan;
        if (keuze < 50)
            tekst += typen.teken();
        else if (keuze < 62 && !tekst.empty())
            tekst.RemoveLast();
        else if (keuze < 65)
            tekst = typen.tekst(2);
        else if (keuze < 68)
            tekst.insert(typen.getal(tekst.length() + 1), typen.teken());
        else if (keuze < 72)
            hoofdletters = !hoofdletters;
        else if (keuze < 76)
            exact = !exact;
        else if (keuze < 79)
            criteria.persoon = personen[typen.getal(4)];
        else if (keuze < 82)
            criteria.status = static_cast<Requirement::Status>(typen.getal(6));
        else if (keuze < 85)
            criteria.minPrioriteit = static_cast<unsigned int>(typen.getal(3) * 25);
        else if (keuze < 88)
        {
            criteria.sorteerKolom = static_cast<VerelTamsoApp::Kolommen>(typen.getal(VerelTamsoApp::aantalKolommen));
            criteria.sortering = static_cast<Sortering>(typen.getal(3));
        }
        else
        {
            // A change of the project, often one that makes a requirement
            // match the text typed so far.
            const wxString naam =
                SQLite3Basis::quotes(typen.getal(2) ? tekst : typen.tekst(1) + tekst + typen.tekst(1));
            const size_t SR = 1 + typen.getal(240);
            if (keuze < 92)
                gedaan = wxString::Format("update Requirements set implementatieIngenieur=%s where SR=%zu", naam, SR);
            else if (keuze < 94)
            {
                gedaan = wxString::Format("insert into Requirements (SR,naam,implementatieIngenieur,prioriteit,"
                                          "totaleKosten) values (%d,'#%d',%s,50,300)",
                                          volgendNummer, volgendNummer, naam);
                ++volgendNummer;
            }
            else if (keuze < 96)
                gedaan = wxString::Format("delete from Requirements where SR=%zu", SR);
            if (!gedaan.empty())
                opBeide(*a, *b, gedaan);
            else
            {
                gedaan = wxString::Format("update Requirements set auteur=%s where SR=%zu", naam, SR);
                doorAnder(*a, *b, gedaan);
            }
            if (keuze >= 92 && keuze < 96 && typen.getal(2))
            {
                for (KernApp* app : {&*a, &*b})
                    ASSERT_EQ(app->stopTransaktie(), 0);
            }
        }

        LijstSelektie gezocht;
        LijstSelektie alles;
        for (KernApp* app : {&*a, &*b})
        {
            app->zetHoofdletterGevoeligheid(hoofdletters);
            app->zetZoektermMoetExactOvereenkomen(exact);
        }
        b->vergeetVorigeLijst();
        ASSERT_EQ(a->leesLijstSelektie(criteria, gezocht), 0);
        ASSERT_EQ(b->leesLijstSelektie(criteria, alles), 0);
        vernauwd += a->isLaatsteSelektieVernauwd() ? 1 : 0;
        const std::string geval = wxString::Format("step %d, text \"%s\", case %d, exact %d, condition %s, after %s",
                                                   stap, tekst, hoofdletters, exact, a->zoekVoorwaarde, gedaan)
                                      .utf8_string();
        ASSERT_EQ(gezocht.nummers, alles.nummers) << geval;
        ASSERT_EQ(gezocht.kostenSom, alles.kostenSom) << geval;
        ASSERT_EQ(gezocht.gewichtSom, alles.gewichtSom) << geval;
        ASSERT_EQ(gezocht.voltooiing, alles.voltooiing) << geval;
    }
    // Narrowing did happen, and often.
    EXPECT_GT(vernauwd, stappen / 5);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
