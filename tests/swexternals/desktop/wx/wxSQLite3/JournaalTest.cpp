#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

namespace
{
using S = SQLite3Basis;
using Journaal = DatabaseTest;
} // namespace

TEST_F(Journaal, EenProjectbestandGaatOpWALEnHoudtDatBijDeVolgendeStart)
{
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='bewaard'"), 0);
    // The open change is committed first; manual mode stays on.
    EXPECT_EQ(verbinding.schakelMode(S::JournaalWAL, S::SynchronisatieFull), 0);
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), S::JournaalWAL);
    EXPECT_TRUE(verbinding.isHandmatigIngeschakeld());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    stop();
    EXPECT_EQ(inBestand(pad, "pragma journal_mode"), "wal");

    SQLite3Basis& volgende = openBestand(pad);
    EXPECT_EQ(volgende.schakelMode(S::JournaalWAL, S::SynchronisatieFull), 5);
    EXPECT_EQ(volgende.zetGoedeSynchronisatieBijJournalling(), 0);
    EXPECT_EQ(volgende.geefHuidigeSynchronisatie(), S::SynchronisatieNormal);
    EXPECT_EQ(volgende.schakelMode(S::JournaalDelete, S::SynchronisatieNormal), 0);
    EXPECT_EQ(volgende.zetGoedeSynchronisatieBijJournalling(), 0);
    EXPECT_EQ(volgende.leesHuidigeSynchronisatie(), S::SynchronisatieFull);
    stop();
    EXPECT_FALSE(wxFileExists(pad + "-wal"));
    EXPECT_EQ(inBestand(pad, "pragma journal_mode"), "delete");
    EXPECT_EQ(openBestand(pad).leesKolomWaarde("T", "naam", "", SorteringGeen, ""), "bewaard");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Journaal, EenGeheugenDatabaseHoudtZijnJournaalMaarNietZijnSynchronisatie)
{
    SQLite3Basis& verbinding = geheugen();
    EXPECT_EQ(verbinding.schakelMode(S::JournaalWAL, S::SynchronisatieFull), 1);
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), S::JournaalMemory);
    EXPECT_EQ(verbinding.schakelMode(S::JournaalWAL, S::SynchronisatieNormal), 0);
    EXPECT_EQ(verbinding.leesHuidigeSynchronisatie(), S::SynchronisatieNormal);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// With a change pending SQLite answers a journal mode it cannot take with the
// one it keeps, without an error: that is a failure, not a success.
TEST_F(Journaal, EenGeweigerdJournaalWordtGemeld)
{
    maakProjectBestand(pad);
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.executeUpdate("begin transaction; insert into T (naam) values ('x')"), 0);
    EXPECT_EQ(verbinding.schakelMode(S::JournaalWAL, S::SynchronisatieFull), 2);
    EXPECT_TRUE(logVanger().bevat("The journal mode could not be changed to \"WAL\".", wxLOG_Error));
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), S::JournaalDelete);

    // A read-only project keeps the journal of its file, without an error.
    logVanger().wis();
    EXPECT_EQ(openBestand(pad, true).schakelMode(S::JournaalWAL, S::SynchronisatieFull), 1);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// WAL cannot be left while another program reads: that failure stays the
// result when the synchronous setting, asked in the same call, did change.
TEST_F(Journaal, EenMislukteJournaalWisselBlijftEenFoutOokAlsDeSynchronisatieLukt)
{
    maakProjectBestand(pad);
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelMode(S::JournaalWAL, S::SynchronisatieFull), 0);
    wxSQLite3Database lezer;
    lezer.Open(pad);
    lezer.Begin();
    lezer.ExecuteQuery("select * from T").NextRow();
    verbinding.SetBusyTimeout(10);
    EXPECT_EQ(verbinding.schakelMode(S::JournaalDelete, S::SynchronisatieNormal), 2);
    EXPECT_EQ(verbinding.leesHuidigeJournaalMode(), S::JournaalWAL);
    EXPECT_EQ(verbinding.leesHuidigeSynchronisatie(), S::SynchronisatieNormal);
    EXPECT_TRUE(logVanger().bevat("database is locked", wxLOG_Error)) << logVanger().geefAlles();
    lezer.Rollback();
}
