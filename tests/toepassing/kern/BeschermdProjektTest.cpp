// A project its user may not write, as the program shows it to a user who
// is not root: opened read-only with its requirements in the list, and
// writable again once the protection is lifted.
#include "tests/ondersteuning/GewoneGebruiker.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>

namespace fs = std::filesystem;

namespace
{
// The application object as the program makes it, beside the runner's.
class Programma
{
public:
    Programma() : vorige(wxApp::GetInstance()), app(std::make_unique<VerelTamsoApp>()) { wxApp::SetInstance(vorige); }
    ~Programma()
    {
        app.reset();
        wxApp::SetInstance(vorige);
    }
    VerelTamsoApp* operator->() const { return app.get(); }

    // Opens the file and starts it as the main window does: 0 when started.
    int open(const wxString& pad)
    {
        app->sluitDB();
        const unsigned int geopend = app->open(wxFileName(pad), false, wxString());
        return geopend != 0 ? 100 + static_cast<int>(geopend) : app->startDatabase();
    }

    std::vector<int> lijst()
    {
        const RequirementLijst rijen =
            app->zoek(VerelTamsoApp::KolomID, SorteringOplopend, wxString(), wxString(), Requirement::StatusAlle,
                      Requirement::TypeAlle, Requirement::FunkTypeAlle, 1);
        std::vector<int> nummers;
        for (size_t i = 0; i < rijen.size(); ++i)
            nummers.push_back(rijen[i].SR);
        return nummers;
    }

private:
    wxAppConsole* vorige;
    std::unique_ptr<VerelTamsoApp> app;
};

Requirement nieuw(int nummer)
{
    Requirement rek;
    rek.SR = nummer;
    rek.naam = wxString::Format("Requirement %d", nummer);
    return rek;
}

constexpr fs::perms alleenLezen = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
} // namespace

TEST(BeschermdProjekt, OpentAlleenLezenMetZijnRequirementsEnDaarnaWeerSchrijfbaar)
{
    alsGewoneGebruiker(
        [&]
        {
            const fs::path map = testMap() / "beschermd";
            fs::create_directory(map);
            const wxString pad = wxString::FromUTF8((map / "p.vtd").string());
            {
                wxSQLite3Database leeg;
                leeg.Open(pad);
            }
            {
                Programma programma;
                ASSERT_EQ(programma.open(pad), 0);
                ASSERT_EQ(programma->voegToe(nieuw(1)), 0);
                ASSERT_EQ(programma->voegToe(nieuw(2)), 0);
            }
            // The file, and then its folder too.
            fs::permissions(pad.utf8_string(), alleenLezen);
            for (const bool ookDeMap : {false, true})
            {
                SCOPED_TRACE(ookDeMap ? "file and folder protected" : "file protected");
                if (ookDeMap)
                    fs::permissions(map, alleenLezen | fs::perms::owner_exec | fs::perms::group_exec |
                                             fs::perms::others_exec);
                logVanger().wis();
                Programma programma;
                ASSERT_EQ(programma.open(pad), 0) << logVanger().geefAlles();
                EXPECT_TRUE(programma->isAlleenLezenDB());
                EXPECT_EQ(programma.lijst(), (std::vector<int>{1, 2}));
                EXPECT_EQ(programma->voegToe(nieuw(3)), 1);
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
            }

            fs::permissions(map, fs::perms::owner_all);
            fs::permissions(pad.utf8_string(), fs::perms::owner_read | fs::perms::owner_write);
            logVanger().wis();
            Programma programma;
            ASSERT_EQ(programma.open(pad), 0);
            EXPECT_FALSE(programma->isAlleenLezenDB());
            EXPECT_EQ(programma->voegToe(nieuw(3)), 0);
            EXPECT_EQ(programma->stopTransaktie(), 0);
            EXPECT_EQ(programma.lijst(), (std::vector<int>{1, 2, 3}));
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        });
}
