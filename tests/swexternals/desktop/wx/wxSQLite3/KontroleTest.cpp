// Every statement that writes into the project's file waits for the check
// of the whole file while it runs, whatever way the layer runs it; one on
// the connection's temporary objects does not. A file the check finds
// damaged gets nothing written; one it finds sound is not checked again
// until something else may have changed it.
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace
{
// A disk that holds the reads of the check, on its thread of its own, until
// a write waits for it: five seconds at the most, so that a write that does
// not wait fails the test rather than hang it.
class TrageSchijf
{
public:
    TrageSchijf()
    {
        schijf.zetVoorLezen(
            [this]
            {
                std::unique_lock<std::mutex> wacht(slot);
                if (std::this_thread::get_id() != hoofdDraad)
                    vrij.wait_until(wacht, uiterlijk, [this] { return losgelaten; });
            });
    }
    ~TrageSchijf() { laatLos(); }
    TrageSchijf(const TrageSchijf&) = delete;
    TrageSchijf& operator=(const TrageSchijf&) = delete;

    void laatLos()
    {
        const std::lock_guard<std::mutex> vast(slot);
        losgelaten = true;
        vrij.notify_all();
    }

private:
    VolleSchijfVFS schijf;
    const std::thread::id hoofdDraad = std::this_thread::get_id();
    const std::chrono::steady_clock::time_point uiterlijk = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::mutex slot;
    std::condition_variable vrij;
    bool losgelaten = false;
};

// Its index names another column than the one its entries hold: every read
// of the table is sound, the check of the whole file finds the damage.
const std::initializer_list<const char*> verborgenSchade = {
    "create index I on T (naam)", "pragma writable_schema=1",
    "update sqlite_master set sql='CREATE INDEX I ON T (getal)' where name=='I'"};
} // namespace

TEST_F(DatabaseTest, ElkeSchrijvendeOpdrachtWachtOpDeKontroleVanHetHeleBestand)
{
    const std::pair<const char*, std::function<int(SQLite3Basis&)>> schrijvers[] = {
        {"an insert in auto-commit mode",
         [](SQLite3Basis& db) { return db.executeUpdate("insert into T (naam) values ('c')"); }},
        {"a change whole",
         [](SQLite3Basis& db)
         {
             if (db.zetGeheelSavePoint("geheel") != 0 || db.executeUpdate("insert into T (naam) values ('c')") != 0)
                 return 2;
             return db.bewaarGeheel("geheel");
         }},
        {"a statement prepared before and run later", [](SQLite3Basis& db)
         {
             wxSQLite3Statement opdracht;
             if (db.bereidVoor("insert into T (naam) values (?)", opdracht) != 0 || db.executeSkalair("select 1") != 1)
                 return 2;
             return db.executeUpdate(opdracht, [](wxSQLite3Statement& o) { o.Bind(1, "c"); });
         }}};
    for (const bool beschadigd : {false, true})
        for (const auto& [wat, schrijf] : schrijvers)
        {
            SCOPED_TRACE(std::string(wat) + (beschadigd ? ", damaged" : ""));
            const wxString bestand = testPad(wxString::Format("%s %d.vtd", wat, beschadigd));
            maakProjectBestand(bestand, {"a", "b"},
                               beschadigd ? verborgenSchade : std::initializer_list<const char*>{});
            const std::string bytes = leesBytes(bestand);
            TrageSchijf schijf;
            SQLite3Basis& verbinding = openBestand(bestand);
            int gewacht = 0;
            verbinding.zetKontroleWachter(
                [&](BestandsKontrole& kontrole)
                {
                    ++gewacht;
                    schijf.laatLos();
                    kontrole.wacht(std::chrono::steady_clock::time_point::max());
                });
            // The list's temporary views are made while the check reads.
            EXPECT_EQ(verbinding.executeUpdate("create temporary view V as select naam from T"), 0);
            EXPECT_EQ(gewacht, 0);
            EXPECT_FALSE(verbinding.isKontroleKlaar());

            EXPECT_EQ(schrijf(verbinding), beschadigd ? 2 : 0);
            EXPECT_EQ(gewacht, 1);
            EXPECT_EQ(verbinding.isAlleenLezenDB(), beschadigd);
            stop();
            if (beschadigd)
                EXPECT_TRUE(leesBytes(bestand) == bytes);
            else
                EXPECT_EQ(rijenIn(bestand), 3);
        }
}

