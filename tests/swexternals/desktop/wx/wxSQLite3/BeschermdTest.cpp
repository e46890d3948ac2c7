// A project that its user may not write, as a user who is not root meets it:
// SQLite reads a WAL project through the -wal and -shm files beside it, and
// root would write those where the user cannot.
#include "tests/ondersteuning/GewoneGebruiker.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{
using Beschermd = DatabaseTest;

constexpr fs::perms alleenLezen = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms map555 = alleenLezen | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

// A project in WAL mode, closed as the program closes it: nothing beside it.
wxString maakWALProject(const fs::path& map)
{
    fs::create_directories(map);
    const wxString pad = wxString::FromUTF8((map / "p.vtd").string());
    maakProjectBestand(pad, {"een", "twee"}, {"pragma journal_mode=wal"});
    return pad;
}

bool isSchrijfbaar(const wxString& pad)
{
    return access(pad.fn_str(), W_OK) == 0;
}
} // namespace

// Protected on the file, on the folder or on both: the project opens
// read-only and shows what it holds, at every start, and is left as it was,
// with nothing beside it.
TEST_F(Beschermd, EenWALProjectDatNietGeschrevenMagWordenOpentAlleenLezen)
{
    struct Geval
    {
        const char* naam;
        fs::perms bestand;
        fs::perms map;
    };
    const Geval gevallen[] = {{"file and folder", alleenLezen, map555},
                              {"file", alleenLezen, fs::perms::owner_all},
                              {"folder", fs::perms::owner_read | fs::perms::owner_write, map555}};
    alsGewoneGebruiker(
        [&]
        {
            for (const Geval& geval : gevallen)
            {
                SCOPED_TRACE(geval.naam);
                const fs::path map = testMap() / geval.naam;
                const wxString bestand = maakWALProject(map);
                const std::string voor = leesBytes(bestand);
                fs::permissions(bestand.utf8_string(), geval.bestand);
                fs::permissions(map, geval.map);
                for (int start = 0; start < 2; ++start)
                {
                    logVanger().wis();
                    SQLite3Basis& verbinding = openBestand(bestand);
                    EXPECT_TRUE(verbinding.isDBOpen()) << logVanger().geefAlles();
                    EXPECT_TRUE(verbinding.isAlleenLezenDB());
                    EXPECT_TRUE(
                        logVanger().bevat("is write-protected. It is opened in read-only mode.", wxLOG_Warning));
                    EXPECT_EQ(naam(2), "twee");
                    EXPECT_EQ(tel(), 2);
                    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
                    stop();
                    EXPECT_EQ(leesKonfig("DBPad"), bestand);
                    EXPECT_TRUE(laatNietsAchter(bestand));
                }
                EXPECT_TRUE(leesBytes(bestand) == voor);
                fs::permissions(map, fs::perms::owner_all);
            }
        });
}

// Read-only, SQLite makes the -wal and -shm with the file's own permissions;
// once the protection is lifted, changes must work again. The same after a
// read-only look by another program, which leaves them as SQLite made them.
TEST_F(Beschermd, NaEenBlikAlleenLezenWordtHetProjectWeerSchrijfbaar)
{
    alsGewoneGebruiker(
        [&]
        {
            for (const bool doorOns : {true, false})
            {
                SCOPED_TRACE(doorOns ? "read-only open by us" : "read-only open by another program");
                const fs::path map = testMap() / (doorOns ? "ons" : "ander");
                const wxString bestand = maakWALProject(map);
                fs::permissions(bestand.utf8_string(), alleenLezen);
                if (doorOns)
                {
                    EXPECT_TRUE(openBestand(bestand).isAlleenLezenDB());
                    EXPECT_EQ(tel(), 2);
                    stop();
                }
                else
                {
                    wxSQLite3Database ander;
                    ander.Open(bestand, wxString(), WXSQLITE_OPEN_READONLY);
                    EXPECT_EQ(ander.ExecuteScalar("select count(*) from T"), 2);
                    ander.Close();
                    ASSERT_FALSE(isSchrijfbaar(bestand + "-shm")) << "SQLite made the -shm writable after all";
                }

                fs::permissions(bestand.utf8_string(), fs::perms::owner_read | fs::perms::owner_write);
                logVanger().wis();
                SQLite3Basis& verbinding = openBestand(bestand);
                EXPECT_TRUE(verbinding.isDBOpen(true)) << logVanger().geefAlles();
                EXPECT_EQ(verbinding.executeUpdate("insert into T (naam) values ('drie')"), 0);
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
                stop();
                EXPECT_EQ(rijenIn(bestand), 3);
            }
        });
}
