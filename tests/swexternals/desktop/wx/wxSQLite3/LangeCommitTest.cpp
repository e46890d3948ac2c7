// A commit within a long read runs while the program gets its turns: it
// ends as any commit ends, on a full disk too.
#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <optional>
#include <thread>
#include <wx/filefn.h>

namespace
{
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

// On a full disk the commit fails as it fails without a hand-over: the same
// words, the change put back open; with room it is stored.
TEST_F(DatabaseTest, EenLangeCommitOpEenVolleSchijfAlsZonderTussendoor)
{
    VolleSchijfVFS schijf;
    wxString meldingen[2];
    for (const bool metTussendoor : {false, true})
    {
        SCOPED_TRACE(metTussendoor);
        // The same file each time, as the messages name it.
        for (const char* achter : {"", "-wal", "-shm"})
            wxRemoveFile(pad + achter);
        maakProjectBestand(pad, {"een", "twee"}, {"pragma journal_mode=wal"});
        SQLite3Basis& verbinding = openBestand(pad);
        ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, wxString()), 0);
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values (" +
                                           SQLite3Basis::quotes(wxString('x', 200000)) + ")"),
                  0);
        CommitDraad commit;
        verbinding.SetCommitHook(&commit);
        verbinding.zetTussendoor([] {});
        std::optional<LangeLezing> lang;
        if (metTussendoor)
            lang.emplace(verbinding);

        logVanger().wis();
        schijf.beperk(3 * 4096);
        EXPECT_EQ(verbinding.stopTransaktie(), 2);
        EXPECT_EQ(commit.draad != std::this_thread::get_id(), metTussendoor);
        meldingen[metTussendoor] = logVanger().geefAlles();
        EXPECT_TRUE(verbinding.rolTerugMogelijk());
        schijf.hefOp();
        EXPECT_EQ(verbinding.stopTransaktie(), 0);
        lang.reset();
        verbinding.SetCommitHook(nullptr);
        stop();
        EXPECT_EQ(inBestand(pad, "pragma integrity_check"), "ok");
        EXPECT_EQ(rijenIn(pad), 3);
    }
    EXPECT_TRUE(meldingen[0].Contains("Nothing was lost")) << meldingen[0];
    EXPECT_EQ(meldingen[0], meldingen[1]);
}
