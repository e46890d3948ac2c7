// The version of a file in WAL mode is the header of its log's index: every
// commit counts there, also one whose other traces happen to be the same.
#include "swexternals/desktop/wx/wxSQLite3/BestandsVersie.h"

#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <fstream>

namespace
{
struct Verbinding : wxSQLite3Database
{
    using wxSQLite3Database::GetDatabaseHandle;
};

// SQLite keeps the index's header twice; its count of commits lies at byte
// 8 of each.
void zetTeller(const wxString& index, unsigned char waarde)
{
    std::fstream bestand(index.fn_str(), std::ios::in | std::ios::out | std::ios::binary);
    for (const std::streamoff plaats : {8, 48 + 8})
    {
        bestand.seekp(plaats);
        bestand.put(static_cast<char>(waarde));
    }
}
} // namespace

TEST(BestandsVersie, DeTellerVanDeCommitsAlleenMaaktEenAndereVersie)
{
    const wxString pad = testPad("wal.vtd");
    maakProjectBestand(pad, {"a"}, {"pragma journal_mode=wal"});
    Verbinding db;
    db.Open(pad);
    db.ExecuteUpdate("update T set getal=2");
    auto* verbinding = static_cast<sqlite3*>(db.GetDatabaseHandle());
    const BestandsVersie voor = BestandsVersie::lees(verbinding);
    ASSERT_TRUE(voor.isBekend());
    EXPECT_EQ(BestandsVersie::lees(verbinding), voor);
    zetTeller(pad + "-shm", 200);
    EXPECT_NE(BestandsVersie::lees(verbinding), voor);
}
