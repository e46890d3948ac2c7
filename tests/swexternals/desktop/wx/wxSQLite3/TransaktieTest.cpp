#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/ResidentGeheugen.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <vector>

namespace
{
class Transaktie : public DatabaseTest
{
protected:
    SQLite3Basis& project(std::initializer_list<const char*> opdrachten = {})
    {
        maakProjectBestand(pad, {"een"}, opdrachten);
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

    int noem(const char* nieuw) { return verander(wxString("update T set naam='") + nieuw + "' where id==1"); }
};
} // namespace

TEST_F(Transaktie, DrieWijzigingenEnEenUndoLatenDeTweedeStaan)
{
    SQLite3Basis& verbinding = project();
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());

    ASSERT_EQ(noem("twee"), 0);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());
    ASSERT_EQ(noem("drie"), 0);
    ASSERT_EQ(noem("vier"), 0);
    EXPECT_TRUE(verbinding.rolTerugMogelijk());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 0);
    EXPECT_EQ(naam(), "drie");
    EXPECT_FALSE(verbinding.rolTerugMogelijk());
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);

    // Commit, and switching manual mode on again, both keep the open change.
    ASSERT_EQ(noem("vijf"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 0);
    ASSERT_EQ(noem("zes"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    EXPECT_EQ(verbinding.rolTerugTransaktie(""), 2);
    EXPECT_EQ(naam(), "zes");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Transaktie, VeiligeModusVerzameltAllesOnderEenSavepoint)
{
    SQLite3Basis& verbinding = project();
    ASSERT_EQ(noem("voor"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandOm, ""), 3);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandOnbekend, "S"), 2);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandUit, "S"), 3);
    // A name that is no plain identifier never reaches the SQL.
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "x; drop table T"), 2);
    EXPECT_TRUE(logVanger().bevat("Invalid savepoint name:", wxLOG_Error));
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());

    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "VerelTamsoSafePoint"), 0);
    EXPECT_TRUE(verbinding.isSavePointBezig());
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    ASSERT_EQ(noem("a"), 0);
    ASSERT_EQ(verander("insert into T (naam) values ('b')"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 1);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 2);
    EXPECT_EQ(verbinding.rolTerugTransaktie("VerelTamsoSafePoint"), 0);
    EXPECT_EQ(naam(), "voor");
    EXPECT_EQ(tel(), 1);
    // The savepoint stays: roll back to it again.
    ASSERT_EQ(noem("c"), 0);
    EXPECT_EQ(verbinding.rolTerugTransaktie("VerelTamsoSafePoint"), 0);
    EXPECT_EQ(naam(), "voor");

    ASSERT_EQ(noem("houden"), 0);
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandUit, "VerelTamsoSafePoint"), 0);
    EXPECT_FALSE(verbinding.isSavePointBezig());
    // Released to autocommit until manual mode is switched on again.
    EXPECT_EQ(verbinding.startTransaktie(), 0);
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());
    stop();
    openBestand(pad);
    EXPECT_EQ(naam(), "houden");
}

// A deferred foreign key makes the commit of the previous change fail: the
// failure is reported, the new change is not made, the open transaction stays
// visible, and once mended the close commits it.
TEST_F(Transaktie, EenMislukteCommitWordtNooitVerborgen)
{
    SQLite3Basis& verbinding = project({"create table K (t integer references T(id) deferrable initially deferred)"});
    ASSERT_EQ(verbinding.executeUpdate("pragma foreign_keys=on"), 0);
    ASSERT_EQ(verander("insert into K values (99)"), 0);

    EXPECT_EQ(verbinding.startTransaktie(), 2);
    EXPECT_TRUE(logVanger().bevat("FOREIGN KEY constraint failed", wxLOG_Error));
    EXPECT_TRUE(logVanger().bevat("It is still open: commit or undo it.", wxLOG_Error));
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());
    EXPECT_EQ(verbinding.executeUpdate("update T set naam='nieuw' where id==1"), 2);
    EXPECT_TRUE(logVanger().bevat("this change was not made", wxLOG_Error));
    EXPECT_EQ(naam(), "een");
    EXPECT_EQ(verbinding.stopTransaktie(), 2);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());
    // Neither safe operation nor manual mode anew may pass over it.
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "VerelTamsoSafePoint"), 2);
    EXPECT_FALSE(verbinding.isSavePointBezig());
    EXPECT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 2);
    EXPECT_TRUE(verbinding.handmatigeTransaktieBezig());

    ASSERT_EQ(verbinding.rolTerugTransaktie(""), 0);
    ASSERT_EQ(verander("insert into K values (1)"), 0);
    verbinding.sluitDB();
    openBestand(pad);
    EXPECT_EQ(db->executeSkalair("select count(*) from K"), 1);
}

