// A full disk is said to be full, for the file it holds, with what became
// of the data: never taken for a damaged file, never SQLite's bare words.
// The disks are real (a small tmpfs of the test, mounted as root) or run
// out of room in the middle of a commit (a VFS of the test).
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/Melding.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <functional>
#include <wx/filefn.h>

namespace
{
using VolleSchijf = DatabaseTest;

wxString volleSchijf(const wxString& pad)
{
    return "The disk that holds the database file \"" + pad + "\" is full.\n";
}

const wxString grooteTekst = SQLite3Basis::quotes(wxString('x', 200000));
} // namespace

// The commit of a change runs out of room after a few pages of its log, and
// SQLite takes the change back: it is put back open, as it was, and says so;
// nothing committed before it is touched. Once there is room, committing it
// stores it. Whether the user commits, the next change commits it (and is
// refused), or the end of safe operation keeps its changes.
TEST_F(VolleSchijf, EenCommitZonderRuimteHoudtDeWijzigingOpen)
{
    const wxString veilig = "VerelTamsoSafePoint";
    struct Weg
    {
        const char* naam;
        bool veilig;
        std::function<int(SQLite3Basis&)> commit;
        const char* daarna;
        // The large change through a prepared statement with a bound value,
        // as an added requirement is stored.
        bool voorbereid = false;
    };
    const Weg wegen[] = {
        {"commit", false, [](SQLite3Basis& db) { return db.stopTransaktie(); }, ""},
        {"commit of a prepared statement", false, [](SQLite3Basis& db) { return db.stopTransaktie(); }, "", true},
        {"the next change", false, [](SQLite3Basis& db) { return db.startTransaktie(); },
         "The previous change could not be committed, so this change was not made.\nIt is still open: commit or "
         "undo it."},
        {"the end of safe operation", true,
         [&](SQLite3Basis& db) { return db.schakelHandmatigeTransaktie(StandUit, veilig); }, ""},
    };
    for (const Weg& weg : wegen)
    {
        SCOPED_TRACE(weg.naam);
        const wxString bestand = testPad(wxString(weg.naam) + ".vtd");
        VolleSchijfVFS schijf;
        maakProjectBestand(bestand, {"een", "twee"}, {"pragma journal_mode=wal"});
        SQLite3Basis& verbinding = openBestand(bestand);
        // A change larger than SQLite's cache, which spills it into the log.
        ASSERT_EQ(verbinding.executeUpdate("pragma cache_size=8"), 0);
        ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, wxString()), 0);
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('drie')"), 0);
        if (weg.veilig)
        {
            ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, veilig), 0);
        }
        ASSERT_EQ(verbinding.startTransaktie(), 0);
        if (weg.voorbereid)
        {
            wxSQLite3Statement opdracht;
            ASSERT_EQ(verbinding.bereidVoor("insert into T (naam) values (?)", opdracht), 0);
            ASSERT_EQ(verbinding.executeUpdate(opdracht, [](wxSQLite3Statement& s) { s.Bind(1, wxString('x', 200000)); }),
                      0);
        }
        else
        {
            ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values (" + grooteTekst + ")"), 0);
        }

        schijf.beperk(3 * 4096);
        logVanger().wis();
        EXPECT_EQ(weg.commit(verbinding), 2);
        EXPECT_TRUE(schijf.isVolGeweest());
        EXPECT_TRUE(meldingKop().StartsWith(volleSchijf(bestand) +
                                            "Nothing was lost: the open changes are kept. Commit them once there is "
                                            "room on the disk.\nMake room on the disk, then try again.\n"
                                            "SQLite3 error: \"database or disk is full\""))
            << logVanger().geefAlles();
        if (*weg.daarna)
            EXPECT_TRUE(logVanger().bevat(weg.daarna, wxLOG_Error)) << logVanger().geefAlles();
        else
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        EXPECT_TRUE(weg.veilig ? verbinding.isSavePointBezig() : verbinding.rolTerugMogelijk());
        EXPECT_EQ(tel(), 4);

        schijf.hefOp();
        EXPECT_EQ(weg.commit(verbinding), 0);
        EXPECT_EQ(verbinding.stopTransaktie(), 0);
        stop();
        EXPECT_TRUE(laatNietsAchter(bestand));
        EXPECT_EQ(inBestand(bestand, "pragma integrity_check"), "ok");
        EXPECT_EQ(inBestand(bestand, "select count(*) from T where length(naam)==200000"), "1");
        EXPECT_EQ(rijenIn(bestand), 4);
    }
}

