// A full disk is said to be full, for the file it holds, with what became
// of the data: never taken for a damaged file, never SQLite's bare words.
// The disks are real (a small tmpfs of the test, mounted as root) or run
// out of room in the middle of a commit (a VFS of the test).
#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/Melding.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <fstream>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
class VolleSchijf : public DatabaseTest
{
protected:
    // A project of two rows for the case of that name, in WAL mode or with
    // a rollback journal, opened in manual mode, with a cache so small that
    // a large change spills into the log or the file. Beside it a table of
    // some pages that nothing changes.
    SQLite3Basis& openProject(const wxString& naam, const char* journaal = "wal")
    {
        const wxString bestand = testPad(naam + "-" + journaal + ".vtd");
        maakProjectBestand(bestand, {"een", "twee"},
                           {(std::string("pragma journal_mode=") + journaal).c_str(), "create table U (x)",
                            "with recursive r(i) as (select 1 union all select i + 1 from r where i < 40) "
                            "insert into U select printf('%.1000c', 'u') from r"});
        SQLite3Basis& verbinding = openBestand(bestand);
        EXPECT_EQ(verbinding.executeUpdate("pragma cache_size=8"), 0);
        EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, wxString()), 0);
        return verbinding;
    }
};

// WAL, and the rollback journal of every project before its upgrade and of
// a folder where WAL cannot be used.
const char* const journalen[] = {"wal", "delete"};

wxString volleSchijf(const wxString& pad)
{
    return "The disk that holds the database file \"" + pad + "\" is full.\n";
}

const wxString grooteTekst = SQLite3Basis::quotes(wxString('x', 200000));

// Every row of the file as "id=naam:getal", a long name cut short.
wxString rijenVan(const wxString& pad)
{
    return inBestand(pad, "select group_concat(id || '=' || substr(naam, 1, 6) || ':' || ifnull(getal, 'null'), ',') "
                          "from T");
}

// Another program on the file, through a connection that the full disk
// leaves alone: it runs its statements the moment SQLite takes back the
// transaction of the connection it watches; then, if asked, it spoils the
// header of the log's index, which the next connection to read rebuilds from
// the log, as after a program that stopped in the middle of writing it.
class AnderProgramma : public wxSQLite3Hook
{
public:
    AnderProgramma(const wxString& pad, SQLite3Basis& bewaakt_, std::string opdracht_, bool herbouwIndex_ = false)
        : bewaakt(bewaakt_), opdracht(std::move(opdracht_)), index(herbouwIndex_ ? pad + "-shm" : wxString())
    {
        sqlite3_open_v2(pad.utf8_str(), &db, SQLITE_OPEN_READWRITE, "unix");
        bewaakt.SetRollbackHook(this);
    }
    ~AnderProgramma() override
    {
        if (bewaakt.isDBOpen())
            bewaakt.SetRollbackHook(nullptr);
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    void RollbackCallback() override
    {
        sqlite3_exec(db, std::exchange(opdracht, std::string()).c_str(), nullptr, nullptr, nullptr);
        std::fstream kop(index.utf8_string(), std::ios::in | std::ios::out | std::ios::binary);
        kop.write(std::string(96, '\0').data(), 96);
    }

private:
    SQLite3Basis& bewaakt;
    std::string opdracht;
    wxString index;
    sqlite3* db = nullptr;
};

// Which thread SQLite committed on.
struct CommitDraad : wxSQLite3Hook
{
    std::thread::id draad;
    bool CommitCallback() override
    {
        draad = std::this_thread::get_id();
        return false;
    }
};
} // namespace

