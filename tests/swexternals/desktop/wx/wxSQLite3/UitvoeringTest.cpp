#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

namespace
{
class Uitvoering : public DatabaseTest
{
protected:
    SQLite3Basis& metRijen(std::initializer_list<const char*> namen)
    {
        const wxString pad = testPad("p.vtd");
        maakProjectBestand(pad, namen);
        SQLite3Basis& verbinding = openBestand(pad);
        logVanger().wis();
        return verbinding;
    }

    size_t fouten() const { return logVanger().geefAantal(wxLOG_Error); }
};
} // namespace

TEST_F(Uitvoering, WijzigingenMetEnZonderVerwachtAantal)
{
    SQLite3Basis& verbinding = metRijen({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=0 where id==99"), 0);
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=getal+1"), 0);
    EXPECT_EQ(verbinding.executeUpdate("begin transaction"), 0);
    EXPECT_EQ(verbinding.executeUpdate("commit transaction;\nbegin transaction"), 0);
    EXPECT_EQ(verbinding.executeUpdate("commit transaction"), 0);
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();

    // Another number of rows than expected fails; the rows stay changed.
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=100 where id<=2", 1), 2);
    EXPECT_TRUE(logVanger().bevat("Database Execute Error", wxLOG_Error));
    EXPECT_EQ(tel("getal==100"), 2);
    EXPECT_EQ(verbinding.executeUpdate("update T set getal=5 where id==3", 1), 0);
}

TEST_F(Uitvoering, ElkeFoutIsEenRegelInHetLogMetDeTekstVanSQLite)
{
    SQLite3Basis& verbinding = metRijen({"a"});
    EXPECT_EQ(verbinding.executeUpdate("update Nergens set a=1"), 2);
    ASSERT_EQ(fouten(), 1u);
    EXPECT_TRUE(logVanger().geefRegels().back().tekst.StartsWith("SQLite3 error: \""));
    EXPECT_TRUE(logVanger().bevat("no such table: Nergens", wxLOG_Error));
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusOpen);

    logVanger().wis();
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from Nergens"), -1);
    EXPECT_EQ(fouten(), 1u);
    EXPECT_EQ(verbinding.geefDBStatus(), SQLite3Basis::DBStatusFout);

    logVanger().wis();
    EXPECT_FALSE(verbinding.executeQuery("select * from Nergens").IsOk());
    EXPECT_TRUE(verbinding.executeStringKolomQuery("select * from Nergens").IsEmpty());
    EXPECT_EQ(fouten(), 2u);

    // Percent signs in what SQLite reports are text, never a format.
    logVanger().wis();
    EXPECT_EQ(verbinding.executeUpdate("delete from \"50%d%s\""), 2);
    EXPECT_TRUE(logVanger().bevat("no such table: 50%d%s", wxLOG_Error)) << logVanger().geefAlles();

    logVanger().wis();
    wxSQLite3ResultSet vorige = verbinding.executeQuery("select naam from T");
    EXPECT_EQ(verbinding.executeQueryExternResultaat("select * from Nergens", vorige), 2);
    EXPECT_EQ(fouten(), 1u);
}

TEST_F(Uitvoering, EenSkalairLeest64BitsEnEenLegeUitkomstIsEenFout)
{
    SQLite3Basis& verbinding = metRijen({});
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from T"), 0);
    EXPECT_EQ(verbinding.executeSkalair("select 5000000000"), 5000000000LL);
    EXPECT_EQ(verbinding.executeSkalair("select 'geen getal'"), 0);
    EXPECT_EQ(fouten(), 0u);
    EXPECT_EQ(verbinding.executeSkalair("select naam from T"), -1);
    EXPECT_EQ(fouten(), 1u);
    EXPECT_TRUE(logVanger().bevat("SQLite3 error:", wxLOG_Error));

    EXPECT_EQ(verbinding.executeStringKolomQuery("select 'x' union all select null union all select 3"),
              wxArrayString(3, std::array<wxString, 3>{"x", "", "3"}.data()));
}

TEST_F(Uitvoering, TabellenKolommenEnRijenLezen)
{
    SQLite3Basis& verbinding = metRijen({"a", "b", "a"});
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam, getal) values (null, null)"), 0);

    wxArrayString kolommen;
    kolommen.Add("getal");
    kolommen.Add("naam");
    wxSQLite3Table tabel;
    ASSERT_EQ(verbinding.leesTabelMetQuery("T", kolommen, "getal is not null", SorteringAflopend, "getal", tabel), 0);
    ASSERT_EQ(tabel.GetRowCount(), 3);
    tabel.SetRow(0);
    EXPECT_EQ(tabel.GetInt(0), 3);
    tabel.SetRow(2);
    EXPECT_EQ(tabel.GetString(1), "a");
    ASSERT_EQ(verbinding.leesTabelMetQuery("T", "", SorteringGeen, "getal", tabel), 0);
    EXPECT_EQ(tabel.GetColumnCount(), 3);
    EXPECT_EQ(tabel.GetRowCount(), 4);

    wxSQLite3ResultSet rijen;
    ASSERT_EQ(verbinding.leesTabelMetQuery("naam", "T", "id==2", SorteringGeen, "", rijen, "main"), 0);
    ASSERT_TRUE(rijen.NextRow());
    EXPECT_EQ(rijen.GetString(0), "b");

    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "", SorteringAflopend, "naam"), "b");
    EXPECT_EQ(verbinding.leesKolomStrings("T", "naam", "", SorteringOplopend, true),
              wxArrayString(3, std::array<wxString, 3>{"", "a", "b"}.data()));
    EXPECT_EQ(verbinding.leesKolomStrings("T", "naam", "naam=='a'", SorteringGeen, false).size(), 2u);
    wxArrayInt getallen = verbinding.leesKolomIntegers("T", "getal", "", SorteringOplopend, false);
    ASSERT_EQ(getallen.size(), 4u);
    EXPECT_EQ(getallen[0], 0);
    EXPECT_EQ(getallen[3], 3);
    EXPECT_EQ(verbinding.geefKolom("T", "naam", SorteringAflopend, "naam"),
              wxArrayString(3, std::array<wxString, 3>{"b", "a", ""}.data()));
    EXPECT_TRUE(verbinding.leesRijStrings("T", "naam", "id==99").IsEmpty());
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();

    // An empty result has no value to read: one error line.
    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "id==99", SorteringGeen, ""), "");
    EXPECT_EQ(fouten(), 1u);

    // A missing table: the failure result after one error line each.
    logVanger().wis();
    EXPECT_EQ(verbinding.leesTabelMetQuery("Nergens", "", SorteringGeen, "", tabel), 3);
    EXPECT_EQ(verbinding.leesKolomWaarde("Nergens", "a", "", SorteringGeen, ""), "");
    EXPECT_TRUE(verbinding.leesKolomStrings("Nergens", "a", "", SorteringGeen, false).IsEmpty());
    EXPECT_TRUE(verbinding.leesRijIntegers("Nergens", "a", "").IsEmpty());
    EXPECT_TRUE(verbinding.geefKolom("Nergens", "a", SorteringGeen, "").IsEmpty());
    EXPECT_EQ(fouten(), 5u) << logVanger().geefAlles();
}

