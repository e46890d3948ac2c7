// The version of what a database holds: what a list may keep between two
// reads is good only while it stays the same.
#include "swexternals/desktop/wx/wxSQLite3/TijdelijkeWijziging.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

TEST_F(DatabaseTest, DeInhoudVersieVolgtElkeWijzigingEnNietsAnders)
{
    maakProjectBestand(pad, {"a", "b"});
    SQLite3Basis& db = openBestand(pad);
    SQLite3Basis::InhoudVersie versie = db.geefInhoudVersie();
    const auto isVeranderd = [&]
    {
        const SQLite3Basis::InhoudVersie nu = db.geefInhoudVersie();
        const bool veranderd = nu != versie;
        versie = nu;
        return veranderd;
    };
    // Reads and a temporary view change nothing.
    EXPECT_EQ(db.executeSkalair("select count(*) from T"), 2);
    {
        const TijdelijkeWijziging tijdelijk(db);
        ASSERT_EQ(db.executeUpdate("create temporary view Z as select * from T"), 0);
    }
    EXPECT_FALSE(isVeranderd());

    // A change through the layer, also one that changes no row; a row changed
    // past it; another connection's commit.
    ASSERT_EQ(db.executeUpdate("update T set getal=5 where id==99"), 0);
    EXPECT_TRUE(isVeranderd());
    db.ExecuteUpdate("update T set getal=6");
    EXPECT_TRUE(isVeranderd());
    inBestand(pad, "update T set getal=7 returning id");
    EXPECT_TRUE(isVeranderd());
    EXPECT_FALSE(isVeranderd());
}
