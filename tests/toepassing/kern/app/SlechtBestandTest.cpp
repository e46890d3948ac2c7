// Bad project files and a locked project as the user meets them, by every
// way of opening: each gives its message, none crashes or hangs, and a file
// that must stay as it was stays so, byte for byte.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/KorteWachtTijden.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/ondersteuning/Waakhond.h"
#include "toepassing/kern/Voortgang.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <wx/filefn.h>

namespace
{
// A project of three requirements, closed as the program closes it; as an
// older version left it, without its list index, or up to date; in WAL mode,
// or as another tool may leave it, with a rollback journal.
std::string maakProject(const wxString& pad, bool metLijstIndex = true, bool metLog = true)
{
    {
        App app;
        EXPECT_EQ(app->openProject(pad), 0);
        voegRijenToe(*app, {{1, "een"}, {2, "twee"}, {3, "drie"}});
        if (!metLijstIndex)
            voerUit(*app, {"drop index RequirementsLijst"});
        app->sluitDB();
    }
    if (!metLog)
    {
        wxSQLite3Database bestand;
        bestand.Open(pad);
        bestand.ExecuteQuery("pragma journal_mode=delete").NextRow();
    }
    return leesBytes(pad);
}

// The same project with the first page of a table or index overwritten:
// the requirements, or the index of their titles.
std::function<std::string(const wxString&)> metBeschadigdePagina(const char* naam, bool metLijstIndex = true,
                                                                 bool metLog = true)
{
    return [=](const wxString& pad)
    {
        std::string bytes = maakProject(pad, metLijstIndex, metLog);
        wxSQLite3Database bestand;
        bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
        const int pagina =
            bestand.ExecuteScalar(wxString("select rootpage from sqlite_master where name=='") + naam + "'");
        const int grootte = bestand.ExecuteScalar("pragma page_size");
        bestand.Close();
        bytes.replace(static_cast<size_t>(pagina - 1) * grootte, 16, 16, '\xff');
        return bytes;
    };
}

// A project of this version in WAL mode with 400 requirements (or
// `rijen`), spoilt where neither the list (read from its index) nor an add
// meets it: a leaf of theirs overwritten (the one after the first `blad`
// by page number, and the last one as well when `ookLaatste`), or in the
// index of another tool on their authors one author changed, which no page
// of the file says. Or as an older version left it, without its list index.
std::function<std::string(const wxString&)> metVerborgenSchade(bool inIndex, bool metLijstIndex = true, int rijen = 400,
                                                               int blad = 5, bool ookLaatste = false)
{
    return [=](const wxString& pad)
    {
        {
            App app;
            EXPECT_EQ(app->openProject(pad), 0);
            voerUit(*app, {wxString::Format("with recursive n(i) as (select 1 union all select i+1 from n where "
                                            "i<%d) insert into "
                                            "Requirements (naam,SR,auteur,beschrijving) select 'Step '||i,i,"
                                            "'Author '||i,printf('%%.*c',200,'x') from n",
                                            rijen),
                           inIndex ? "create index ByAuthor on Requirements (auteur)" : "select 1",
                           metLijstIndex ? "select 1" : "drop index RequirementsLijst"});
            app->sluitDB();
        }
        std::string bytes = leesBytes(pad);
        wxSQLite3Database bestand;
        bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
        const wxString vraag = inIndex ? wxString("select max(pageno) from dbstat where name=='ByAuthor'")
                                       : wxString::Format("select pageno from dbstat where name=='Requirements' "
                                                          "and pagetype=='leaf' order by pageno limit 1 offset %d",
                                                          blad);
        const auto pagina =
            static_cast<size_t>((bestand.ExecuteScalar(vraag) - 1) * bestand.ExecuteScalar("pragma page_size"));
        if (!inIndex && ookLaatste)
            bytes.replace(static_cast<size_t>((bestand.ExecuteScalar("select max(pageno) from dbstat where "
                                                                     "name=='Requirements' and pagetype=='leaf'") -
                                               1) *
                                              bestand.ExecuteScalar("pragma page_size")),
                          16, 16, '\xff');
        if (!inIndex)
            return bytes.replace(pagina, 16, 16, '\xff');
        // The last author in the index's order stays the last.
        const size_t plaats = bytes.find("Author 99", pagina);
        EXPECT_LT(plaats, pagina + 4096);
        return bytes.replace(plaats, 9, "Author 9z");
    };
}

// Another tool's project, without the rule that an I.D number is unique:
// each number of the list stands in one row per time it is named.
std::function<std::string(const wxString&)> metNummers(std::vector<int> nummers)
{
    return [nummers](const wxString& pad)
    {
        {
            wxSQLite3Database ander;
            ander.Open(pad);
            ander.ExecuteUpdate("create table Configuratie (id integer primary key, naam text not null collate nocase, "
                                "valuta text, unique(naam))");
            ander.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null collate nocase, "
                                "SR integer not null, prioriteit integer not null default 1, totaleKosten integer not "
                                "null default 1, status integer default 0, unique(naam))");
            int rij = 0;
            for (const int SR : nummers)
                ander.ExecuteUpdate(
                    wxString::Format("insert into Requirements (naam,SR) values ('Step %d',%d)", ++rij, SR));
        }
        return leesBytes(pad);
    };
}

std::string maakVreemd(const wxString& pad)
{
    {
        wxSQLite3Database ander;
        ander.Open(pad);
        ander.ExecuteUpdate("create table Adressen (naam text, straat text)");
        ander.ExecuteUpdate("insert into Adressen values ('Jan', 'Dorpsstraat 1')");
    }
    return leesBytes(pad);
}

enum class Weg
{
    // The recent files and the command line: a file by its name.
    Bestand,
    OpenDialoog,
    // The project of the configuration, at the program's start.
    Start,
    AlleenLezen
};

const char* naam(Weg weg)
{
    return weg == Weg::Bestand       ? "by name"
           : weg == Weg::OpenDialoog ? "open dialog"
           : weg == Weg::Start       ? "at start"
                                     : "read-only";
}