// The commit of a change runs out of room after a few pages of its log, and
// SQLite takes the change back: it is put back open, as it was, and says so;
// nothing committed before it is touched, also when it is refused again.
// Once there is room, committing it stores it. Whether the user commits, the
// next change commits it (and is refused), or the end of safe operation
// keeps its changes; in WAL mode and with a rollback journal.
TEST_F(VolleSchijf, EenCommitZonderRuimteHoudtDeWijzigingOpen)
{
    const wxString veilig = "VerelTamsoSafePoint";
    struct Weg
    {
        const char* naam;
        bool veilig;
        std::function<int(SQLite3Basis&)> commit;
        const char* daarna;
        // The large change through a prepared statement with a bound value,
        // as an added requirement is stored.
        bool voorbereid = false;
        // What came before it: the log checkpointed whole, so that the
        // change's first write begins the log again.
        std::function<void(SQLite3Basis&)> vooraf = [](SQLite3Basis&) {};
    };
    const auto checkpoint = [](SQLite3Basis& db) { EXPECT_EQ(db.doeWALCheckpoint(), 0); };
    // SQLite's own checkpoint, after a commit that leaves more pages in the
    // log than its limit (lowered here from 1,000).
    const auto eigenCheckpoint = [](SQLite3Basis& db)
    {
        EXPECT_EQ(db.executeUpdate("pragma wal_autocheckpoint=8"), 0);
        EXPECT_EQ(db.startTransaktie(), 0);
        EXPECT_EQ(db.executeUpdate("update U set x = upper(x)"), 0);
        EXPECT_EQ(db.stopTransaktie(), 0);
    };
    const auto commit = [](SQLite3Basis& db) { return db.stopTransaktie(); };
    const auto volgende = [](SQLite3Basis& db) { return db.startTransaktie(); };
    const auto houd = [&](SQLite3Basis& db) { return db.schakelHandmatigeTransaktie(StandUit, veilig); };
    const char* nietGemaakt =
        "The previous change could not be committed, so this change was not made.\nIt is still open: commit or "
        "undo it.";
    const Weg wegen[] = {
        {"commit", false, commit, ""},
        {"commit of a prepared statement", false, commit, "", true},
        {"the next change", false, volgende, nietGemaakt},
        {"the end of safe operation", true, houd, ""},
        {"commit after a checkpoint", false, commit, "", false, checkpoint},
        {"the next change after a checkpoint", false, volgende, nietGemaakt, false, checkpoint},
        {"commit after SQLite's own checkpoint", false, commit, "", false, eigenCheckpoint},
        // On a thread of its own, while the program gets its turns.
        {"commit within a long read", false,
         [](SQLite3Basis& db)
         {
             CommitDraad commit;
             db.SetCommitHook(&commit);
             db.zetTussendoor([] {});
             const LangeLezing lang(db);
             const int uitkomst = db.stopTransaktie();
             db.SetCommitHook(nullptr);
             EXPECT_NE(commit.draad, std::this_thread::get_id());
             return uitkomst;
         },
         ""},
    };
    for (size_t geval = 0; geval < std::size(journalen) * std::size(wegen); ++geval)
    {
        const char* journaal = journalen[geval / std::size(wegen)];
        const Weg& weg = wegen[geval % std::size(wegen)];
        SCOPED_TRACE(wxString(journaal) + ", " + weg.naam);
        VolleSchijfVFS schijf;
        // A change larger than SQLite's cache, which spills it into the log.
        SQLite3Basis& verbinding = openProject(weg.naam, journaal);
        const wxString bestand = verbinding.geefDBPad().GetFullPath();
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('drie')"), 0);
        ASSERT_EQ(verbinding.stopTransaktie(), 0);
        weg.vooraf(verbinding);
        if (weg.veilig)
        {
            ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, veilig), 0);
        }
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        if (weg.voorbereid)
        {
            wxSQLite3Statement opdracht;
            // A real number that 15 digits would round.
            ASSERT_EQ(verbinding.bereidVoor("insert into T (naam, getal) values (?, ?)", opdracht), 0);
            ASSERT_EQ(verbinding.executeUpdate(opdracht,
                                               [](wxSQLite3Statement& s)
                                               {
                                                   s.Bind(1, wxString('x', 200000));
                                                   s.Bind(2, 0.1 + 0.2);
                                               }),
                      0);
        }
        else
        {
            ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values (" + grooteTekst + ")"), 0);
        }

        const long long overloop = verbinding.executeSkalair("pragma cache_spill");
        schijf.beperk(3 * 4096);
        logVanger().wis();
        EXPECT_EQ(weg.commit(verbinding), 2);
        EXPECT_TRUE(schijf.isVolGeweest());
        EXPECT_TRUE(meldingKop().StartsWith(volleSchijf(bestand) +
                                            "Nothing was lost: the open changes are kept. Commit them once there is "
                                            "room on the disk.\nMake room on the disk, then try again.\n"
                                            "SQLite3 error: \"database or disk is full\""))
            << logVanger().geefAlles();
        if (*weg.daarna)
            EXPECT_TRUE(logVanger().bevat(weg.daarna, wxLOG_Error)) << logVanger().geefAlles();
        else
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        EXPECT_TRUE(weg.veilig ? verbinding.isSavePointBezig() : verbinding.rolTerugMogelijk());
        EXPECT_EQ(tel(), 4);

        // The window reads what it shows while the disk is still full: the
        // change open again stays in SQLite's cache and is not written into
        // the file to make room, so it is there at the next commit.
        schijf.beperk(0);
        EXPECT_EQ(verbinding.executeSkalair("select count(*) from U"), 40);
        EXPECT_EQ(weg.commit(verbinding), 2);
        EXPECT_TRUE(weg.veilig ? verbinding.isSavePointBezig() : verbinding.rolTerugMogelijk());
        EXPECT_EQ(tel(), 4);

        // Safe operation goes on, and its later changes spill again: SQLite's
        // cache keeps a few pages of them, not every page.
        schijf.hefOp();
        const sqlite3_int64 geheugen = sqlite3_memory_used();
        for (int keer = 0; weg.veilig && keer < 5; ++keer)
            EXPECT_EQ(verbinding.executeUpdate("insert into U values (printf('%.200000c', 'v'))"), 0);
        EXPECT_LT(sqlite3_memory_used() - geheugen, 200000);
        EXPECT_EQ(weg.commit(verbinding), 0);
        EXPECT_EQ(verbinding.stopTransaktie(), 0);
        // Committed, the next large change spills again.
        EXPECT_EQ(verbinding.executeSkalair("pragma cache_spill"), overloop);
        stop();
        EXPECT_TRUE(laatNietsAchter(bestand));
        EXPECT_EQ(inBestand(bestand, "pragma integrity_check"), "ok");
        EXPECT_EQ(inBestand(bestand, "select count(*) from T where length(naam)==200000"), "1");
        EXPECT_EQ(inBestand(bestand, "select count(*) from T where getal==0.1+0.2"), weg.voorbereid ? "1" : "0");
        EXPECT_EQ(rijenIn(bestand), 4);
    }
}

