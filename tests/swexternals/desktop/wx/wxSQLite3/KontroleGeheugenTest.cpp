// What the program remembers of the files it found sound vouches only for
// what it saw: a file whose times cannot tell a later write is not
// remembered, a record names only changes that a later one would differ
// from, and the memory's own file is trusted no more than any file of the
// user's.
#include "tests/ondersteuning/SecondenSchijf.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <condition_variable>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <mutex>
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
    struct stat info = {};
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

// Until the clock has passed the last change of the file and of its log.
void wachtTotNaDeTik(const std::string& pad)
{
    for (const std::string& deel : {pad, pad + "-wal"})
    {
        struct stat info = {};
        if (stat(deel.c_str(), &info) != 0)
            continue;
        for (timespec nu{}; clock_gettime(CLOCK_REALTIME_COARSE, &nu) == 0 && !isLater(nu, info.st_ctim);)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Ends the wait of a program that opens a pipe and waits for its other
// end: five seconds on, until it goes, it opens and closes that end again
// and again, so that an opening that waits fails the test rather than hang
// it.
class PijpOntstopper
{
public:
    explicit PijpOntstopper(std::string pad_) : pad(std::move(pad_)), draad([this] { loop(); }) {}
    ~PijpOntstopper()
    {
        {
            const std::lock_guard<std::mutex> vast(slot);
            klaar = true;
        }
        gedaan.notify_all();
        draad.join();
    }
    PijpOntstopper(const PijpOntstopper&) = delete;
    PijpOntstopper& operator=(const PijpOntstopper&) = delete;

private:
    void loop()
    {
        std::unique_lock<std::mutex> wacht(slot);
        if (gedaan.wait_for(wacht, std::chrono::seconds(60), [this] { return klaar; }))
            return;
        while (!gedaan.wait_for(wacht, std::chrono::milliseconds(10), [this] { return klaar; }))
        {
            const int einde = open(pad.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (einde >= 0)
                close(einde);
        }
    }

    std::string pad;
    std::mutex slot;
    std::condition_variable gedaan;
    bool klaar = false;
    std::thread draad;
};
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
            const std::string voor = leesBytes(wxString::FromUTF8(geheugenPad()));
            EXPECT_EQ(verbinding.executeUpdate("update T set getal=7"), 0);
            EXPECT_TRUE(isLater(geefWijzigingsTijd(geheugenPad()), geefLaatsteGenoemd(pad)));
            // Once that tick has passed, the next statement remembers the
            // commit.
            wachtTotNaDeTik(pad);
            EXPECT_EQ(verbinding.executeUpdate("create temporary table V (a)"), 0);
            EXPECT_NE(leesBytes(wxString::FromUTF8(geheugenPad())), voor);
            EXPECT_TRUE(isLater(geefWijzigingsTijd(geheugenPad()), geefLaatsteGenoemd(pad)));
            stop();
            EXPECT_TRUE(isLater(geefWijzigingsTijd(geheugenPad()), geefLaatsteGenoemd(pad)));
            EXPECT_FALSE(isGekontroleerd(bestand));
        }
}

// Made a link to a user's document, a pipe, or a file far larger than its
// list: the program reads nothing through it and writes its own list in
// its place, and the document stays as it was.
TEST_F(DatabaseTest, HetGeheugenVertrouwtZijnEigenBestandNietBlind)
{
    const std::string document = testPad("brief.txt").utf8_string();
    const std::pair<const char*, std::function<void(const wxString& bestand)>> plaatsers[] = {
        {"a link to a document",
         [&](const wxString&) { EXPECT_EQ(symlink(document.c_str(), geheugenPad().c_str()), 0); }},
        {"a pipe", [](const wxString&) { EXPECT_EQ(mkfifo(geheugenPad().c_str(), 0600), 0); }},
        {"a file larger than its list can be, the file remembered at its start", [this](const wxString& bestand)
         {
             EXPECT_TRUE(isGekontroleerd(bestand));
             EXPECT_EQ(truncate(geheugenPad().c_str(), 1 << 20), 0);
         }}};
    for (const auto& [wat, plaats] : plaatsers)
    {
        SCOPED_TRACE(wat);
        schrijfBytes(wxString::FromUTF8(document), "Dear reader,\n");
        const wxString bestand = testPad(wxString(wat) + ".vtd");
        maakProjectBestand(bestand, {"a"});
        unlink(geheugenPad().c_str());
        wxFileName::Mkdir(wxString::FromUTF8(geheugenPad()).BeforeLast('/'), 0700, wxPATH_MKDIR_FULL);
        plaats(bestand);
        {
            const PijpOntstopper ontstopper(geheugenPad());
            EXPECT_TRUE(isGekontroleerd(bestand));
            EXPECT_FALSE(isGekontroleerd(bestand));
        }
        struct stat info = {};
        EXPECT_EQ(lstat(geheugenPad().c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_LT(info.st_size, 4096);
        EXPECT_EQ(leesBytes(wxString::FromUTF8(document)), "Dear reader,\n");
    }
}