// Opens the file the way the user did, and starts it as the main window
// does: 0 when the project is started.
int openEnStart(std::optional<App>& app, VraagBeantwoorder& vragen, Weg weg, const wxString& pad)
{
    if (weg == Weg::Start)
    {
        app.emplace();
        (*app)->sluitDB();
        (*app)->zetDBPad(wxFileName(pad));
        (*app)->schakelAlleenLezen(false);
        app.reset(); // its end leaves the path as the writable project of the next start
        app.emplace();
        return (*app)->isDBOpen() ? (*app)->startDatabase() : 100;
    }
    app.emplace();
    (*app)->sluitDB();
    unsigned int geopend = 0;
    if (weg == Weg::Bestand)
        geopend = (*app)->openDB(wxFileName(pad), false, wxString());
    else
    {
        vragen.kies(pad);
        geopend = (*app)->openDB(weg == Weg::AlleenLezen, wxString());
    }
    return geopend != 0 ? 100 + static_cast<int>(geopend) : (*app)->startDatabase();
}
} // namespace

TEST(SlechtBestand, ElkSlechtProjectBestandGeeftZijnMeldingEnBlijftZoAlsHetWas)
{
    struct Geval
    {
        const char* naam;
        std::function<std::string(const wxString&)> maak;
        bool start;          // the project starts
        const char* melding; // an error that says what is wrong
        int toevoegen;       // what adding a requirement gives
        bool onveranderd;    // the file stays byte for byte as it was
        bool alleenLezen;    // opened read-only too: it starts, says the same and refuses the add
    };
    const Geval gevallen[] = {
        {"damaged page", metBeschadigdePagina("Requirements"), true, "is damaged: part of it cannot be read.", 1, true,
         true},
        {"damaged page, rollback journal", metBeschadigdePagina("Requirements", true, false), true,
         "is damaged: part of it cannot be read.", 1, true, true},
        {"damaged index, older project", metBeschadigdePagina("sqlite_autoindex_Requirements_1", false), true,
         "is damaged: part of it cannot be read.", 1, true, true},
        {"damaged index", metBeschadigdePagina("sqlite_autoindex_Requirements_1"), true,
         "is damaged: part of it cannot be read.", 1, true, true},
        {"damaged leaf", metVerborgenSchade(false), true, "is damaged: part of it cannot be read.", 1, true, true},
        {"index unlike its table", metVerborgenSchade(true), true, "is damaged: part of it cannot be read.", 1, true,
         true},
        {"numbers used twice", metNummers({1, 3, 3, 5, 7, 7, 7}), true,
         "is damaged: these I.D numbers are used more than once: 3, 7\n", 1, true, true},
        {"many numbers used twice", metNummers({1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7}), true,
         "is damaged: these I.D numbers are used more than once: 1, 2, 3, 4, 5, \u2026\n", 1, true, false},
        {"foreign database", maakVreemd, false, "is not a project database", 0, true, false},
        {"random bytes",
         [](const wxString&)
         {
             std::string rommel;
             for (int i = 0; i < 5000; ++i)
                 rommel += static_cast<char>((i * 7919 + 13) % 256);
             return rommel;
         },
         false, "is not a project database", 0, true, false},
        {"text", [](const wxString&) { return std::string("Requirements of the new project\n"); }, false,
         "is not a project database", 0, true, false},
        {"empty file", [](const wxString&) { return std::string(); }, true, nullptr, 0, false, false},
    };
    VraagBeantwoorder vragen;
    for (const Geval& geval : gevallen)
        for (const Weg weg : {Weg::Bestand, Weg::OpenDialoog, Weg::Start, Weg::AlleenLezen})
        {
            if (weg == Weg::AlleenLezen && !geval.alleenLezen)
                continue;
            SCOPED_TRACE(std::string(geval.naam) + ", " + naam(weg));
            const wxString pad = testPad(wxString::Format("%s %s.vtd", geval.naam, naam(weg)));
            const std::string bytes = geval.maak(pad);
            schrijfBytes(pad, bytes);
            std::optional<App> app;
            logVanger().wis();
            Waakhond waakhond(std::string(geval.naam) + ", " + naam(weg));
            const int gestart = openEnStart(app, vragen, weg, pad);
            // Found by the start or by the check of the whole file, whose end
            // the program hears of, before anything is written.
            const int gekontroleerd = (*app)->controleerBestand();
            EXPECT_TRUE(gestart != 0 || !geval.melding || gekontroleerd != 0) << logVanger().geefAlles();
            EXPECT_TRUE(gestart != 0 || !geval.melding || (*app)->isAlleenLezenDB());
            EXPECT_EQ(gestart == 0, geval.start) << gestart << "\n" << logVanger().geefAlles();
            if (gestart == 0)
            {
                // The list shows what can be read, or nothing.
                static_cast<void>((*app)->zoekAlles());
                EXPECT_EQ((*app)->voegToe(opgeslagen("nieuw", 99)), weg == Weg::AlleenLezen ? 1 : geval.toevoegen)
                    << logVanger().geefAlles();
            }
            else
            {
                EXPECT_FALSE((*app)->isDBOpen());
                // Not the project of the next start either.
                EXPECT_NE((*app)->geefDBPad().GetFullPath(), pad);
            }
            if (geval.melding)
            {
                EXPECT_TRUE(logVanger().bevat("\"" + pad + "\" " + wxString::FromUTF8(geval.melding), wxLOG_Error))
                    << logVanger().geefAlles();
                // Once, and damage is no clash of titles.
                size_t beschadigd = 0;
                for (const LogVanger::Regel& regel : logVanger().geefRegels())
                    beschadigd += regel.tekst.Contains("is damaged") ? 1 : 0;
                EXPECT_LE(beschadigd, 1u) << logVanger().geefAlles();
                EXPECT_FALSE(logVanger().bevat("An existing requirement has this title already"))
                    << logVanger().geefAlles();
            }
            else
            {
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
            }
            app.reset();
            if (geval.onveranderd || weg == Weg::AlleenLezen)
            {
                EXPECT_TRUE(leesBytes(pad) == bytes);
                // Nor in a log beside it.
                EXPECT_TRUE(laatNietsAchter(pad));
            }
        }
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// A write that comes while the check of the whole file runs (the disk holds
// the check's reads until the write is seen waiting) waits for its end: the
// check finds damage that no read of the program meets, says it once, and
// the write is refused, the project read-only from then on, nothing left
// open to commit. An older file's start, which writes, waits alike and
// shows the project read-only. The file stays as it was.
TEST(SlechtBestand, EenSchrijvendeWijzigingWachtOpDeKontroleVanHetHeleBestand)
{
    const std::thread::id hoofdDraad = std::this_thread::get_id();
    std::mutex slot;
    std::condition_variable vrij;
    bool vasthouden = false;
    bool losgelaten = false;
    std::chrono::steady_clock::time_point uiterlijk;
    // What the waiting write reports lets the check go on.
    struct Loslater : Voortgang
    {
        std::function<void()> laatLos;
        void begin(const wxString&) override {}
        void meld() override { laatLos(); }
        void meldStap(size_t, size_t) override { laatLos(); }
        void eind() override {}
    } loslater;
    loslater.laatLos = [&]
    {
        const std::lock_guard<std::mutex> vast(slot);
        losgelaten = true;
        vrij.notify_all();
    };
    const std::pair<const char*, std::function<int(KernApp&)>> wegen[] = {
        {"an add", [](KernApp& app) { return app.voegToe(opgeslagen("nieuw", 999)); }},
        {"an add in safe operation",
         [](KernApp& app) { return app.schakelSafePoint(StandAan) == 0 ? app.voegToe(opgeslagen("nieuw", 999)) : 0; }},
        {"the start of an older file", nullptr}};
    for (const auto& [weg, schrijf] : wegen)
    {
        SCOPED_TRACE(weg);
        const wxString pad = testPad(wxString(weg) + ".vtd");
        const std::string bytes = metVerborgenSchade(false, schrijf != nullptr)(pad);
        schrijfBytes(pad, bytes);
        {
            VolleSchijfVFS schijf;
            schijf.zetVoorLezen(
                [&]
                {
                    std::unique_lock<std::mutex> wacht(slot);
                    if (vasthouden && std::this_thread::get_id() != hoofdDraad)
                        vrij.wait_until(wacht, uiterlijk, [&] { return losgelaten; });
                });
            App app;
            app->sluitDB();
            vasthouden = true;
            losgelaten = false;
            // Held a minute at the most: the test fails then rather than
            // hang; a busy machine is never that slow.
            uiterlijk = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            logVanger().wis();
            if (!schrijf)
                app->zetVoortgang(&loslater);
            ASSERT_EQ(app->openProject(pad), 0) << logVanger().geefAlles();
            app->zetVoortgang(&loslater);
            if (schrijf)
            {
                EXPECT_EQ(schrijf(*app), 2) << logVanger().geefAlles();
            }
            EXPECT_TRUE(losgelaten);
            EXPECT_TRUE(app->isAlleenLezenDB());
            EXPECT_FALSE(app->rolTerugMogelijk());
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
            EXPECT_TRUE(logVanger().bevat("\"" + pad + "\" is damaged: part of it cannot be read.", wxLOG_Error));
        }
        EXPECT_TRUE(leesBytes(pad) == bytes);
        EXPECT_TRUE(laatNietsAchter(pad));
    }
}

namespace
{
// With SQLite's temporary folder all but full, and a cache of a few pages for its
// temporary tables, the copy of what can be read finds no room: the reads
// then go to the file, and read as much, without a word of the folder.
void leesLeesbaar(bool tijdelijkVol)
{
    const wxString pad = testPad(wxString::Format("damaged %d.vtd", tijdelijkVol));
    schrijfBytes(pad, metVerborgenSchade(false, true, 1000, 40)(pad));
    VolleSchijfVFS schijf;
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    if (tijdelijkVol)
    {
        schijf.beperk(16 * 1024);
        sqlite3_exec(static_cast<sqlite3*>(app->GetDatabaseHandle()), "pragma temp.cache_size=5", nullptr, nullptr,
                     nullptr);
    }
    ASSERT_EQ(app->controleerBestand(), 2);
    logVanger().wis();
    ASSERT_EQ(app->maakLeesbaarDeel(), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_EQ(app->tel("select count(*) from sqlite_temp_master where name=='Requirements leesbaar'"),
              tijdelijkVol ? 0 : 1);
    const std::vector<int> leesbaar = nummers(app->zoekAlles());
    ASSERT_GT(leesbaar.size(), 900u);
    ASSERT_LT(leesbaar.size(), 1000u);
    logVanger().wis();
    for (unsigned int kolom = 0; kolom < VerelTamsoApp::aantalKolommen; ++kolom)
        for (const Sortering richting : {SorteringOplopend, SorteringAflopend})
            for (const wxString zoekTekst : {"", "Step 99"})
                EXPECT_EQ(app->zoek(static_cast<VerelTamsoApp::Kolommen>(kolom), richting, zoekTekst, wxString(),
                                    Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1)
                              .GetCount(),
                          zoekTekst.empty() ? leesbaar.size() : 11u)
                    << kolom << " " << zoekTekst;
    const auto gat = std::adjacent_find(leesbaar.begin(), leesbaar.end(), [](int a, int b) { return b != a + 1; });
    ASSERT_NE(gat, leesbaar.end());
    for (const int SR : {leesbaar.front(), *gat, *(gat + 1), leesbaar.back()})
        EXPECT_EQ(app->geefRequirement(SR).SR, SR);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

} // namespace

// What can still be read of a damaged project is read through its stand-in
// by every sort, in both directions, with and without a search text, and
// one requirement at a time on either side of the damage: none of these
// reads meets the damage again.
TEST(SlechtBestand, WatLeesbaarIsWordtGelezenZonderDeSchadeNogTeRaken)
{
    for (const bool tijdelijkVol : {false, true})
    {
        SCOPED_TRACE(tijdelijkVol ? "SQLite's temporary folder full" : "with room");
        leesLeesbaar(tijdelijkVol);
    }
}

// Of a damaged project the user is told which requirements can still be
// read, true to where the damage lies: at the table's start, only the last
// ones added; in its middle, the first and the last with those between them
// missing; in its middle and at its end, only the first, with all after them
// missing, those on sound pages beyond the damage too. In thousands as
// English groups them.
TEST(SlechtBestand, WatLeesbaarIsZegtWelkDeelOntbreekt)
{
    const int rijen = 1200;
    const auto groep = [](size_t n)
    { return n < 1000 ? wxString::Format("%zu", n) : wxString::Format("%zu,%03zu", n / 1000, n % 1000); };
    const std::pair<int, bool> schades[] = {{0, false}, {40, false}, {40, true}};
    for (const auto& [blad, ookLaatste] : schades)
    {
        SCOPED_TRACE(wxString::Format("leaf %d%s", blad, ookLaatste ? " and the last" : "").ToStdString());
        const wxString pad = testPad(wxString::Format("damaged %d %d.vtd", blad, ookLaatste));
        schrijfBytes(pad, metVerborgenSchade(false, true, rijen, blad, ookLaatste)(pad));
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        ASSERT_EQ(app->controleerBestand(), 2);
        logVanger().wis();
        ASSERT_EQ(app->maakLeesbaarDeel(), 0);
        const std::vector<int> leesbaar = nummers(app->zoekAlles());
        size_t eerste = 0;
        while (eerste < leesbaar.size() && leesbaar[eerste] == static_cast<int>(eerste) + 1)
            ++eerste;
        const size_t laatste = leesbaar.size() - eerste;
        ASSERT_EQ(eerste > 0, blad > 0);
        ASSERT_EQ(laatste > 0, !ookLaatste);
        const wxString verwacht =
            eerste > 0 && laatste > 0 ? "Requirements that can still be read: " + groep(leesbaar.size()) +
                                            ", the first " + groep(eerste) + " and the last " + groep(laatste) +
                                            " in the order they were added. Those added between them are missing."
            : eerste > 0 ? "Requirements that can still be read: the first " + groep(eerste) +
                               " in the order they were added. Those added after them are missing."
                         : "Requirements that can still be read: the last " + groep(laatste) +
                               " in the order they were added. Those added before them are missing.";
        EXPECT_TRUE(logVanger().bevat(verwacht, wxLOG_Warning)) << logVanger().geefAlles();
    }
}

// Damage that only the body of one record holds: the chain of overflow
// pages of a long description, broken at its first page. Its row id, and
// every other row, still read; its description does not.
TEST(SlechtBestand, WatLeesbaarIsLaatEenRijMetEenBeschadigdeLangeTekstWeg)
{
    const wxString pad = testPad("damaged description.vtd");
    const int rijen = 400;
    const int beschadigd = 150;
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        voerUit(*app, {wxString::Format("with recursive n(i) as (select 1 union all select i+1 from n where i<%d) "
                                        "insert into Requirements (naam,SR,auteur,beschrijving) select 'Step '||i,i,"
                                        "'Author '||i,printf('%%.*c',iif(i==%d,20000,200),'x') from n",
                                        rijen, beschadigd)});
        app->sluitDB();
    }
    std::string bytes = leesBytes(pad);
    {
        wxSQLite3Database bestand;
        bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
        const auto eerste = static_cast<size_t>(bestand.ExecuteScalar("select pageno from dbstat where "
                                                                      "name=='Requirements' and pagetype=='overflow' "
                                                                      "and path like '%+000000'") -
                                                1) *
                            static_cast<size_t>(bestand.ExecuteScalar("pragma page_size"));
        // The number of the next page of the chain: one beyond the file.
        bytes.replace(eerste, 4, 4, '\xff');
    }
    schrijfBytes(pad, bytes);
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->controleerBestand(), 2);
    logVanger().wis();
    ASSERT_EQ(app->maakLeesbaarDeel(), 0);
    EXPECT_TRUE(app->isLeesbaarDeel());
    std::vector<int> verwacht(rijen - 1);
    std::iota(verwacht.begin(), verwacht.end(), 1);
    std::for_each(verwacht.begin() + beschadigd - 1, verwacht.end(), [](int& SR) { ++SR; });
    const std::vector<int> leesbaar = nummers(app->zoekAlles());
    EXPECT_EQ(leesbaar, verwacht);
    EXPECT_TRUE(
        logVanger().bevat("Requirements that can still be read: 399, the first 149 and the last 250", wxLOG_Warning))
        << logVanger().geefAlles();
    // What the properties of each requirement show, and the people.
    for (const int SR : leesbaar)
        EXPECT_EQ(app->geefRequirement(SR).beschrijving.size(), 200u) << SR;
    EXPECT_EQ(app->leesAlleWerknemers().size(), static_cast<size_t>(rijen - 1));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A damaged index, its table whole: every requirement can still be read,
// in every order and by a search, and the list, a sort, the figures, the
// people and one requirement each read no more than a small part of the
// pages of the table (their short columns were copied once), where a read
// through the table would read them all, as a long project's list would
// read its whole file for each.
TEST(SlechtBestand, EenBeschadigdeIndexLaatDeLijstLezenZonderDeHeleTabel)
{
    const wxString pad = testPad("damaged index.vtd");
    const int rijen = 400;
    {
        App app;
        ASSERT_EQ(app->openProject(pad), 0);
        voerUit(*app, {wxString::Format("with recursive n(i) as (select 1 union all select i+1 from n where i<%d) "
                                        "insert into Requirements (naam,SR,auteur,beschrijving) select 'Step '||i,i,"
                                        "'Author '||(i%%7),printf('%%.*c',2000,'x') from n",
                                        rijen)});
        app->sluitDB();
    }
    std::string bytes = leesBytes(pad);
    long long tabelPaginas = 0;
    {
        wxSQLite3Database bestand;
        bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
        tabelPaginas = bestand.ExecuteScalar("select count(*) from dbstat where name=='Requirements'");
        const auto index = static_cast<size_t>(bestand.ExecuteScalar("select max(pageno) from dbstat where "
                                                                     "name=='sqlite_autoindex_Requirements_1'") -
                                               1) *
                           static_cast<size_t>(bestand.ExecuteScalar("pragma page_size"));
        bytes.replace(index, 16, 16, '\xff');
    }
    ASSERT_GT(tabelPaginas, 200);
    schrijfBytes(pad, bytes);
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->controleerBestand(), 2);
    logVanger().wis();
    ASSERT_EQ(app->maakLeesbaarDeel(), 0);
    EXPECT_TRUE(logVanger().bevat("All requirements can still be read: 400.")) << logVanger().geefAlles();
    // The pages one read takes from the file, none of them kept from before.
    auto* db = static_cast<sqlite3*>(app->GetDatabaseHandle());
    const auto paginas = [db](const std::function<void()>& lees)
    {
        sqlite3_db_release_memory(db);
        int nu = 0;
        int hoogste = 0;
        sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &nu, &hoogste, 1);
        lees();
        sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &nu, &hoogste, 1);
        return static_cast<long long>(nu);
    };
    const auto zoek = [&](Sortering richting, const wxString& tekst)
    {
        app->vergeetVorigeLijst();
        return nummers(app->zoek(VerelTamsoApp::KolomTitel, richting, tekst, wxString(), Requirement::StatusAlle,
                                 Requirement::TypeAlle, Requirement::FunkTypeAlle, 1));
    };
    std::vector<int> oplopend(rijen);
    std::iota(oplopend.begin(), oplopend.end(), 1);
    std::vector<int> lijst;
    EXPECT_LT(paginas([&] { lijst = nummers(app->zoekAlles()); }), tabelPaginas / 4);
    EXPECT_EQ(lijst, oplopend);
    // By title: "Step 1", "Step 10", "Step 100", ...
    EXPECT_LT(paginas([&] { lijst = zoek(SorteringAflopend, wxString()); }), tabelPaginas / 4);
    ASSERT_EQ(lijst.size(), static_cast<size_t>(rijen));
    EXPECT_EQ(std::vector<int>(lijst.begin(), lijst.begin() + 3), (std::vector<int>{99, 98, 97}));
    long long aantal = 0;
    long long kosten = 0;
    EXPECT_LT(paginas([&] { EXPECT_EQ(app->leesProjektTotalen(aantal, kosten), 0); }), tabelPaginas / 4);
    EXPECT_EQ(aantal, rijen);
    wxArrayString mensen;
    EXPECT_LT(paginas([&] { mensen = app->leesAlleWerknemers(); }), tabelPaginas / 4);
    EXPECT_EQ(mensen.size(), 7u);
    Requirement een;
    EXPECT_LT(paginas([&] { een = app->geefRequirement(200); }), tabelPaginas / 4);
    EXPECT_EQ(een.naam, "Step 200");
    EXPECT_EQ(een.beschrijving.size(), 2000u);
    // A search reads the rich texts as well.
    EXPECT_EQ(zoek(SorteringOplopend, "Step 39"),
              (std::vector<int>{39, 390, 391, 392, 393, 394, 395, 396, 397, 398, 399}));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// Reading what can still be read of a damaged project, stopped by the user