TEST_F(Transaktie, SluitenBewaartAllesWatNogOpenStaat)
{
    SQLite3Basis& verbinding = project();
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "A"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='a' where id==1"), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "B"), 0);
    ASSERT_EQ(verbinding.executeUpdate("update T set naam='b' where id==1"), 0);
    verbinding.sluitDB();
    EXPECT_FALSE(verbinding.isSavePointBezig());
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusGesloten);
    verbinding.sluitDB();
    EXPECT_EQ(openBestand(pad).leesKolomWaarde("T", "naam", "", SorteringGeen, ""), "b");

    // Begun by hand, outside manual mode: a commit and the close keep it.
    ASSERT_EQ(db->executeUpdate("begin transaction; update T set naam='c'"), 0);
    EXPECT_EQ(db->stopTransaktie(), 0);
    ASSERT_EQ(db->executeUpdate("begin transaction; update T set naam='d'"), 0);
    stop();
    openBestand(pad);
    EXPECT_EQ(naam(), "d");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A change of several statements runs under a savepoint of its own: whole
// or not at all, inside the user's open change or under safe operation,
// without touching either.
TEST_F(Transaktie, EenGeheleWijzigingGebeurtHeelOfNietEnLaatDeModusStaan)
{
    SQLite3Basis& verbinding = project();
    for (const bool veilig : {false, true})
    {
        if (veilig)
        {
            ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, "VerelTamsoSafePoint"), 0);
        }
        ASSERT_EQ(noem("open"), 0);
        {
            SavepointBewaker bewaker(verbinding, "Geheel");
            ASSERT_TRUE(bewaker.isGezet());
            ASSERT_EQ(verbinding.executeUpdate("update T set naam='half' where id==1"), 0);
        } // not kept: taken back
        EXPECT_EQ(naam(), "open");
        {
            SavepointBewaker bewaker(verbinding, "Geheel");
            ASSERT_EQ(verbinding.executeUpdate("update T set naam='heel' where id==1"), 0);
            EXPECT_EQ(bewaker.bewaar(), 0);
        }
        EXPECT_EQ(naam(), "heel");
        EXPECT_EQ(verbinding.isSavePointBezig(), veilig);
        EXPECT_EQ(verbinding.isHandmatigIngeschakeld(), !veilig);
        // The user's undo takes back the open change and the kept one with it.
        EXPECT_EQ(verbinding.rolTerugTransaktie(veilig ? "VerelTamsoSafePoint" : ""), 0);
        EXPECT_EQ(naam(), "een");
    }
    // A name that is no plain identifier is refused before any SQL.
    SavepointBewaker fout(verbinding, "x; drop table T");
    EXPECT_FALSE(fout.isGezet());
    EXPECT_EQ(fout.bewaar(), 2);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
}

// A change of 1,000,000 one-row updates in one transaction, twice. What the
// layer keeps of it, to put it back after a commit that a full disk
// refused, takes the memory it holds and no more, within its limit, and
// gives it back to the system at the commit: the second change takes no
// more than the first did, and after each the process holds what it held
// before.
TEST_F(Transaktie, EenMiljoenWijzigingenGevenHunGeheugenTerug)
{
    if (!isResidentGeheugenTeMeten)
        GTEST_SKIP() << "the sanitizer holds freed memory";
    const long long MiB = 1024 * 1024;
    const struct Grens
    {
        size_t vorige = TransaktieVerslag::zetGrens(4 * MiB);
        ~Grens() { TransaktieVerslag::zetGrens(vorige); }
    } grens;
    SQLite3Basis& verbinding =
        project({"with recursive r(i) as (select 2 union all select i + 1 from r where i < 1000000) "
                 "insert into T (id, getal) select i, i from r"});
    wxSQLite3Statement opdracht;
    ASSERT_EQ(verbinding.bereidVoor("update T set getal=getal+1 where id==?", opdracht), 0);
    // SQLite's cache filled first: it stays as full.
    ASSERT_EQ(verbinding.executeSkalair("select count(*) from T where getal>0"), 1000000);
    const long long voor = geefResidentGeheugen();
    std::vector<long long> eerste;
    for (int ronde = 1; ronde <= 2; ++ronde)
    {
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        for (int id = 1; id <= 1000000; ++id)
        {
            ASSERT_EQ(verbinding.executeUpdate(opdracht, [&](wxSQLite3Statement& s) { s.Bind(1, id); }), 0);
            if (id % 50000 != 0)
                continue;
            const long long nu = geefResidentGeheugen() - voor;
            if (ronde == 1)
                eerste.push_back(nu);
            else
                EXPECT_LE(nu, eerste[id / 50000 - 1] + MiB) << id;
            EXPECT_LT(nu, 5 * MiB) << id;
        }
        ASSERT_EQ(verbinding.stopTransaktie(), 0);
        EXPECT_LT(geefResidentGeheugen() - voor, MiB) << ronde;
    }
}
