#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <wx/image.h>

// An image stored in a BLOB column comes back with its pixels; an image that
// is not one binds nothing.
TEST_F(DatabaseTest, AfbeeldingGaatHeelDoorEenBlob)
{
    wxInitAllImageHandlers();
    SQLite3Basis& verbinding = geheugen();
    ASSERT_EQ(verbinding.executeUpdate("create table plaatjes (id integer, beeld blob)", -1), 0);

    wxImage beeld(3, 2);
    beeld.SetRGB(2, 1, 200, 10, 30);
    wxSQLite3Statement opdracht = verbinding.PrepareStatement("insert into plaatjes values (?, ?)");
    opdracht.Bind(1, 1);
    EXPECT_EQ(SQLite3Basis::zetAfbeeldingInBlob(opdracht, 2, beeld), 0);
    opdracht.ExecuteUpdate();

    wxSQLite3Statement leeg = verbinding.PrepareStatement("insert into plaatjes values (?, ?)");
    leeg.Bind(1, 2);
    EXPECT_EQ(SQLite3Basis::zetAfbeeldingInBlob(leeg, 2, wxImage()), 1);

    wxSQLite3ResultSet rij = verbinding.ExecuteQuery("select beeld from plaatjes where id = 1");
    ASSERT_TRUE(rij.NextRow());
    wxImage terug;
    ASSERT_EQ(SQLite3Basis::leesAfbeeldingUitBlob(rij, "beeld", terug), 0);
    EXPECT_EQ(terug.GetSize(), wxSize(3, 2));
    EXPECT_EQ(terug.GetRed(2, 1), 200);
    EXPECT_EQ(terug.GetType(), wxBITMAP_TYPE_PNG);
}