// once its first rows are read: the list holds those, and the user is told
// that it holds only part of the project, and which part.
TEST(SlechtBestand, EenAfgebrokenLezingVanWatLeesbaarIsZegtWelkDeelDeLijstToont)
{
    const wxString pad = testPad("damaged.vtd");
    schrijfBytes(pad, metVerborgenSchade(false, true, 1000, 40)(pad));
    // Cancel, pressed once the work has told of itself a second time.
    struct Ongeduld : Voortgang
    {
        int meldingen = 0;
        void begin(const wxString&) override { meldingen = 0; }
        bool isAfgebroken() const override { return meldingen >= 2; }
        void meld() override { ++meldingen; }
        void meldStap(size_t, size_t) override { ++meldingen; }
        void eind() override {}
    } ongeduld;
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->controleerBestand(), 2);
    app->zetVoortgang(&ongeduld);
    logVanger().wis();
    EXPECT_EQ(app->maakLeesbaarDeel(), 0);
    app->zetVoortgang(nullptr);
    EXPECT_TRUE(app->isLeesbaarDeel());
    // The Cancel stops the scan's statement itself, within its first block
    // of rows at the latest.
    const std::vector<int> gelezen = nummers(app->zoekAlles());
    ASSERT_FALSE(gelezen.empty());
    EXPECT_LE(gelezen.size(), 256u);
    std::vector<int> eerste(gelezen.size());
    std::iota(eerste.begin(), eerste.end(), 1);
    EXPECT_EQ(gelezen, eerste);
    EXPECT_TRUE(logVanger().bevat(wxString::Format("The list shows only part of the project: of the requirements in "
                                                   "the order they were added, the first %zu.\nReading what can "
                                                   "still be read was cancelled.",
                                                   gelezen.size()),
                                  wxLOG_Warning))
        << logVanger().geefAlles();
}