// A disk without a byte left: a project in WAL mode cannot even be read,
// since SQLite must make the index of its log beside it. That is said as it
// is; the file is no damaged file, stays as it was, and nothing of the
// attempt stays beside it. At the program's start and when opened.
TEST_F(VolleSchijf, EenVolleSchijfBijHetOpenenIsGeenBeschadigdBestand)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 256 * 1024);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString bestand = wxString::FromUTF8(schijf.geefMap()) + "/p.vtd";
    maakProjectBestand(bestand, {"een", "twee"}, {"pragma journal_mode=wal"});
    const std::string bytes = leesBytes(bestand);
    ASSERT_TRUE(laatNietsAchter(bestand));
    ASSERT_TRUE(schijf.vul(0));

    const std::pair<const char*, std::function<bool()>> wegen[] = {
        {"at the start", [&] { return openBestand(bestand).isDBOpen(); }},
        {"opened",
         [&]
         {
             SQLite3Basis& verbinding = geheugen();
             verbinding.sluitDB();
             return verbinding.open(wxFileName(bestand), false, wxString()) == 0;
         }},
    };
    for (const auto& [weg, open] : wegen)
    {
        SCOPED_TRACE(weg);
        logVanger().wis();
        EXPECT_FALSE(open());
        EXPECT_TRUE(meldingKop().StartsWith(
            volleSchijf(bestand) + "It cannot be opened: SQLite must write beside it. Nothing in it was changed "
                                   "or lost.\nMake room on the disk, then open it again."))
            << logVanger().geefAlles();
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("not a project")) << logVanger().geefAlles();
        EXPECT_TRUE(laatNietsAchter(bestand));
        EXPECT_TRUE(leesBytes(bestand) == bytes);
    }

    // With room again it opens as ever.
    schijf.maakLeeg();
    EXPECT_TRUE(openBestand(bestand).isDBOpen());
    EXPECT_EQ(tel(), 2);
}