namespace
{
// The bytes as they were, written again in place with the modification
// time they had: only the time of the file's own change tells.
void schrijfTerugMetZelfdeTijd(const wxString& pad)
{
    struct stat info;
    ASSERT_EQ(stat(pad.fn_str(), &info), 0);
    schrijfBytes(pad, leesBytes(pad));
    const timespec tijden[2] = {info.st_atim, info.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, pad.fn_str(), tijden, 0), 0);
}

// The same bytes in another file, put in its place.
void vervangDoorKopie(const wxString& pad)
{
    schrijfBytes(pad + ".kopie", leesBytes(pad));
    ASSERT_EQ(std::rename((pad + ".kopie").fn_str(), pad.fn_str()), 0);
}
} // namespace

// A file found sound is not read whole again at its next opening, nor after
// the program's own changes; it is when anything else may have changed it,
// while it was open too, and the program remembers only the files it used
// last.
TEST_F(DatabaseTest, EenGaafBevondenBestandWordtPasNaEenAndereWijzigingWeerGekontroleerd)
{
    const std::pair<const char*, std::function<void(const wxString&)>> wijzigingen[] = {
        {"nothing", nullptr},
        {"a change of the program's own",
         [this](const wxString& bestand) { EXPECT_EQ(openBestand(bestand).executeUpdate("update T set getal=7"), 0); }},
        {"a change of its own larger than its cache",
         [this](const wxString& bestand)
         {
             EXPECT_EQ(openBestand(bestand).executeUpdate("insert into T (naam) select randomblob(4000) from "
                                                          "(with recursive r(i) as (select 1 union all select i+1 "
                                                          "from r where i<3000) select i from r)"),
                       0);
         }},
        {"a commit of another program",
         [](const wxString& bestand) { inBestand(bestand, "update T set getal=8 returning id"); }},
        {"a commit of another program between two of its own",
         [this](const wxString& bestand)
         {
             SQLite3Basis& verbinding = openBestand(bestand);
             EXPECT_EQ(verbinding.executeUpdate("update T set getal=7"), 0);
             inBestand(bestand, "update T set getal=8 returning id");
             EXPECT_EQ(verbinding.executeUpdate("update T set getal=9"), 0);
         }},
        {"the same bytes written again", schrijfTerugMetZelfdeTijd},
        {"a page written in place while it is open, then a commit of its own",
         [this](const wxString& bestand)
         {
             SQLite3Basis& verbinding = openBestand(bestand);
             schrijfPaginaTerug(bestand);
             EXPECT_EQ(verbinding.executeUpdate("update T set getal=7"), 0);
         }},
        {"a page written in place while it is open, then the close",
         [this](const wxString& bestand)
         {
             openBestand(bestand);
             schrijfPaginaTerug(bestand);
         }},
        {"a copy in its place", vervangDoorKopie}};
    for (const bool wal : {true, false})
        for (const auto& [wat, wijzig] : wijzigingen)
        {
            SCOPED_TRACE(std::string(wat) + (wal ? ", WAL" : ", rollback journal"));
            const wxString bestand = testPad(wxString::Format("%s %d.vtd", wat, wal));
            maakProjectBestand(bestand, {"a", "b"}, {wal ? "pragma journal_mode=wal" : "pragma journal_mode=delete"});
            EXPECT_TRUE(isGekontroleerd(bestand));
            if (wijzig)
                wijzig(bestand);
            stop();
            const bool eigen = !wijzig || std::string(wat) == "a change of the program's own" ||
                               (wal && std::string(wat) == "a change of its own larger than its cache");
            EXPECT_EQ(isGekontroleerd(bestand), !eigen);
            EXPECT_FALSE(isGekontroleerd(bestand));
        }

    // The eight files used last, each found sound, are remembered: the
    // first of nine is forgotten.
    std::vector<wxString> bestanden;
    for (size_t i = 0; i < 9; ++i)
    {
        bestanden.push_back(testPad(wxString::Format("%zu.vtd", i)));
        maakProjectBestand(bestanden.back(), {"a"});
        EXPECT_TRUE(isGekontroleerd(bestanden.back()));
    }
    EXPECT_FALSE(isGekontroleerd(bestanden.back()));
    EXPECT_TRUE(isGekontroleerd(bestanden.front()));
}