// A read of a damaged project is work the user can stop: a Cancel stops
// the statement that runs, at its next report, for the list, the figures
// and the people alike; the user hears it was cancelled, not of a failure,
// and the next read gives everything that can still be read.
TEST(SlechtBestand, EenAfgebrokenLezingVanEenBeschadigdProjectStoptHaarOpdracht)
{
    const wxString pad = testPad("damaged.vtd");
    schrijfBytes(pad, metVerborgenSchade(false, true, 1000, 40)(pad));
    // Cancel, pressed as soon as the work first says that it goes on.
    struct Stop : Voortgang
    {
        std::vector<std::string> gebeurd;
        void begin(const wxString&) override { gebeurd.push_back("begin"); }
        void beginAfbreekbaar(const wxString&) override { gebeurd.push_back("cancellable"); }
        bool isAfgebroken() const override { return !gebeurd.empty() && gebeurd.back() != "cancellable"; }
        void meld() override { gebeurd.push_back("cancel"); }
        void meldStap(size_t, size_t) override { gebeurd.push_back("cancel"); }
        void eind() override { gebeurd.push_back("end"); }
    } stop;
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->controleerBestand(), 2);
    ASSERT_EQ(app->maakLeesbaarDeel(), 0);
    const size_t leesbaar = app->zoekAlles().size();
    ASSERT_GT(leesbaar, 900u);
    app->vergeetVorigeLijst();
    const std::pair<const char*, std::function<bool(VerelTamsoApp&)>> lezingen[] = {
        {"search",
         [](VerelTamsoApp& a)
         {
             return !a.zoek(VerelTamsoApp::KolomTitel, SorteringOplopend, "Step", wxString(), Requirement::StatusAlle,
                            Requirement::TypeAlle, Requirement::FunkTypeAlle, 1)
                         .IsEmpty();
         }},
        {"figures",
         [](VerelTamsoApp& a)
         {
             long long aantal = 0;
             long long kosten = 0;
             return a.leesProjektTotalen(aantal, kosten) == 0;
         }},
        {"people", [](VerelTamsoApp& a) { return !a.leesAlleWerknemers().IsEmpty(); }},
    };
    for (const auto& [wat, lees] : lezingen)
    {
        SCOPED_TRACE(wat);
        stop.gebeurd.clear();
        logVanger().wis();
        app->zetVoortgang(&stop);
        EXPECT_FALSE(lees(*app));
        app->zetVoortgang(nullptr);
        EXPECT_EQ(stop.gebeurd, (std::vector<std::string>{"cancellable", "cancel", "end"}));
        EXPECT_TRUE(logVanger().bevat("Reading what can still be read was cancelled.", wxLOG_Warning))
            << logVanger().geefAlles();
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        EXPECT_TRUE(lees(*app));
    }
    EXPECT_EQ(app->zoekAlles().size(), leesbaar);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// Files of another tool that this version cannot be brought up to: found
