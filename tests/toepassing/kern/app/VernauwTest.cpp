// Typing into the search box: a text that grows searches only what a list
// kept held, a text typed again finds its list kept. Whatever is typed,
// switched or changed in between, every list must be the one a search of
// the whole project gives, whatever table the project has.
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

// The tables the twins are tried on: the program's own; one of another
// tool whose column "id" is no row id and holds texts, other numbers and
// NULL; and one without that column, opened read-only, which the program
// reads through a stand-in.
enum class Soort
{
    Eigen,
    IdIsGeenRijId,
    AlleenLezenZonderId
};

// The project that narrows (a) and its twin that always searches
// everything (b), on the same files.
struct Tweeling
{
    App a;
    App b;
    Soort soort;

    explicit Tweeling(Soort soort_) : soort(soort_)
    {
        for (KernApp* app : {&*a, &*b})
            if (soort != Soort::Eigen)
            {
                wxSQLite3Database ander;
                ander.Open(pad(*app));
                ander.ExecuteUpdate(wxString("create table Requirements (") +
                                    (soort == Soort::IdIsGeenRijId ? "id text," : "") +
                                    "naam text,SR integer,beschrijving text,auteur text,implementatieIngenieur text,"
                                    "testIngenieur text,prioriteit integer,totaleKosten integer,status integer,"
                                    "type integer,funkType integer)");
            }
        const bool alleenLezen = soort == Soort::AlleenLezenZonderId;
        EXPECT_EQ(a->openProject(pad(*a), alleenLezen), 0);
        EXPECT_EQ(b->openProject(pad(*b), alleenLezen), 0);
    }

    wxString pad(KernApp& app) const
    {
        return testPad(wxString::Format("%s%d.vtd", &app == &*a ? "a" : "b", static_cast<int>(soort)));
    }

    // The same change of both files: the program's own, or on a project
    // opened read-only another program's.
    void opBeide(const wxString& opdracht)
    {
        if (soort == Soort::AlleenLezenZonderId)
            return doorAnder(opdracht);
        for (KernApp* app : {&*a, &*b})
        {
            ASSERT_EQ(app->startTransaktie(), 0);
            ASSERT_EQ(app->executeUpdate(opdracht), 0) << opdracht;
        }
    }

    // Another program's committed change of both files.
    void doorAnder(const wxString& opdracht)
    {
        for (KernApp* app : {&*a, &*b})
        {
            if (!app->isAlleenLezenDB())
            {
                ASSERT_EQ(app->stopTransaktie(), 0);
            }
            wxSQLite3Database ander;
            ander.Open(pad(*app));
            ander.ExecuteUpdate(opdracht);
            ander.Close();
        }
    }
};

void typEnVergelijk(Soort soort, int stappen)
{
    Tweeling tweeling(soort);
    KernApp& a = *tweeling.a;
    KernApp& b = *tweeling.b;
    Typen typen(20261207);
    for (int i = 1; i <= 240; ++i)
        tweeling.opBeide(wxString::Format(
            "insert into Requirements (SR,naam,beschrijving,auteur,testIngenieur,prioriteit,"
            "totaleKosten,status,type,funkType) values (%d,%s,%s,%s,%s,%zu,%zu,%zu,%zu,%zu)",
            i, SQLite3Basis::quotes(typen.tekst(12) + wxString::Format("#%d", i)),
            SQLite3Basis::quotes("<p>" + typen.tekst(12) + "</p>"), SQLite3Basis::quotes(personen[typen.getal(4)]),
            SQLite3Basis::quotes(typen.tekst(3)), typen.getal(4) * 25, typen.getal(5) * 100, typen.getal(5),
            typen.getal(3), typen.getal(4)));
    if (soort == Soort::IdIsGeenRijId)
        tweeling.opBeide("update Requirements set id=case SR%3 when 0 then null when 1 then 'r'||SR else 7*SR end");

    Criteria criteria;
    bool hoofdletters = false;
    bool exact = false;
    int vernauwd = 0;
    int onthouden = 0;
    int volgendNummer = 1000;
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
                tweeling.opBeide(gedaan);
            else
            {
                gedaan = wxString::Format("update Requirements set auteur=%s where SR=%zu", naam, SR);
                tweeling.doorAnder(gedaan);
            }
            if (keuze >= 92 && keuze < 96 && typen.getal(2) && !a.isAlleenLezenDB())
            {
                for (KernApp* app : {&a, &b})
                    ASSERT_EQ(app->stopTransaktie(), 0);
            }
        }

        LijstSelektie gezocht;
        LijstSelektie alles;
        for (KernApp* app : {&a, &b})
        {
            app->zetHoofdletterGevoeligheid(hoofdletters);
            app->zetZoektermMoetExactOvereenkomen(exact);
        }
        b.vergeetVorigeLijst();
        ASSERT_EQ(a.leesLijstSelektie(criteria, gezocht), 0);
        ASSERT_EQ(b.leesLijstSelektie(criteria, alles), 0);
        vernauwd += a.isLaatsteSelektieVernauwd() ? 1 : 0;
        onthouden += a.isLaatsteSelektieOnthouden() ? 1 : 0;
        const std::string geval = wxString::Format("step %d, text \"%s\", case %d, exact %d, condition %s, after %s",
                                                   stap, tekst, hoofdletters, exact, a.zoekVoorwaarde, gedaan)
                                      .utf8_string();
        ASSERT_EQ(gezocht.nummers, alles.nummers) << geval;
        ASSERT_EQ(gezocht.kostenSom, alles.kostenSom) << geval;
        ASSERT_EQ(gezocht.gewichtSom, alles.gewichtSom) << geval;
        ASSERT_EQ(gezocht.voltooiing, alles.voltooiing) << geval;
    }
    // Narrowing did happen, and often, where the rows have ids to trust;
    // lists kept came back too.
    if (soort != Soort::AlleenLezenZonderId)
    {
        EXPECT_GT(vernauwd, stappen / 5);
    }
    EXPECT_GT(onthouden, stappen / 20);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
} // namespace

TEST(Vernauw, ElkeLijstIsDieVanEenZoektochtDoorHetHeleProject)
{
    typEnVergelijk(Soort::Eigen, 1500);
}

TEST(Vernauw, OokInEenTabelWaarinIdGeenRijIdIs)
{
    for (const Soort soort : {Soort::IdIsGeenRijId, Soort::AlleenLezenZonderId})
    {
        SCOPED_TRACE(static_cast<int>(soort));
        typEnVergelijk(soort, 600);
    }
}
