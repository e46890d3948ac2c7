// Every statement that writes into the project's file waits for the check
// of the whole file while it runs, whatever way the layer runs it; one on
// the connection's temporary objects does not. A file the check finds
// damaged gets nothing written.
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

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
    const std::chrono::steady_clock::time_point uiterlijk = std::chrono::steady_clock::now() + std::chrono::seconds(5);
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
