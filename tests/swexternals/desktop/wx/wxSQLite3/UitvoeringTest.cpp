#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

namespace
{
class Uitvoering : public DatabaseTest
{
protected:
    SQLite3Basis& project(std::initializer_list<const char*> namen)
    {
        maakProjectBestand(pad, namen);
        SQLite3Basis& verbinding = openBestand(pad);
        logVanger().wis();
        return verbinding;
    }

    static size_t fouten() { return logVanger().geefAantal(wxLOG_Error); }
};
} // namespace

TEST_F(Uitvoering, OpdrachtenEnHunFoutmeldingen)
{
    SQLite3Basis& verbinding = project({"a", "b", "c"});
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=0 where id==99"), 0);
    EXPECT_EQ(verbinding.executeUpdate("begin transaction; update T set getal=getal+1"), 0);
    EXPECT_EQ(verbinding.executeUpdate("commit transaction;\nbegin transaction"), 0);
    EXPECT_EQ(verbinding.executeUpdate("commit transaction"), 0);
    // Counts and sums are read in 64 bits.
    EXPECT_EQ(verbinding.executeSkalair("select 5000000000 + sum(getal) from T"), 5000000009LL);
    EXPECT_EQ(verbinding.executeStringKolomQuery("select naam from T union all select null"),
              lijst({"a", "b", "c", ""}));
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();

    // Another number of rows than expected fails; the rows stay changed.
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=100 where id<=2", 1), 2);
    EXPECT_TRUE(logVanger().bevat("Database Execute Error", wxLOG_Error));
    EXPECT_EQ(tel("getal==100"), 2);

    logVanger().wis();
    EXPECT_EQ(verbinding.executeUpdate("update Nergens set a=1"), 2);
    ASSERT_EQ(fouten(), 1u);
    EXPECT_TRUE(logVanger().geefRegels().back().tekst.StartsWith("SQLite3 error: \""));
    EXPECT_TRUE(logVanger().bevat("no such table: Nergens", wxLOG_Error));
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusOpen);
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from Nergens"), -1);
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusFout);
    EXPECT_FALSE(verbinding.executeQuery("select * from Nergens").IsOk());
    EXPECT_TRUE(verbinding.executeStringKolomQuery("select * from Nergens").IsEmpty());
    wxSQLite3ResultSet resultaat;
    EXPECT_EQ(verbinding.executeQueryExternResultaat("select * from Nergens", resultaat), 2);
    EXPECT_EQ(verbinding.executeSkalair("select naam from T where id==99"), -1);
    EXPECT_EQ(fouten(), 6u);
    // Percent signs in what SQLite reports are text, never a format.
    EXPECT_EQ(verbinding.executeUpdate("delete from \"50%d%s\""), 2);
    EXPECT_TRUE(logVanger().bevat("no such table: 50%d%s", wxLOG_Error)) << logVanger().geefAlles();
}

TEST_F(Uitvoering, TabellenKolommenEnRijenLezen)
{
    SQLite3Basis& verbinding = project({"a", "b", "a"});
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam, getal) values (null, null)"), 0);
    wxSQLite3Table tabel;
    ASSERT_EQ(
        verbinding.leesTabelMetQuery("T", lijst({"getal", "naam"}), "getal > 1", SorteringAflopend, "getal", tabel), 0);
    ASSERT_EQ(tabel.GetRowCount(), 2);
    tabel.SetRow(0);
    EXPECT_EQ(tabel.GetInt(0), 3);
    EXPECT_EQ(tabel.GetString(1), "a");
    wxSQLite3ResultSet rijen;
    ASSERT_EQ(verbinding.leesTabelMetQuery("naam", "T", "id==2", SorteringGeen, "", rijen, "main"), 0);
    ASSERT_TRUE(rijen.NextRow());
    EXPECT_EQ(rijen.GetString(0), "b");

    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "", SorteringAflopend, "naam"), "b");
    EXPECT_EQ(verbinding.leesKolomStrings("T", "naam", "", SorteringOplopend, true), lijst({"", "a", "b"}));
    EXPECT_EQ(verbinding.geefKolom("T", "naam", SorteringAflopend, "naam"), lijst({"b", "a", ""}));
    const wxArrayInt getallen = verbinding.leesKolomIntegers("T", "getal", "", SorteringOplopend, false);
    ASSERT_EQ(getallen.size(), 4u);
    EXPECT_EQ(getallen[0], 0);
    EXPECT_TRUE(verbinding.leesRijStrings("T", "naam", "id==99").IsEmpty());
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();

    // No row has no value to read; a missing table fails every reader, each
    // with one error line.
    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "id==99", SorteringGeen, ""), "");
    EXPECT_EQ(verbinding.leesTabelMetQuery("Nergens", "", SorteringGeen, "", tabel), 3);
    EXPECT_TRUE(verbinding.leesKolomStrings("Nergens", "a", "", SorteringGeen, false).IsEmpty());
    EXPECT_TRUE(verbinding.leesRijIntegers("Nergens", "a", "").IsEmpty());
    EXPECT_EQ(fouten(), 4u) << logVanger().geefAlles();
}

TEST_F(Uitvoering, AantallenGebruikersversieEnKolomstatistiek)
{
    SQLite3Basis& verbinding = project({});
    EXPECT_EQ(verbinding.geefIntKolomBereik("T", "getal"), std::make_pair(0, 0));
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam, getal) values ('kort', -4), ('langer', 12)"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 2);
    EXPECT_EQ(verbinding.geefIntKolomBereik("T", "getal"), std::make_pair(-4, 12));
    EXPECT_EQ(verbinding.geefKolomVeldLengte("T", "naam", SQLite3Basis::StatistiekGrootste), 6);
    EXPECT_EQ(verbinding.geefUserVersion(), 0);
    for (const int versie : {1234567, -5, static_cast<int>(0xFFF00123u), 0})
    {
        EXPECT_EQ(verbinding.zetUserVersion(versie), 0);
        EXPECT_EQ(verbinding.geefUserVersion(), versie);
    }
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();
    EXPECT_EQ(verbinding.geefAantalRijen("Nergens"), -1);
    EXPECT_EQ(fouten(), 1u);
}
