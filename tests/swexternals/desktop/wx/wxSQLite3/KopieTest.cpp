#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <wx/filefn.h>

namespace
{
class Kopie : public DatabaseTest
{
protected:
    const wxString pad = testPad("p.vtd");
    const wxString doel = testPad("kopie.vtd");

    // The rows of T in a file, read with a connection of its own.
    static long long rijenIn(const wxString& bestand)
    {
        wxSQLite3Database ander;
        ander.Open(bestand, wxString(), WXSQLITE_OPEN_READONLY);
        return ander.ExecuteScalar("select count(*) from T");
    }

    // A project in memory with many rows, one change still open.
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

TEST_F(Kopie, EenBackupBevatAllesWatVastgelegdIs)
{
    SQLite3Basis& geheugenProject = grootGeheugenProject();
    ASSERT_EQ(geheugenProject.backup(wxFileName(doel), ""), 0);
    EXPECT_EQ(rijenIn(doel), 2000);
    EXPECT_TRUE(geheugenProject.isMemoryDB());

    // A project in WAL mode: what is committed but still in the log is copied too.
    maakProjectBestand(pad, {"een", "twee"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('drie')"), 0);
    ASSERT_TRUE(wxFileExists(pad + "-wal"));
    // The copy replaces an existing project file.
    ASSERT_EQ(verbinding.backup(wxFileName(doel), ""), 0);
    EXPECT_EQ(rijenIn(doel), 3);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Kopie, EenMislukteBackupMeldtHetEnLaatNietsHalfsAchter)
{
    maakProjectBestand(doel, {"oud"});
    const std::string oudeInhoud = leesBytes(doel);
    schrijfBytes(testPad("brief.txt"), "geen project");
    wxMkdir(testPad("map.vtd"));
    SQLite3Basis& verbinding = grootGeheugenProject();

    struct Geval
    {
        wxString doel;
        const char* melding;
    };
    const std::vector<Geval> gevallen = {
        {testPad("nergens/x.vtd"), "cannot be saved to a non-existing directory. ["},
        {testPad("brief.txt/x.vtd"), "cannot be saved to a non-existing directory. ["},
        {testPad("map.vtd"), "is a folder. Please choose a file name."},
        {testPad("brief.txt"), "exists and is not a project database. It was left unchanged."},
    };
    for (const Geval& geval : gevallen)
    {
        logVanger().wis();
        EXPECT_EQ(verbinding.backup(wxFileName(geval.doel), ""), 2) << geval.doel;
        EXPECT_TRUE(logVanger().bevat(geval.melding, wxLOG_Error)) << logVanger().geefAlles();
    }
    EXPECT_EQ(leesBytes(testPad("brief.txt")), "geen project");

    // The disk fills up halfway: a new file is gone again, an old one kept.
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
    EXPECT_FALSE(wxFileExists(doel + "-journal"));

    // The project itself is untouched and goes on.
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 2000);
    EXPECT_EQ(verbinding.executeUpdate("insert into T (naam) values ('verder')"), 0);
}

TEST_F(Kopie, EenBackupWachtNooitOpEenSlot)
{
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('open')"), 0);
    EXPECT_EQ(verbinding.backup(wxFileName(doel), ""), 2);
    EXPECT_TRUE(logVanger().bevat("The database cannot be copied while changes are still open.", wxLOG_Error));
    EXPECT_FALSE(wxFileExists(doel));
    ASSERT_EQ(verbinding.stopTransaktie(), 0);

    // Another program holds the target: the copy gives up in bounded time.
    maakProjectBestand(doel, {"vreemd"});
    wxSQLite3Database ander;
    ander.Open(doel);
    ander.ExecuteUpdate("begin exclusive");
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(verbinding.backup(wxFileName(doel), ""), 2);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(15));
    ander.ExecuteUpdate("rollback");
    ander.Close();
    EXPECT_EQ(rijenIn(doel), 1);
    EXPECT_EQ(rijenIn(pad), 2);
}

TEST_F(Kopie, VerplaatsenNeemtHetHeleProjectMee)
{
    // From memory to a file: the file is the project from then on.
    SQLite3Basis& geheugenProject = grootGeheugenProject();
    ASSERT_EQ(geheugenProject.verplaats(wxFileName(pad), ""), 0);
    EXPECT_FALSE(geheugenProject.isMemoryDB());
    EXPECT_TRUE(logVanger().bevat("Your database is now opened from the new location. [" + pad + "]", wxLOG_Message));
    ASSERT_EQ(geheugenProject.executeUpdate("insert into T (naam) values ('erbij')"), 0);
    stop();
    EXPECT_EQ(rijenIn(pad), 2001);

    // A file in WAL mode with manual transactions: everything moves, the old
    // file and its logs are gone, manual mode stays on.
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelMode(SQLite3Basis::JournaalWAL, SQLite3Basis::SynchronisatieFull), 0);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('laatste')"), 0);
    ASSERT_EQ(verbinding.verplaats(wxFileName(doel), ""), 0);
    for (const char* bij : {"", "-wal", "-shm"})
        EXPECT_FALSE(wxFileExists(pad + bij)) << bij;
    EXPECT_TRUE(verbinding.isHandmatigIngeschakeld());
    EXPECT_EQ(verbinding.geefDBPad().GetFullPath(), doel);
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 2002);