// SQLite's temporary folder full where the connection writes nothing into
// the file (opened read-only, or found damaged): a sort that spills out of
// SQLite's cache is refused. Said of that folder, not of the file's disk,
// and nothing is said to be taken back.
TEST_F(VolleSchijf, EenVolleTijdelijkeMapIsGeenVolleSchijfVanHetBestand)
{
    maakProjectBestand(pad, {"een"},
                       {"create table U (x)", "with recursive r(i) as (select 1 union all select i + 1 from r where "
                                              "i < 2000) insert into U select printf('%.500c', 'u') || i from r"});
    VolleSchijfVFS schijf;
    SQLite3Basis& verbinding = openBestand(pad, true);
    ASSERT_TRUE(verbinding.isDBOpen());
    EXPECT_EQ(verbinding.executeUpdate("pragma cache_size=8"), 0);
    schijf.beperk(0);
    logVanger().wis();
    EXPECT_TRUE(verbinding.executeStringKolomQuery("select x from U order by x desc").empty());
    EXPECT_TRUE(schijf.isVolGeweest());
    EXPECT_TRUE(meldingKop().StartsWith("The folder for temporary files \""));
    EXPECT_TRUE(logVanger().bevat("has no room left for the work on the database file \"" + pad +
                                      "\".\nNothing in the database file was changed.\nMake room in that folder, then "
                                      "try again.\nSQLite3 error: ",
                                  wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
}

// Where the user's cache folder keeps which files were found sound, a file
// stands in the way of the program's folder: that a file was found sound
// cannot be noted, and the user is told what that costs, once.
TEST_F(VolleSchijf, EenGaafBestandDatNietOnthoudenKanWordenWordtGezegd)
{
    maakProjectBestand(pad, {"een"});
    ASSERT_TRUE(wxFileName::Mkdir(testPad(".cache")));
    schrijfBytes(testPad(".cache/VerelTamso"), "in the way");
    logVanger().wis();
    EXPECT_EQ(openBestand(pad).controleerBestand(), 0);
    stop();
    EXPECT_TRUE(logVanger().bevat("The database file \"" + pad +
                                      "\" is sound, but this could not be remembered: it is checked again the next "
                                      "time it is opened.",
                                  wxLOG_Warning))
        << logVanger().geefAlles();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 1u) << logVanger().geefAlles();
}

// A few bytes left: the project opens, and a change that needs more room
// than there is gets the words of a full disk, not SQLite's.
TEST_F(VolleSchijf, EenBijnaVolleSchijfWeigertDeWijzigingMetZijnNaam)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 512 * 1024);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString bestand = wxString::FromUTF8(schijf.geefMap()) + "/p.vtd";
    maakProjectBestand(bestand, {"een", "twee"}, {"pragma journal_mode=wal"});
    SQLite3Basis& verbinding = openBestand(bestand);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, wxString()), 0);
    ASSERT_EQ(tel(), 2);
    ASSERT_TRUE(schijf.vul(8192));

    logVanger().wis();
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values (" + grooteTekst + ")"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 2);
    EXPECT_TRUE(meldingKop().StartsWith(volleSchijf(bestand))) << logVanger().geefAlles();
    EXPECT_FALSE(meldingKop().StartsWith("SQLite3 error")) << logVanger().geefAlles();

    stop();
    EXPECT_TRUE(laatNietsAchter(bestand));
    schijf.maakLeeg();
    EXPECT_EQ(inBestand(bestand, "pragma integrity_check"), "ok");
    EXPECT_EQ(rijenIn(bestand), 2);
}

