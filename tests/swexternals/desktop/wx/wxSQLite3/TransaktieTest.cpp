#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

namespace
{
class Transaktie : public DatabaseTest
{
protected:
    SQLite3Basis& project()
    {
        const wxString pad = testPad("p.vtd");
        maakProjectBestand(pad, {"een"});
        SQLite3Basis& verbinding = openBestand(pad);
        EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
        return verbinding;
    }

    // One user command: open the transaction, then change.
    int verander(const wxString& opdracht)
    {
        const int start = db->startTransaktie();
        return start != 0 ? start : db->executeUpdate(opdracht);
    }

    wxString naam() { return db->leesKolomWaarde("T", "naam", "id==1", SorteringGeen, ""); }
};
} // namespace

TEST_F(Transaktie, DrieWijzigingenEnEenUndoLatenDeTweedeStaan)
{
    SQLite3Basis& verbinding = project();
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    ASSERT_EQ(verander("update T set naam='twee' where id==1"), 0);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());
    ASSERT_EQ(verander("update T set naam='drie' where id==1"), 0);
    ASSERT_EQ(verander("update T set naam='vier' where id==1"), 0);
    EXPECT_TRUE(verbinding.rolTerugMogelijk());

    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 0);
    EXPECT_EQ(naam(), "drie");
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    // Undo goes back one change only.
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    EXPECT_EQ(naam(), "drie");
}

TEST_F(Transaktie, CommitBewaartEnZonderOpenWijzigingDoenCommitEnUndoNiets)
{
    SQLite3Basis& verbinding = project();
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);

    ASSERT_EQ(verander("update T set naam='twee' where id==1"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_EQ(naam(), "twee");

    // Switching manual mode on again commits the open change.
    ASSERT_EQ(verander("update T set naam='drie' where id==1"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_EQ(naam(), "drie");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Transaktie, VeiligeModusVerzameltAllesOnderEenSavepoint)
{
    SQLite3Basis& verbinding = project();
    ASSERT_EQ(verander("update T set naam='voor' where id==1"), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "VerelTamsoSafePoint"), 0);
    EXPECT_TRUE(verbinding.isSavePointBezig());
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());

    ASSERT_EQ(verander("update T set naam='a' where id==1"), 0);
    ASSERT_EQ(verander("insert into T (naam) values ('b')"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 1);
    EXPECT_EQ(verbinding.rolTerugTransaktie("VerelTamsoSafePoint"), 0);
    EXPECT_EQ(naam(), "voor");
    EXPECT_EQ(tel(), 1);
    // The savepoint stays: roll back to it again after more changes.
    ASSERT_EQ(verander("update T set naam='c' where id==1"), 0);
    EXPECT_EQ(verbinding.rolTerugTransaktie("VerelTamsoSafePoint"), 0);
    EXPECT_EQ(naam(), "voor");

    ASSERT_EQ(verander("update T set naam='houden' where id==1"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 2);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandUit, "VerelTamsoSafePoint"), 0);
    EXPECT_FALSE(verbinding.isSavePointBezig());
    // Released to autocommit: a change starts no transaction until manual
    // mode is switched on again.
    EXPECT_EQ(verbinding.startTransaktie(), 0);
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    stop();

    openBestand(testPad("p.vtd"));
    EXPECT_EQ(naam(), "houden");
}

TEST_F(Transaktie, VerkeerdeStandenEnNamenVeranderenNiets)
{
    SQLite3Basis& verbinding = project();
    ASSERT_EQ(verander("update T set naam='open' where id==1"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandOm, ""), 3);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandOnbekend, "S"), 2);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandUit, "S"), 3);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());

    // A name that is no plain identifier never reaches the SQL.
    logVanger().wis();
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "x; drop table T"), 2);
    EXPECT_TRUE(logVanger().bevat("Invalid savepoint name:", wxLOG_Error));
    EXPECT_FALSE(verbinding.isSavePointBezig());
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(tel(), 1);
}

TEST_F(Transaktie, SluitenGeeftDeSavepointsVrijVanNieuwNaarOud)
{
    SQLite3Basis& verbinding = project();
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "A"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='a' where id==1"), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "B"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='b' where id==1"), 0);
    verbinding.sluitDB();
    EXPECT_FALSE(verbinding.isDBOpen());
    EXPECT_FALSE(verbinding.isSavePointBezig());
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusGesloten);
    verbinding.sluitDB();
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    openBestand(testPad("p.vtd"));
    EXPECT_EQ(naam(), "b");
}

// A deferred foreign key makes the commit of the previous change fail. That
// failure is reported, the new change is not made, the open transaction
// stays visible, and the close commits once the fault is mended.
TEST_F(Transaktie, EenMislukteCommitWordtNooitVerborgen)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {"een"});
    voerUitOp(pad, "create table K (t integer references T(id) deferrable initially deferred)");
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.executeUpdate("pragma foreign_keys=on"), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);

    ASSERT_EQ(verander("insert into K values (99)"), 0);
    logVanger().wis();
    EXPECT_EQ(verbinding.startTransaktie(), 2);
    EXPECT_TRUE(logVanger().bevat("FOREIGN KEY constraint failed", wxLOG_Error));
    EXPECT_TRUE(logVanger().bevat("The previous change could not be committed.", wxLOG_Error));
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());

    // A caller that goes on regardless changes nothing.
    EXPECT_EQ(verbinding.executeUpdate("update T set naam='nieuw' where id==1"), 2);
    EXPECT_TRUE(logVanger().bevat("this change was not made", wxLOG_Error));
    EXPECT_EQ(naam(), "een");

    // Commit fails too and says so; the transaction stays open.
    EXPECT_EQ(verbinding.stopTransaktie(), 2);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());

    // Mend the fault through the open transaction and close: it is committed.
    ASSERT_EQ(verbinding.rolTerugTransaktie(""), 0);
    ASSERT_EQ(verander("insert into K values (1)"), 0);
    verbinding.sluitDB();
    EXPECT_FALSE(verbinding.isDBOpen());
    openBestand(pad);
    EXPECT_EQ(db->executeSkalair("select count(*) from K"), 1);
}

TEST_F(Transaktie, SluitenZonderHandmatigeModusBewaartWatSQLiteNogOpenHeeft)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.executeUpdate("begin transaction"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='bewaard' where id==1"), 0);
    // Commit is asked in autocommit mode: what SQLite holds is committed.
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("begin transaction"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='ook bewaard' where id==1"), 0);
    stop();

    openBestand(pad);
    EXPECT_EQ(naam(), "ook bewaard");
}
