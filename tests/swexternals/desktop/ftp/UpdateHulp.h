#ifndef TESTS_SWEXTERNALS_DESKTOP_FTP_UPDATEHULP_H
#define TESTS_SWEXTERNALS_DESKTOP_FTP_UPDATEHULP_H

// What the tests of the update check share: the application with its main
// window, an updater that records how it stops the program, and the
// recorder of the installers handed to the desktop.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/TrivaneFTPUpdater.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/TijdelijkeApp.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/progdlg.h>

class ProefApp : public DesktopApp
{
public:
    ProefApp() : DesktopApp("VerelTamso", "vtd") {}
};

using App = TijdelijkeApp<ProefApp>;

// The main window with a project in memory: its stop offers to save the
// project, and Cancel keeps it open.
class ProjectVenster : public wxFrame
{
public:
    explicit ProjectVenster(DesktopApp& app) : wxFrame(nullptr, wxID_ANY, "Project")
    {
        app.zetHoofdVenster(this, false, false);
    }
    bool stopProject()
    {
        return DesktopVraag::geef().stelVraag("Save the project in memory?", "Project", wxYES_NO | wxCANCEL, this) !=
               wxCANCEL;
    }
    bool isGesloten() { return wxTheApp->IsScheduledForDestruction(this); }
};

inline wxProgressDialog* vindVoortgangDialoog()
{
    for (wxWindow* venster : wxTopLevelWindows)
        if (auto* dialoog = dynamic_cast<wxProgressDialog*>(venster))
            return dialoog;
    return nullptr;
}

// Records the installers handed to the desktop's package installer instead
// of starting one, with what the file held at that moment.
class InstallatieOpnemer
{
public:
    InstallatieOpnemer()
        : vorige(Platform::zetInstalleerder(
              [this](const wxString& pakket)
              {
                  paden.push_back(std::filesystem::path(pakket.utf8_string()));
                  inhoud.push_back(leesBestand(paden.back()));
                  return gelukt;
              }))
    {
    }
    ~InstallatieOpnemer() { Platform::zetInstalleerder(vorige); }

    static std::string leesBestand(const std::filesystem::path& pad);

    std::vector<std::filesystem::path> paden;
    std::vector<std::string> inhoud;
    bool gelukt = true;

private:
    Platform::Installeerder vorige;
};

// The updater as the application derives it: the main window's project is
// stopped first, and its close follows the hand-over. What it saw at each
// step is kept.
class ProefUpdater : public TrivaneFTPUpdater
{
public:
    ProefUpdater(DesktopApp& app, const wxString& adres, const wxString& sleutel, bool stil = false,
                 bool passief = true)
        : TrivaneFTPUpdater(&app, TrivaneDesktopFTPLogin(adres, passief, true, "anonymous", wxString()), updateMap,
                            stil, true, sleutel),
          app(app)
    {
    }

    bool bereidStopVoor() override
    {
        ++voorbereidingen;
        voortgangOpenBijStop = vindVoortgangDialoog() != nullptr;
        if (bijVoorbereiding)
            bijVoorbereiding();
        auto* venster = dynamic_cast<ProjectVenster*>(app.geefHoofdVenster());
        return venster && venster->stopProject();
    }

    bool stopHoofdProgramma() override
    {
        ++stops;
        if (bijStop)
            bijStop();
        wxWindow* venster = app.geefHoofdVenster();
        return venster && venster->Destroy();
    }

    int voorbereidingen = 0;
    int stops = 0;
    bool voortgangOpenBijStop = false;
    std::function<void()> bijVoorbereiding;
    std::function<void()> bijStop;
    std::function<void(wxProgressDialog&)> bijVoortgang;

protected:
    void voortgangBijgewerkt(wxProgressDialog& dialoog) override
    {
        if (bijVoortgang)
            bijVoortgang(dialoog);
    }

private:
    DesktopApp& app;
};

// Presses a progress dialog's Cancel button as a click would.
void drukAnnuleer(wxProgressDialog& dialoog);

// The private folders of downloads in the temporary folder.
std::vector<std::filesystem::path> priveMappen();

#endif