    // A move that cannot be made leaves the project where it was.
    EXPECT_EQ(verbinding.verplaats(wxFileName(testPad("nergens/x.vtd")), ""), 2);
    EXPECT_EQ(verbinding.verplaats(wxFileName(testPad("x.db")), ""), 2);
    EXPECT_FALSE(wxFileExists(testPad("x.db")));
    EXPECT_EQ(verbinding.geefDBPad().GetFullPath(), doel);
    EXPECT_TRUE(verbinding.isDBOpen(true));
    stop();
    EXPECT_EQ(rijenIn(doel), 2002);
}

TEST_F(Kopie, AanhakenLosmakenEnStofzuigen)
{
    const wxString ander = testPad("ander.vtd");
    maakProjectBestand(ander, {"x", "y"});
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& verbinding = openBestand(pad);

    wxString alias = "twee delen";
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), alias), 0);
    EXPECT_EQ(alias, "twee_delen");
    EXPECT_EQ(verbinding.geefAantalRijen("twee_delen.T"), 2);
    EXPECT_EQ(verbinding.geefKolomNamen("twee_delen.T", false), lijst({"naam", "getal"}));
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), alias), 1);
    wxString zelf = "zelf";
    EXPECT_EQ(verbinding.haakAan(wxFileName(pad), zelf), 2);
    EXPECT_TRUE(logVanger().bevat("You cannot attach the current database to itself.", wxLOG_Error));
    EXPECT_EQ(verbinding.haakAan(wxFileName(testPad("weg.vtd")), zelf), 2);
    EXPECT_TRUE(logVanger().bevat("path is not valid: \"weg.vtd\"", wxLOG_Error));
    EXPECT_EQ(verbinding.laatAangehaaktLos("nooit"), 1);
    EXPECT_EQ(verbinding.laatAangehaaktLos("twee delen"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("twee_delen.T"), -1);

    // An attach that SQLite refuses is not remembered: a second try is no
    // "already attached".
    wxString bezet = "temp";
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), bezet), 2);
    EXPECT_EQ(verbinding.haakAan(wxFileName(ander), bezet), 2);

    // Copying a table out of another file.
    const wxArrayString tabelLijst = lijst({"id", "integer primary key", "naam", "text", "getal", "integer"});
    EXPECT_EQ(verbinding.kopieerTabel(wxFileName(ander), "T", tabelLijst, {}, "Van"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("Van"), 2);

    verbinding.resetDBVeranderd();
    verbinding.stofzuig();
    EXPECT_TRUE(verbinding.isDBVeranderd());
    EXPECT_NE(verbinding.geefUserVersion(), 0);
    stop();
    SQLite3Basis& lezen = openBestand(pad, true);
    logVanger().wis();
    lezen.stofzuig();
    EXPECT_FALSE(lezen.isDBVeranderd());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}
