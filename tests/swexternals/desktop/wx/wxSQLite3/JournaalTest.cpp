#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

namespace
{
class Journaal : public DatabaseTest
{
protected:
    // What SQLite itself says, through a connection of its own.
    static wxString modeVan(const wxString& pad)
    {
        wxSQLite3Database ander;
        ander.Open(pad);
        wxSQLite3ResultSet rij = ander.ExecuteQuery("pragma journal_mode");
        rij.NextRow();
        return rij.GetString(0);
    }
};
} // namespace

TEST_F(Journaal, EenProjectbestandGaatOpWALEnHoudtDatBijDeVolgendeStart)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    EXPECT_EQ(verbinding.leesHuidigeJournaalMode(), SQLite3Basis::JournaalDelete);
    EXPECT_EQ(verbinding.leesHuidigeSynchronisatie(), SQLite3Basis::SynchronisatieFull);
    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), SQLite3Basis::JournaalWAL);
    stop();
    EXPECT_EQ(modeVan(pad), "wal");

    SQLite3Basis& volgende = openBestand(pad);
    EXPECT_EQ(volgende.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 5);

    // Leaving WAL: back to a plain journal, the data all in the file.
    EXPECT_EQ(volgende.schakelMode(SQLite3Basis::JournaalDelete, SQLite3Basis::SynchronisatieFull), 0);
    EXPECT_EQ(volgende.geefHuidigeJournaalMode(), SQLite3Basis::JournaalDelete);
    stop();
    EXPECT_FALSE(wxFileExists(pad + "-wal"));
    EXPECT_EQ(modeVan(pad), "delete");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Journaal, EenGeheugenDatabaseHoudtZijnJournaalMaarNietZijnSynchronisatie)
{
    SQLite3Basis& verbinding = geheugen();
    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 1);
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), SQLite3Basis::JournaalMemory);
    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieNormal), 0);
    EXPECT_EQ(verbinding.leesHuidigeSynchronisatie(), SQLite3Basis::SynchronisatieNormal);
    EXPECT_EQ(verbinding.zetGoedeSynchronisatieBijJournalling(), 0);
    EXPECT_EQ(verbinding.geefHuidigeSynchronisatie(), SQLite3Basis::SynchronisatieFull);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Journaal, DeGoedeSynchronisatieHangtAfVanHetJournaal)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad);
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    EXPECT_EQ(verbinding.zetGoedeSynchronisatieBijJournalling(), 0);
    EXPECT_EQ(verbinding.geefHuidigeSynchronisatie(), SQLite3Basis::SynchronisatieNormal);
    EXPECT_EQ(verbinding.zetGoedeSynchronisatieBijJournalling(), 0);
    ASSERT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalDelete, SQLite3Basis::SynchronisatieNormal), 0);
    EXPECT_EQ(verbinding.zetGoedeSynchronisatieBijJournalling(), 0);
    EXPECT_EQ(verbinding.leesHuidigeSynchronisatie(), SQLite3Basis::SynchronisatieFull);
    EXPECT_EQ(verbinding.doeWALCheckpoint(), 0);
}

TEST_F(Journaal, EenOpenWijzigingWordtBewaardEnDeHandmatigeModusBlijft)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='bewaard'"), 0);

    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), SQLite3Basis::JournaalWAL);
    EXPECT_TRUE(verbinding.isHandmatigIngeschakeld());
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "", SorteringGeen, ""), "bewaard");

    // Nothing to change: the mode comes back all the same.
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 5);
    EXPECT_TRUE(verbinding.isHandmatigIngeschakeld());
}

// With a change pending SQLite answers a journal mode it cannot take with the
// one it keeps, without an error: that is a failure, not a success.
TEST_F(Journaal, EenGeweigerdJournaalWordtGemeld)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad);
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.executeUpdate("begin transaction"), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('x')"), 0);
    EXPECT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 2);
    EXPECT_TRUE(logVanger().bevat("The journal mode could not be changed to \"WAL\".", wxLOG_Error));
    EXPECT_EQ(verbinding.geefHuidigeJournaalMode(), SQLite3Basis::JournaalDelete);
    ASSERT_EQ(verbinding.executeUpdate("commit transaction"), 0);

    // A read-only project keeps the journal of its file, without an error.
    stop();
    logVanger().wis();
    SQLite3Basis& alleenLezen = openBestand(pad, true);
    EXPECT_EQ(alleenLezen.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 1);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
