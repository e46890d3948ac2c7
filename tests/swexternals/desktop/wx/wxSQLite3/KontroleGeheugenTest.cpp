// What the program remembers of the files it found sound vouches only for
// what it saw: a file whose times cannot tell a later write is not
// remembered, and a record names only changes that a later one would differ
// from.
#include "tests/ondersteuning/SecondenSchijf.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <ctime>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <wx/stdpaths.h>

namespace
{
std::string geheugenPad()
{
    return (wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Cache) + "/VerelTamso/gaaf-gekontroleerd")
        .utf8_string();
}

timespec geefWijzigingsTijd(const std::string& pad)
{
    struct stat info
    {
    };
    EXPECT_EQ(stat(pad.c_str(), &info), 0) << pad;
    return info.st_mtim;
}

bool isLater(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

// The latest change that the memory's line of a file names: the change time
// of the file or of its log, the sixth and seventh fields of each part.
timespec geefLaatsteGenoemd(const std::string& pad)
{
    const std::string inhoud = leesBytes(wxString::FromUTF8(geheugenPad()));
    const size_t einde = inhoud.find("\t" + pad + "\n");
    EXPECT_NE(einde, std::string::npos) << "not remembered: " << pad;
    const size_t begin = einde == std::string::npos ? einde : inhoud.rfind('\n', einde);
    std::istringstream regel(inhoud.substr(begin == std::string::npos ? 0 : begin + 1, einde - begin - 1));
    timespec laatst{};
    for (std::string deel; std::getline(regel, deel, '/');)
    {
        unsigned long long apparaat = 0, inode = 0, grootte = 0;
        long long seconden = 0, wijzigingsSeconden = 0;
        long nano = 0, wijzigingsNano = 0;
        if (std::sscanf(deel.c_str(), "%llx.%llx.%llx.%lld.%ld.%lld.%ld.", &apparaat, &inode, &grootte,
                        &wijzigingsSeconden, &wijzigingsNano, &seconden, &nano) == 7 &&
            isLater({static_cast<time_t>(seconden), nano}, laatst))
            laatst = {static_cast<time_t>(seconden), nano};
    }
    return laatst;
}

} // namespace

// On a file system that keeps whole seconds, a write in the second of the
// record would leave every part of what identifies the file as it was: such
// a file is checked at every opening.
TEST_F(DatabaseTest, EenBestandMetTijdenInHeleSecondenWordtNietOnthouden)
{
    SecondenSchijf schijf(testPad("seconden").utf8_string());
    if (!schijf.isGekoppeld())
        GTEST_SKIP() << schijf.waarom();
    const wxString bestand = wxString::FromUTF8(schijf.geefMap() + "/p.vtd");
    maakProjectBestand(bestand, {"a", "b"}, {"pragma journal_mode=wal"});
    EXPECT_TRUE(isGekontroleerd(bestand));
    // A change of the program's own, its close and another program's write
    // in one second.
    const time_t begin = std::time(nullptr);
    while (std::time(nullptr) == begin)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(openBestand(bestand).executeUpdate("update T set getal=7"), 0);
    stop();
    schrijfPaginaTerug(bestand);
    EXPECT_TRUE(isGekontroleerd(bestand));
}

// A change in the clock's tick of the last one leaves the times as they
// were: the memory names a change only once its tick has passed, after a
// commit of the program's own as at the close.
TEST_F(DatabaseTest, HetGeheugenNoemtAlleenWijzigingenWaarvanDeTikVoorbijIs)
{
    for (const bool wal : {true, false})
        for (int keer = 0; keer < 8; ++keer)
        {
            SCOPED_TRACE(wxString::Format("%s, %d", wal ? "WAL" : "rollback journal", keer));
            const wxString bestand = testPad(wxString::Format("%d %d.vtd", wal, keer));
            maakProjectBestand(bestand, {"a"}, {wal ? "pragma journal_mode=wal" : "pragma journal_mode=delete"});
            EXPECT_TRUE(isGekontroleerd(bestand));
            const std::string pad = bestand.utf8_string();
            SQLite3Basis& verbinding = openBestand(bestand);
            EXPECT_EQ(verbinding.executeUpdate("update T set getal=7"), 0);
            EXPECT_TRUE(isLater(geefWijzigingsTijd(geheugenPad()), geefLaatsteGenoemd(pad)));
            stop();
            EXPECT_TRUE(isLater(geefWijzigingsTijd(geheugenPad()), geefLaatsteGenoemd(pad)));
            EXPECT_FALSE(isGekontroleerd(bestand));
        }
}