// A disk without a byte left: a project in WAL mode cannot even be read,
// since SQLite must make the index of its log beside it. That is said as it
// is; the file is no damaged file, stays as it was, and nothing of the
// attempt stays beside it. At the program's start and when opened.
TEST_F(VolleSchijf, EenVolleSchijfBijHetOpenenIsGeenBeschadigdBestand)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 256 * 1024);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString bestand = wxString::FromUTF8(schijf.geefMap()) + "/p.vtd";
    maakProjectBestand(bestand, {"een", "twee"}, {"pragma journal_mode=wal"});
    const std::string bytes = leesBytes(bestand);
    ASSERT_TRUE(laatNietsAchter(bestand));
    ASSERT_TRUE(schijf.vul(0));

    const std::pair<const char*, std::function<bool()>> wegen[] = {
        {"at the start", [&] { return openBestand(bestand).isDBOpen(); }},
        {"opened",
         [&]
         {
             SQLite3Basis& verbinding = geheugen();
             verbinding.sluitDB();
             return verbinding.open(wxFileName(bestand), false, wxString()) == 0;
         }},
    };
    for (const auto& [weg, open] : wegen)
    {
        SCOPED_TRACE(weg);
        logVanger().wis();
        EXPECT_FALSE(open());
        EXPECT_TRUE(meldingKop().StartsWith(
            volleSchijf(bestand) + "It cannot be opened: SQLite must write beside it. Nothing in it was changed "
                                   "or lost.\nMake room on the disk, then open it again."))
            << logVanger().geefAlles();
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u) << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("not a project")) << logVanger().geefAlles();
        EXPECT_TRUE(laatNietsAchter(bestand));
        EXPECT_TRUE(leesBytes(bestand) == bytes);
    }

    // With room again it opens as ever.
    schijf.maakLeeg();
    EXPECT_TRUE(openBestand(bestand).isDBOpen());
    EXPECT_EQ(tel(), 2);
}

// A few bytes left: the project opens, and a change that needs more room
// than there is gets the words of a full disk, not SQLite's.
TEST_F(VolleSchijf, EenBijnaVolleSchijfWeigertDeWijzigingMetZijnNaam)
{
    KleineSchijf schijf((testMap() / "schijf").string(), 512 * 1024);
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString bestand = wxString::FromUTF8(schijf.geefMap()) + "/p.vtd";
    maakProjectBestand(bestand, {"een", "twee"}, {"pragma journal_mode=wal"});
    SQLite3Basis& verbinding = openBestand(bestand);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, wxString()), 0);
    ASSERT_EQ(tel(), 2);
    ASSERT_TRUE(schijf.vul(8192));

    logVanger().wis();
    ASSERT_EQ(verbinding.startTransaktie(), 0);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values (" + grooteTekst + ")"), 0);
    EXPECT_EQ(verbinding.stopTransaktie(), 2);
    EXPECT_TRUE(meldingKop().StartsWith(volleSchijf(bestand))) << logVanger().geefAlles();
    EXPECT_FALSE(meldingKop().StartsWith("SQLite3 error")) << logVanger().geefAlles();

    stop();
    EXPECT_TRUE(laatNietsAchter(bestand));
    schijf.maakLeeg();
    EXPECT_EQ(inBestand(bestand, "pragma integrity_check"), "ok");
    EXPECT_EQ(rijenIn(bestand), 2);
}
