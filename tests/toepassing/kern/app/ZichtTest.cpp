// The view RekZicht: every requirement, with its share of the weight of the
// requirements that pass the search.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/toepassing/kern/app/KernApp.h"

namespace
{
class Zicht : public ::testing::Test
{
protected:
    App app;

    void SetUp() override { ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0); }

    int bouw(const wxString& voorwaarde)
    {
        app->zoekVoorwaarde = voorwaarde;
        app->zoekVoorwaardeVeranderd = true;
        return app->maakRekZicht();
    }
    double waarde(const wxString& kolom, int SR)
    {
        wxSQLite3ResultSet rij = app->ExecuteQuery(wxString::Format("select %s from RekZicht where SR==%d", kolom, SR));
        EXPECT_TRUE(rij.NextRow());
        return rij.IsNull(0) ? -1.0 : rij.GetDouble(0);
    }
};
} // namespace

TEST_F(Zicht, DePercentagesZijnHetAandeelInDeGefilterdeSet)
{
    // Four of equal weight: status 0 gives 20/n and 100/n, status 4 all of its work and no gain.
    voegRijenToe(*app, {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d", 1, 1, 4}});
    ASSERT_EQ(bouw("prioriteit>=1"), 0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 1), 5.0);
    EXPECT_DOUBLE_EQ(waarde("laagFruit", 1), 25.0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 4), 25.0);
    EXPECT_DOUBLE_EQ(waarde("laagFruit", 4), 0.0);

    // The filter narrows the sums only: every requirement stays in the view.
    ASSERT_EQ(bouw("status==0"), 0);
    EXPECT_EQ(app->tel("select count(*) from RekZicht"), 4);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 1), 100.0 / 15);
    EXPECT_DOUBLE_EQ(waarde("laagFruit", 1), 100.0 / 3);

    // Nothing passes, or all that pass weigh nothing: no percentages.
    ASSERT_EQ(bouw("status==3"), 0);
    EXPECT_EQ(waarde("werkVerricht", 1), -1.0);
    EXPECT_EQ(waarde("laagFruit", 1), -1.0);
}

TEST_F(Zicht, ZwareGewichtenLopenNietOverDe64Bits)
{
    // Each weight just fits 64 bits; their sum does not.
    const long long kosten = 4294967295LL;
    voegRijenToe(*app, {{1, "a", 2147483647, kosten}, {2, "b", 2147483647, kosten}});
    ASSERT_EQ(bouw("prioriteit>=1"), 0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 1), 10.0);
    EXPECT_DOUBLE_EQ(waarde("laagFruit", 2), 50.0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Zicht, HetZichtWordtAlleenVernieuwdAlsDeVoorwaardeVerandert)
{
    voegRijenToe(*app, {{1, "a"}, {2, "b", 1, 1, 4}});
    ASSERT_EQ(bouw("prioriteit>=1"), 0);
    app->zoekVoorwaardeVeranderd = false;
    EXPECT_EQ(app->maakRekZicht(), 1);

    // A change is open when the filter changes; its undo also takes back the
    // renewed view, which the next list refresh then builds again.
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("update Requirements set prioriteit=2 where SR==1"), 0);
    ASSERT_EQ(bouw("status==4"), 0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 2), 100.0);
    ASSERT_EQ(app->rolTerugTransaktie(wxString()), 0);
    app->zoekVoorwaardeVeranderd = false;
    EXPECT_EQ(app->maakRekZicht(), 0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 2), 100.0);
    EXPECT_EQ(app->maakRekZicht(), 1);

    // A project opened anew has no view until the next search builds it.
    ASSERT_EQ(app->openProject(projectPad("p.vtd")), 0);
    EXPECT_EQ(app->maakRekZicht(), 0);
    EXPECT_DOUBLE_EQ(waarde("werkVerricht", 2), 100.0);
}
