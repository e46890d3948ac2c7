// The people of the project, which every properties dialog shows: read once,
// and again after any change of the project.
#include "tests/ondersteuning/KernApp.h"

#include <sqlite3.h>
#include <wx/wxsqlite3.h>

namespace
{
// The reads of the people (the union of the four person columns) the
// connection ran.
int personenGelezen = 0;

void telPersonenLezingen(KernApp& app)
{
    sqlite3_trace_v2(
        static_cast<sqlite3*>(app.GetDatabaseHandle()), SQLITE_TRACE_STMT,
        [](unsigned, void*, void*, void* tekst)
        {
            personenGelezen += wxString::FromUTF8(static_cast<const char*>(tekst)).Contains(" union ");
            return 0;
        },
        nullptr);
}

wxString personen(KernApp& app)
{
    wxArrayString namen;
    EXPECT_EQ(app.leesAlleWerknemers(namen), 0);
    return wxJoin(namen, ',');
}
} // namespace

TEST_F(ProjectTest, DePersonenWordenOpnieuwGelezenNaElkeWijziging)
{
    voegRijenToe(*app, {{1, "Boil"}});
    Requirement ann = opgeslagen("Boil", 1);
    ann.auteur = "Ann";
    ASSERT_EQ(app->verander(opgeslagen("Boil", 1), ann, true), 0);
    telPersonenLezingen(*app);
    EXPECT_EQ(personen(*app), "Ann");
    EXPECT_EQ(personen(*app), "Ann");
    EXPECT_EQ(personenGelezen, 1);

    Requirement bert = opgeslagen("Pour", 2);
    bert.testIngenieur = "Bert";
    ASSERT_EQ(app->voegToe(bert), 0);
    EXPECT_EQ(personen(*app), "Ann,Bert");
    ASSERT_EQ(app->rolTerugTransaktie(wxString()), 0);
    EXPECT_EQ(personen(*app), "Ann");

    ASSERT_EQ(app->schakelSafePoint(StandAan), 0);
    ASSERT_EQ(app->voegToe(bert), 0);
    EXPECT_EQ(personen(*app), "Ann,Bert");
    ASSERT_EQ(app->rollTerugNaarSafePoint(), 0);
    EXPECT_EQ(personen(*app), "Ann");
    ASSERT_EQ(app->schakelSafePoint(StandUit), 0);

    {
        wxSQLite3Database ander;
        ander.Open(pad);
        ander.ExecuteUpdate("update Requirements set aftekenaar='Cas'");
    }
    EXPECT_EQ(personen(*app), "Ann,Cas");

    const wxString anderProject = testPad("ander.vtd");
    ASSERT_EQ(app->openProject(anderProject), 0);
    EXPECT_EQ(personen(*app), "");
    ASSERT_EQ(app->openProject(pad), 0);
    EXPECT_EQ(personen(*app), "Ann,Cas");
}