// A commit that the full disk refuses, after which the open changes cannot
// be put back as they stood: they are said to be lost, and nothing of them
// comes back. Another program commits or takes the lock the moment SQLite
// takes them back (an update of row 3, a number the rollback gave back,
// would change that program's row), whichever way the commit comes; the
// record is past its limit; the transaction was begun outside the layer
// after a change that was undone, committed, or made before the file was
// opened again. What a rollback to the savepoint took back no longer
// counts against the limit.
TEST_F(VolleSchijf, WatNietTeruggezetKanWordtVerlorenGemeld)
{
    KorteWachtTijden kort;
    const wxString veilig = "VerelTamsoSafePoint";
    using Stap = std::function<void(SQLite3Basis&)>;
    const Stap wijzig = [](SQLite3Basis& db)
    {
        const wxString opdrachten[] = {"insert into T (naam) values ('drie')", "update T set getal=33 where id==3",
                                       "insert into T (naam) values (" + grooteTekst + ")"};
        for (const wxString& opdracht : opdrachten)
            ASSERT_EQ(db.executeUpdate(opdracht), 0);
    };
    const auto blobs = [](std::vector<size_t> groottes)
    {
        return [=](SQLite3Basis& db)
        {
            wxSQLite3Statement opdracht;
            ASSERT_EQ(db.bereidVoor("insert into T (naam) values (?)", opdracht), 0);
            for (const size_t grootte : groottes)
            {
                const std::vector<unsigned char> bytes(grootte, 'b'); // none: back to the savepoint
                ASSERT_EQ(grootte == 0 ? db.rolTerugTransaktie("VerelTamsoSafePoint")
                                       : db.executeUpdate(opdracht, [&](wxSQLite3Statement& s)
                                                          { s.Bind(1, bytes.data(), static_cast<int>(grootte)); }),
                          0);
            }
        };
    };
    const auto buitenOm = [](const std::function<void(SQLite3Basis&)>& daarna)
    {
        return [=](SQLite3Basis& db)
        {
            ASSERT_EQ(db.executeUpdate("insert into T (naam) values ('weg')"), 0);
            daarna(db);
            db.ExecuteUpdate("begin immediate");
            db.ExecuteUpdate("insert into T (naam) values (" + grooteTekst + ")");
        };
    };
    const Stap commit = [](SQLite3Basis& db) { EXPECT_EQ(db.stopTransaktie(), 2); };
    const Stap houd = [&](SQLite3Basis& db) { EXPECT_EQ(db.schakelHandmatigeTransaktie(StandUit, veilig), 2); };
    const std::string schrijf = "begin immediate; insert into T (naam) values ('vreemd');";
    const wxString gewijzigd = "Another program changed the database file in the meantime.";
    const wxString onvolledig = "No complete record of them was kept, for instance because they were too large.";
    const size_t groot = TransaktieVerslag::geefGrens() / 10 * 6;
    const char* vreemd = "1=een:1,2=twee:2,3=vreemd:null";
    struct Weg
    {
        const char* naam;
        bool veilig;
        Stap wijziging;
        std::string ander;
        Stap commit;
        wxString reden; // empty: kept
        const char* rijen;
        bool herbouwIndex = false;
    };
    const Weg wegen[] = {
        {"commit", false, wijzig, schrijf + "commit", commit, gewijzigd, vreemd},
        {"the next change", false, wijzig, schrijf + "commit",
         [](SQLite3Basis& db) { EXPECT_EQ(db.startTransaktie(), 2); }, gewijzigd, vreemd},
        {"the end of safe operation", true, wijzig, schrijf + "commit", houd, gewijzigd, vreemd},
        {"closing", false, wijzig, schrijf + "commit", [](SQLite3Basis& db) { db.sluitDB(); }, gewijzigd, vreemd},
        {"commit, the log's index rebuilt after it", false, wijzig, schrijf + "commit", commit, gewijzigd, vreemd,
         true},
        {"the lock taken", false, wijzig, schrijf, commit, "Another program held the database file locked.", vreemd},
        {"past the limit", true, blobs({TransaktieVerslag::geefGrens()}), "", houd, onvolledig, "1=een:1,2=twee:2"},
        {"back to the savepoint between", true, blobs({groot, 0, groot}), "", houd, "",
         "1=een:1,2=twee:2,3=bbbbbb:null"},
        {"undone", false, buitenOm([](SQLite3Basis& db) { EXPECT_EQ(db.rolTerugTransaktie(wxString()), 0); }), "",
         commit, onvolledig, "1=een:1,2=twee:2"},
        {"committed", false, buitenOm([](SQLite3Basis& db) { EXPECT_EQ(db.stopTransaktie(), 0); }), "", commit,
         onvolledig, "1=een:1,2=twee:2,3=weg:null"},
        {"opened again", false,
         buitenOm(
             [](SQLite3Basis& db)
             {
                 const wxFileName pad(db.geefDBPad().GetFullPath());
                 db.Close();
                 EXPECT_EQ(db.open(pad, false, wxString()), 0u);
             }),
         "", commit, onvolledig, "1=een:1,2=twee:2"},
        // SQLite takes back the changes open before it too, and drops its
        // cache, which moves its data version as another program's commit
        // would; nobody wrote.
        {"a change refused", false,
         [](SQLite3Basis& db) { ASSERT_EQ(db.executeUpdate("insert into T (naam) values ('drie')"), 0); }, "",
         [](SQLite3Basis& db) { EXPECT_EQ(db.executeUpdate("insert into T (naam) values (" + grooteTekst + ")"), 2); },
         "", "1=een:1,2=twee:2,3=drie:null"},
    };
    for (size_t geval = 0; geval < std::size(journalen) * std::size(wegen); ++geval)
    {
        const char* journaal = journalen[geval / std::size(wegen)];
        const Weg& weg = wegen[geval % std::size(wegen)];
        SCOPED_TRACE(wxString(journaal) + ", " + weg.naam);
        VolleSchijfVFS schijf;
        SQLite3Basis& verbinding = openProject(weg.naam, journaal);
        const wxString bestand = verbinding.geefDBPad().GetFullPath();
        if (weg.veilig)
        {
            ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, veilig), 0);
        }
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        weg.wijziging(verbinding);
        {
            AnderProgramma ander(bestand, verbinding, weg.ander, weg.herbouwIndex);
            schijf.beperk(3 * 4096);
            logVanger().wis();
            weg.commit(verbinding);
            const wxString bleef = weg.reden.empty() ? "Nothing was lost"
                                                     : "The open changes could not be kept: SQLite took them back. "
                                                       "Nothing committed before them was lost.\n" +
                                                           weg.reden + "\nMake room on the disk, then try again.\n";
            EXPECT_TRUE(meldingKop().StartsWith(volleSchijf(bestand) + bleef)) << logVanger().geefAlles().Left(999);
            EXPECT_EQ(verbinding.isSavePointBezig() || verbinding.rolTerugMogelijk(), weg.reden.empty());
        }
        schijf.hefOp();
        if (weg.reden.empty())
        {
            EXPECT_EQ(
                weg.veilig ? verbinding.schakelHandmatigeTransaktie(StandUit, veilig) : verbinding.stopTransaktie(), 0);
        }
        else if (weg.veilig)
        {
            // Safe operation is gone with its savepoint: the connection is
            // back in the mode before it, where a change stays open.
            ASSERT_EQ(verbinding.startTransaktie(), 0);
            ASSERT_EQ(verbinding.executeUpdate("delete from T"), 0);
            EXPECT_TRUE(verbinding.rolTerugMogelijk());
            EXPECT_EQ(verbinding.rolTerugTransaktie(wxString()), 0);
        }
        stop();
        EXPECT_EQ(rijenVan(bestand), weg.rijen);
    }
}
