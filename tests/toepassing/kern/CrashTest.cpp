// A writer killed at random moments loses no change it acknowledged and
// leaves no damaged file: a project survives its program's end however it
// comes.
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/Waakhond.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <random>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/wxsqlite3.h>

extern char** environ;

namespace
{
// A running writer, its output read as it comes.
class Schrijver
{
public:
    explicit Schrijver(const std::string& pad)
    {
        int pijp[2];
        if (pipe(pijp) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t acties;
        posix_spawn_file_actions_init(&acties);
        posix_spawn_file_actions_adddup2(&acties, pijp[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&acties, pijp[0]);
        posix_spawn_file_actions_addclose(&acties, pijp[1]);
        const std::string programma = VT_SCHRIJVER;
        char* argumenten[] = {const_cast<char*>(programma.c_str()), const_cast<char*>(pad.c_str()), nullptr};
        const int fout = posix_spawn(&m_pid, programma.c_str(), &acties, nullptr, argumenten, environ);
        posix_spawn_file_actions_destroy(&acties);
        close(pijp[1]);
        m_uit = pijp[0];
        if (fout != 0)
            throw std::runtime_error("the writer could not be started: " + programma);
    }
    ~Schrijver()
    {
        if (m_pid > 0)
            dood();
        close(m_uit);
    }

    // Reads what the writer printed within the time (or until it ended):
    // the numbers it acknowledged.
    void lees(std::chrono::milliseconds tijd, std::set<int>& bevestigd)
    {
        const auto einde = std::chrono::steady_clock::now() + tijd;
        for (;;)
        {
            const auto over =
                std::chrono::duration_cast<std::chrono::milliseconds>(einde - std::chrono::steady_clock::now());
            pollfd wacht{m_uit, POLLIN, 0};
            if (over.count() <= 0 || poll(&wacht, 1, static_cast<int>(over.count())) <= 0)
                return;
            char buffer[4096];
            const ssize_t gelezen = read(m_uit, buffer, sizeof(buffer));
            if (gelezen <= 0)
                return;
            m_regel.append(buffer, static_cast<size_t>(gelezen));
            for (size_t eind = m_regel.find('\n'); eind != std::string::npos; eind = m_regel.find('\n'))
            {
                bevestigd.insert(std::stoi(m_regel.substr(0, eind)));
                m_regel.erase(0, eind + 1);
            }
        }
    }

    // Kills the writer, and gives how it ended.
    int dood()
    {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_uit = -1;
    std::string m_regel;
};

wxString controleer(const wxString& pad)
{
    // Writable, as the program opens it: what the log holds is taken in.
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READWRITE);
    wxSQLite3ResultSet uitslag = bestand.ExecuteQuery("pragma integrity_check");
    return uitslag.NextRow() ? uitslag.GetString(0) : wxString("no answer");
}

std::set<int> nummersIn(const wxString& pad)
{
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
    std::set<int> nummers;
    wxSQLite3ResultSet rij = bestand.ExecuteQuery("select SR from Requirements");
    while (rij.NextRow())
        nummers.insert(rij.GetInt(0));
    return nummers;
}
} // namespace

TEST(Crash, EenGedodeSchrijverVerliestGeenBevestigdeWijziging)
{
    const std::string pad = (testMap() / "crash.vtd").string();
    const wxString wxPad = wxString::FromUTF8(pad);
    {
        wxSQLite3Database nieuw;
        nieuw.Open(wxPad);
    }
    const unsigned int zaad = std::random_device()();
    std::mt19937 toeval(zaad);
    SCOPED_TRACE("random seed " + std::to_string(zaad));
    std::set<int> bevestigd;
    constexpr int rondes = 20;
    for (int ronde = 0; ronde < rondes; ++ronde)
    {
        SCOPED_TRACE("kill " + std::to_string(ronde + 1));
        Waakhond waakhond("the writer of kill " + std::to_string(ronde + 1));
        Schrijver schrijver(pad);
        // Mostly while it writes, after its first commit; now and then as it
        // starts, opens or prepares the project.
        if (ronde % 5 == 4)
            schrijver.lees(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 150)(toeval)), bevestigd);
        else
        {
            const size_t voor = bevestigd.size();
            for (int poging = 0; poging < 200 && bevestigd.size() == voor; ++poging)
                schrijver.lees(std::chrono::milliseconds(50), bevestigd);
            schrijver.lees(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 60)(toeval)), bevestigd);
        }
        const int status = schrijver.dood();
        // What it printed before it died is acknowledged too.
        schrijver.lees(std::chrono::milliseconds(200), bevestigd);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer ended by itself, status " << status;

        ASSERT_EQ(controleer(wxPad), "ok");
        const std::set<int> inBestand = nummersIn(wxPad);
        for (const int nummer : bevestigd)
            ASSERT_TRUE(inBestand.count(nummer)) << "acknowledged requirement " << nummer << " is lost";
    }
    // The writer did write: most kills came in the middle of its work.
    EXPECT_GE(bevestigd.size(), static_cast<size_t>(rondes));

    // And the program opens the project as ever, with every requirement.
    wxAppConsole* vorige = wxApp::GetInstance();
    auto app = std::make_unique<VerelTamsoApp>();
    wxApp::SetInstance(vorige);
    app->sluitDB();
    ASSERT_EQ(app->open(wxFileName(wxPad), false, wxString()), 0u);
    ASSERT_EQ(app->startDatabase(), 0);
    EXPECT_EQ(app->geefAantalRequirements(), static_cast<long long>(nummersIn(wxPad).size()));
    app.reset();
    wxApp::SetInstance(vorige);
}