TEST_F(Uitvoering, AantallenGebruikersversieEnKolomstatistiek)
{
    SQLite3Basis& verbinding = metRijen({});
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 0);
    EXPECT_EQ(verbinding.geefIntKolomBereik("T", "getal"), std::make_pair(0, 0));
    EXPECT_EQ(verbinding.geefUserVersion(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam, getal) values ('kort', -4), ('langer', 12)"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 2);
    EXPECT_EQ(verbinding.geefIntKolomBereik("T", "getal"), std::make_pair(-4, 12));
    EXPECT_EQ(verbinding.geefKolomVeldLengte("T", "naam", SQLite3Basis::StatistiekGrootste), 6);
    EXPECT_EQ(verbinding.geefKolomVeldLengte("T", "naam", SQLite3Basis::StatistiekKleinste), 4);
    EXPECT_EQ(verbinding.geefKolomVeldLengte("T", "naam", SQLite3Basis::StatistiekGemiddelde), 5);

    for (const int versie : {0, 1234567, -5, static_cast<int>(0xFFF00123u)})
    {
        EXPECT_EQ(verbinding.zetUserVersion(versie), 0);
        EXPECT_EQ(verbinding.geefUserVersion(), versie);
    }
    EXPECT_EQ(fouten(), 0u) << logVanger().geefAlles();

    EXPECT_EQ(verbinding.geefAantalRijen("Nergens"), -1);
    EXPECT_EQ(verbinding.geefIntKolomBereik("Nergens", "a"), std::make_pair(-1, 1));
    EXPECT_EQ(fouten(), 2u);
    verbinding.sluitDB();
    EXPECT_EQ(verbinding.geefUserVersion(), 0);
}
