#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <chrono>
#include <csignal>
#include <sys/resource.h>

namespace
{
class Kopie : public DatabaseTest
{
protected:
    const wxString doel = testPad("kopie.vtd");

    // A project in memory of about a megabyte.
    SQLite3Basis& grootGeheugenProject()
    {
        SQLite3Basis& verbinding = geheugen();
        EXPECT_EQ(verbinding.executeUpdate("create table T (id integer primary key, naam text, getal integer)"), 0);
        EXPECT_EQ(verbinding.executeUpdate("with recursive n(i) as (select 1 union all select i+1 from n where i<2000) "
                                           "insert into T (naam, getal) select printf('%0500d', i), i from n"),
                  0);
        return verbinding;
    }
};

// Files may grow no further than `grens` bytes while it lives: the disk is full.
class VolleSchijf
{
public:
    explicit VolleSchijf(rlim_t grens) : vorigSignaal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &vorige);
        rlimit nieuw = vorige;
        nieuw.rlim_cur = grens;
        setrlimit(RLIMIT_FSIZE, &nieuw);
    }
    ~VolleSchijf()
    {
        setrlimit(RLIMIT_FSIZE, &vorige);
        std::signal(SIGXFSZ, vorigSignaal);
    }

private:
    rlimit vorige{};
    void (*vorigSignaal)(int);
};
} // namespace

TEST_F(Kopie, EenMislukteBackupLaatNietsHalfsAchterEnWachtNooit)
{
    KorteWachtTijden kort;
    maakProjectBestand(doel, {"oud"});
    SQLite3Basis& verbinding = grootGeheugenProject();
    {
        VolleSchijf vol(64 * 1024);
        EXPECT_EQ(verbinding.backup(wxFileName(testPad("nieuw.vtd")), ""), 2);
        EXPECT_EQ(verbinding.backup(wxFileName(doel), ""), 2);
    }
    EXPECT_TRUE(logVanger().bevat(
        "could not be copied to \"" + doel + "\". That file was left as it was.\nSQLite3 error:", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_FALSE(wxFileExists(testPad("nieuw.vtd")));
    EXPECT_FALSE(wxFileExists(testPad("nieuw.vtd-journal")));
    EXPECT_EQ(rijenIn(doel), 1);
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 2000);

    // A change still open would make SQLite wait for ever: refused at once.
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('open')"), 0);
    EXPECT_EQ(verbinding.backup(wxFileName(testPad("nieuw.vtd")), ""), 2);
    EXPECT_TRUE(logVanger().bevat("The database cannot be copied while changes are still open.", wxLOG_Error));
    ASSERT_EQ(verbinding.stopTransaktie(), 0);

    // Another program holds the target: the copy gives up in bounded time.
    wxSQLite3Database ander;
    ander.Open(doel);
    ander.ExecuteUpdate("begin exclusive");
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(verbinding.backup(wxFileName(doel), ""), 2);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(30)) << "the copy hung";
    ander.ExecuteUpdate("rollback");
    ander.Close();
    EXPECT_EQ(rijenIn(doel), 1);
    EXPECT_FALSE(wxFileExists(testPad("nieuw.vtd")));
}

TEST_F(Kopie, VerplaatsenNeemtHetHeleProjectMee)
{
    // From memory to a file: the file is the project from then on.
    SQLite3Basis& geheugenProject = grootGeheugenProject();
    ASSERT_EQ(geheugenProject.verplaats(wxFileName(pad), ""), 0);
    EXPECT_FALSE(geheugenProject.isMemoryDB());
    EXPECT_TRUE(logVanger().bevat("Your database is now opened from the new location. [" + pad + "]", wxLOG_Message));
    stop();
    EXPECT_EQ(rijenIn(pad), 2000);

    // A file in WAL mode with a change open: everything moves, the old file
    // and its logs go, manual mode stays on.
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('laatste')"), 0);
    ASSERT_EQ(verbinding.verplaats(wxFileName(doel), ""), 0);
    for (const char* bij : {"", "-wal", "-shm"})
        EXPECT_FALSE(wxFileExists(pad + bij)) << bij;
    EXPECT_TRUE(verbinding.isHandmatigIngeschakeld());

    // A move that cannot be made leaves the project where it was.
    EXPECT_EQ(verbinding.verplaats(wxFileName(testPad("nergens/x.vtd")), ""), 2);
    EXPECT_TRUE(logVanger().bevat("cannot be saved to a non-existing directory. [", wxLOG_Error));
    EXPECT_EQ(verbinding.verplaats(wxFileName(testPad("x.db")), ""), 2);
    EXPECT_FALSE(wxFileExists(testPad("x.db")));
    EXPECT_EQ(verbinding.geefDBPad().GetFullPath(), doel);
    stop();
    EXPECT_EQ(rijenIn(doel), 2001);
}

TEST_F(Kopie, AanhakenEnStofzuigen)
{
    const wxString ander = testPad("ander.vtd");
    maakProjectBestand(ander, {"x", "y"});
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    wxString alias = "twee delen";
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), alias), 0);
    EXPECT_EQ(alias, "twee_delen");
    EXPECT_EQ(verbinding.geefAantalRijen("twee_delen.T"), 2);
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), alias), 1);
    EXPECT_EQ(verbinding.laatAangehaaktLos("twee delen"), 0);
    EXPECT_EQ(verbinding.laatAangehaaktLos("twee delen"), 1);
    // An attach that SQLite refuses is not remembered as done.
    wxString bezet = "temp";
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), bezet), 2);
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), bezet), 2);

    verbinding.resetDBVeranderd();
    verbinding.stofzuig();
    EXPECT_TRUE(verbinding.isDBVeranderd());
    EXPECT_NE(verbinding.geefUserVersion(), 0);
}