// before anything is written, and shown read-only by every way as Open
// read-only shows them, with the reason when they were opened to be written.
// The file stays as it was.
TEST(SlechtBestand, EenVreemdBestandDatNietBijTeWerkenIsWordtAlleenGelezen)
{
    struct Geval
    {
        const char* naam;
        const char* rijId;    // the row id column of the table of requirements
        const char* opdracht; // after that table
        const char* reden;
        const char* eigenaar = ""; // the rule of that table's owner of each row
    };
    const char* const geweigerd = "The table \"Requirements\" refuses the rows that the program writes into it.\n"
                                  "SQLite3 error: ";
    const Geval gevallen[] = {
        {"no row id", "", "",
         "The table \"Requirements\" lacks the column \"id\", which cannot be added to it.\n"
         "SQLite3 error: \"Cannot add a PRIMARY KEY column\""},
        {"no row id, WAL", "", "pragma journal_mode=wal",
         "The table \"Requirements\" lacks the column \"id\", which cannot be added to it.\n"
         "SQLite3 error: \"Cannot add a PRIMARY KEY column\""},
        {"settings as a view", "id integer primary key,", "create view Configuratie as select 'Kettle' as naam",
         "The name \"Configuratie\" is in use in the file by a view, an index or a table of another kind."},
        {"settings that need a value", "id integer primary key,",
         "create table Configuratie (id integer primary key, naam text, valuta text, eigenaar text not null)",
         "The table \"Configuratie\" cannot take the project's name and currency: its column \"eigenaar\" needs a "
         "value"},
        {"the list index's name taken", "id integer primary key,", "create table RequirementsLijst (x)",
         "The name \"RequirementsLijst\" of the requirement list's index is in use in the file by another table, view "
         "or index."},
        {"an owner that must be given", "id integer primary key,", "",
         "\"NOT NULL constraint failed: Requirements.eigenaar\"", "not null"},
        {"an owner that a check asks for", "id integer primary key,", "",
         "\"CHECK constraint failed: eigenaar is not null\"", "check (eigenaar is not null)"},
        {"a trigger that refuses an add", "id integer primary key,",
         "create trigger weiger before insert on Requirements begin select raise(abort,'Only the kettle adds'); end",
         "\"Only the kettle adds\""},
        {"settings with a check", "id integer primary key,",
         "create table Configuratie (id integer primary key, naam text check (naam is not null), valuta text)",
         "The table \"Configuratie\" refuses the rows that the program writes into it.\n"
         "SQLite3 error: \"CHECK constraint failed: naam is not null\""},
        {"a title in other letters", "id integer primary key,", "alter table Requirements rename column naam to NAAM",
         "The table \"Requirements\" cannot get the column \"naam\": it has the column \"NAAM\" already, whose name "
         "differs only in upper and lower case."},
    };
    VraagBeantwoorder vragen;
    for (const Geval& geval : gevallen)
        for (const Weg weg : {Weg::Bestand, Weg::OpenDialoog, Weg::Start, Weg::AlleenLezen})
        {
            SCOPED_TRACE(std::string(geval.naam) + ", " + naam(weg));
            const wxString pad = testPad(wxString::Format("%s %s.vtd", geval.naam, naam(weg)));
            {
                wxSQLite3Database ander;
                ander.Open(pad);
                ander.ExecuteUpdate(wxString::Format(
                    "create table Requirements (%s SR integer, naam text, prioriteit integer, eigenaar text %s)",
                    geval.rijId, geval.eigenaar));
                ander.ExecuteUpdate("insert into Requirements (SR,naam,prioriteit,eigenaar) values "
                                    "(4,'Boil',2,'Eva'),(9,'Pour',1,'Eva')");
                if (*geval.opdracht)
                    ander.ExecuteUpdate(geval.opdracht);
            }
            const std::string bytes = leesBytes(pad);
            std::optional<App> app;
            logVanger().wis();
            ASSERT_EQ(openEnStart(app, vragen, weg, pad), 0) << logVanger().geefAlles();
            EXPECT_TRUE((*app)->isAlleenLezenDB());
            EXPECT_EQ(nummers((*app)->zoekAlles()), (std::vector<int>{4, 9}));
            EXPECT_EQ((*app)->voegToe(opgeslagen("nieuw", 99)), 1);
            EXPECT_EQ(logVanger().bevat("\"" + pad +
                                            "\" cannot be brought up to date for this version of the program. It is "
                                            "opened in read-only mode and left as it is.\n" +
                                            (*geval.reden == '"' ? geweigerd : "") + geval.reden,
                                        wxLOG_Warning),
                      weg != Weg::AlleenLezen)
                << logVanger().geefAlles();
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
            app.reset();
            EXPECT_TRUE(leesBytes(pad) == bytes);
            EXPECT_TRUE(laatNietsAchter(pad));
        }
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// An older project whose upgrade the disk has no room for, wherever the
// room runs out (the trial before it, the upgrade, its commit, the switch of
// the journal), in a small project and in one whose new index spills out of
// SQLite's cache into the file: one plain message, the project shown
// read-only with all its rows, the file as it was and nothing beside it,
// also after closing on the full disk. With room for the upgrade but not for
// the log's index (some 24 KB free), it is written in the journal it had.
TEST(SlechtBestand, EenOpwaarderingZonderRuimteOpentAlleenLezen)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 12 << 20);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    VraagBeantwoorder vragen;
    for (const int rijen : {3, 5000})
    {
        const wxString pad = wxString::Format("%s/old %d.vtd", wxString::FromUTF8(schijf.geefMap()), rijen);
        {
            wxSQLite3Database oud;
            oud.Open(pad);
            oud.ExecuteUpdate("create table Configuratie (id integer primary key, naam text, valuta text)");
            oud.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null collate nocase, "
                              "SR integer not null, unique(naam), unique(SR))");
            oud.ExecuteUpdate(wxString::Format(
                "with recursive n(i) as (select 1 union all select i+1 from n where i<%d) insert into Requirements "
                "(naam,SR) select printf('%%.*c',400,'x')||i,i from n",
                rijen));
        }
        const std::string bytes = leesBytes(pad);
        for (const Weg weg : {Weg::Bestand, Weg::OpenDialoog, Weg::Start})
            for (size_t vrij = 0;; vrij = vrij * 2 + 8192)
            {
                SCOPED_TRACE(wxString::Format("%d rows, %s, %zu bytes free", rijen, naam(weg), vrij).ToStdString());
                schrijfBytes(pad, bytes);
                ASSERT_TRUE(schijf.vul(vrij));
                std::optional<App> app;
                logVanger().wis();
                ASSERT_EQ(openEnStart(app, vragen, weg, pad), 0) << logVanger().geefAlles();
                const bool alleenLezen = (*app)->isAlleenLezenDB();
                EXPECT_TRUE(alleenLezen || vrij > 8192u);
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), alleenLezen ? 1u : 0u) << logVanger().geefAlles();
                EXPECT_EQ((*app)->zoekAlles().GetCount(), static_cast<size_t>(rijen));
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
                EXPECT_TRUE(!alleenLezen ||
                            logVanger().bevat("There is not enough room on the disk to bring the project \"" + pad +
                                                  "\" up to date for this version of the program. It is opened in "
                                                  "read-only mode and left as it is.\nMake room on the disk, then "
                                                  "open it again.\nSQLite3 error: ",
                                              wxLOG_Warning))
                    << logVanger().geefAlles();
                // Closed on the disk as full as it is.
                app.reset();
                schijf.maakLeeg();
                EXPECT_TRUE(laatNietsAchter(pad));
                if (!alleenLezen)
                    break;
                EXPECT_TRUE(leesBytes(pad) == bytes);
            }
        // The next start's project is not on the small disk.
        EXPECT_EQ(App()->openProject(testPad("elsewhere.vtd")), 0);
    }
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// The same upgrade with room on the project's disk, where SQLite's folder
// for temporary files, on a disk of its own, has none for the sort of the
// new index: the message names that folder, not the disk, and the project
// is shown read-only with all its rows, the file as it was.
TEST(SlechtBestand, EenOpwaarderingZonderTijdelijkeRuimteNoemtDieMap)
{
    KleineSchijf schijf((testMap() / "tijdelijk").string(), 1 << 20);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString pad = testPad("old.vtd");
    {
        wxSQLite3Database oud;
        oud.Open(pad);
        oud.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null collate nocase, "
                          "SR integer not null, unique(naam), unique(SR))");
        oud.ExecuteUpdate("with recursive n(i) as (select 1 union all select i+1 from n where i<10000) insert into "
                          "Requirements (naam,SR) select printf('%.*c',400,'x')||i,i from n");
    }
    const std::string bytes = leesBytes(pad);
    // Where SQLite makes its temporary files, before its environment.
    struct TijdelijkeMap
    {
        char* vorige = sqlite3_temp_directory;
        explicit TijdelijkeMap(const std::string& map) { sqlite3_temp_directory = sqlite3_mprintf("%s", map.c_str()); }
        ~TijdelijkeMap() { sqlite3_free(std::exchange(sqlite3_temp_directory, vorige)); }
    } tijdelijk(schijf.geefMap());
    ASSERT_TRUE(schijf.vul(0));
    VraagBeantwoorder vragen;
    std::optional<App> app;
    logVanger().wis();
    ASSERT_EQ(openEnStart(app, vragen, Weg::Bestand, pad), 0) << logVanger().geefAlles();
    EXPECT_TRUE((*app)->isAlleenLezenDB());
    EXPECT_EQ((*app)->zoekAlles().GetCount(), 10000u);
    EXPECT_TRUE(logVanger().bevat("The folder for temporary files \"" + wxString::FromUTF8(schijf.geefMap()) +
                                      "\" has no room left to bring the project \"" + pad +
                                      "\" up to date for this version of the program. It is opened in read-only "
                                      "mode and left as it is.\nMake room in that folder, then open the project "
                                      "again.\nSQLite3 error: ",
                                  wxLOG_Warning))
        << logVanger().geefAlles();
    EXPECT_FALSE(logVanger().bevat("on the disk")) << logVanger().geefAlles();
    app.reset();
    EXPECT_TRUE(leesBytes(pad) == bytes);
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// A project in a rollback journal started on a disk with little room, then
// its first change: more room never gives a worse result. A start that
// switches to the write-ahead log leaves room for the log to take the
// change; with less, the project keeps its journal, which takes it. A
// project of this version, and an older one that the start brings up to
// date; a first change that adds a short requirement, one whose long title
// splits the full leaves of the table and of two of its indexes, and one
// with a long text.
TEST(SlechtBestand, MeerRuimteMaaktDeEersteWijzigingNooitSlechter)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 4 << 20);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    struct Wijziging
    {
        const char* naam;
        int rijen;
        int titel;
        int tekst;
        // Pages that the change adds to the file at least.
        long long groei;
    };
    const Wijziging wijzigingen[] = {{"a short add", 3, 1, 0, 0},
                                     {"an add that splits full leaves", 4, 900, 0, 6},
                                     {"an add with a 20 KB text", 3, 1, 20 * 1024, 5}};
    for (const bool oud : {false, true})
        for (const Wijziging& wijziging : wijzigingen)
        {
            const wxString pad = wxString::FromUTF8(schijf.geefMap()) + (oud ? "/old.vtd" : "/p.vtd");
            if (wxFileExists(pad))
                wxRemoveFile(pad);
            const wxString rijen = wxString::Format(
                "with recursive n(i) as (select 1 union all select i+1 from n where i<%d) insert into Requirements "
                "(naam,SR) select printf('%%.*c',%d,'n')||i,i from n",
                wijziging.rijen, wijziging.titel);
            if (!oud)
            {
                App app;
                ASSERT_EQ(app->openProject(pad), 0);
                voerUit(*app, {rijen});
            }
            {
                wxSQLite3Database bestand;
                bestand.Open(pad);
                if (oud)
                {
                    bestand.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null "
                                          "collate nocase, SR integer not null, unique(naam), unique(SR))");
                    bestand.ExecuteUpdate(rijen);
                }
                else
                    bestand.ExecuteQuery("pragma journal_mode=delete").NextRow();
            }
            const std::string bytes = leesBytes(pad);
            Requirement nieuw = opgeslagen("New", wijziging.rijen + 1);
            nieuw.naam = wxString('z', wijziging.titel);
            nieuw.beschrijving = wxString('y', wijziging.tekst);
            bool eerderBewaard = false;
            bool eerderLog = false;
            for (size_t vrij = 16 * 1024; vrij <= 320 * 1024; vrij += 8192)
            {
                SCOPED_TRACE(wxString::Format("%s, %s, %zu bytes free", pad, wijziging.naam, vrij).ToStdString());
                schrijfBytes(pad, bytes);
                ASSERT_TRUE(schijf.vul(vrij));
                bool log = false;
                {
                    App app;
                    ASSERT_EQ(app->openProject(pad), 0) << logVanger().geefAlles();
                    log = app->geefHuidigeJournaalMode() == SQLite3Basis::JournaalWAL;
                    if (app->voegToe(nieuw) == 0)
                        static_cast<void>(app->stopTransaktie());
                }
                schijf.maakLeeg();
                EXPECT_TRUE(laatNietsAchter(pad));
                wxSQLite3Database bestand;
                bestand.Open(pad);
                const bool bewaard = bestand.ExecuteScalar(wxString::Format(
                                         "select count(*) from Requirements where SR==%d", wijziging.rijen + 1)) == 1;
                EXPECT_TRUE(bewaard || !log) << "the log refused the first change";
                EXPECT_TRUE(bewaard || !eerderBewaard) << "less room stored it";
                EXPECT_TRUE(!bewaard || leesBytes(pad).size() >= bytes.size() + wijziging.groei * 4096);
                eerderBewaard = eerderBewaard || bewaard;
                eerderLog = eerderLog || log;
            }
            EXPECT_TRUE(eerderBewaard && eerderLog) << wijziging.naam;
        }
}

