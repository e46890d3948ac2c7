// A program of the desktop library that checks for updates once, silently,
// on the server its argument names, and then quits as the user's Quit ends
// a program: its main window closes, the main loop ends and main returns.
// The test of the program's end beside a folder that does not answer starts
// it. Exit status 0 once the check has run and the program has ended.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/TrivaneFTPUpdater.h"

#include <wx/frame.h>
#include <wx/log.h>

namespace
{
bool gecontroleerd = false;

class StilleUpdater : public TrivaneFTPUpdater
{
public:
    StilleUpdater(DesktopApp* app, const wxString& adres)
        : TrivaneFTPUpdater(app, TrivaneDesktopFTPLogin(adres, true, true, "anonymous", wxString()), updateMap, true,
                            false, wxString())
    {
    }
    bool bereidStopVoor() override { return false; }
    bool stopHoofdProgramma() override { return false; }
};

class ControleApp : public DesktopApp
{
public:
    ControleApp() : DesktopApp("VerelTamso", "vtd") {}

    bool OnInit() override
    {
        // Nothing waits for a click here: whatever is logged goes to the
        // test's output.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        if (argc < 2)
            return false;
        auto* venster = new wxFrame(nullptr, wxID_ANY, "VerelTamso");
        zetHoofdVenster(venster, false, false);
        venster->Show();
        const wxString adres = argv[1];
        CallAfter(
            [this, venster, adres]
            {
                StilleUpdater updater(this, adres);
                static_cast<void>(updater.ga(5000));
                gecontroleerd = true;
                venster->Close(true);
            });
        return true;
    }
};
} // namespace

wxIMPLEMENT_APP_NO_MAIN(ControleApp);

int main(int argc, char** argv)
{
    const int status = wxEntry(argc, argv);
    return gecontroleerd ? status : 3;
}