// Another program holds the project's write lock while the user adds a
// requirement: the add is refused with the message, nothing stays open to
// undo, the change before it stays committed, and the list shows what the
// other program commits as soon as it does.
TEST(SlechtBestand, EenVergrendeldProjectWeigertDeWijzigingEnLaatNietsOpen)
{
    const KorteWachtTijden kort;
    const wxString pad = testPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->voegToe(opgeslagen("een", 1)), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);

    wxSQLite3Database ander;
    ander.Open(pad);
    ander.ExecuteUpdate("begin immediate");
    ander.ExecuteUpdate("insert into Requirements (SR,naam) values (7,'van de ander')");
    logVanger().wis();
    {
        Waakhond waakhond("an add while another program holds the lock");
        EXPECT_EQ(app->voegToe(opgeslagen("twee", 2)), 2);
    }
    EXPECT_TRUE(
        logVanger().bevat("The database is locked by another program. Close it there and try again.", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_FALSE(app->rolTerugMogelijk());
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    ander.ExecuteUpdate("commit");
    EXPECT_EQ(nummers(app->zoekAlles()), (std::vector<int>{1, 7}));

    ASSERT_EQ(app->voegToe(opgeslagen("twee", 2)), 0);
    EXPECT_TRUE(app->rolTerugMogelijk());
    EXPECT_EQ(nummers(*app), "een=1,twee=2,van de ander=7");
}
