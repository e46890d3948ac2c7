// The measurements need the application object, whose list font comes from
// the display: wxWidgets is started on the display the program is given
// (scripts/eigenXserver.sh gives it an X server of its own). HOME points
// at a folder of the run, so the user's configuration is never touched.
#include "benchmarks/kern/BenchProject.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <iostream>
#include <string>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/toplevel.h>

namespace
{
class MeetApplicatie : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// VT_BENCH_MAP keeps the seeded projects for a later run; without it they
// live in a fresh folder under /tmp.
std::string maakMap()
{
    if (const char* gegeven = std::getenv("VT_BENCH_MAP"))
        return gegeven;
    std::string sjabloon = "/tmp/vt-benchmark-XXXXXX";
    if (!mkdtemp(sjabloon.data()))
        return std::string();
    return sjabloon;
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!std::getenv("DISPLAY"))
    {
        std::cerr << "No X display: run this program with scripts/eigenXserver.sh\n";
        return 2;
    }
    const std::string map = maakMap();
    if (map.empty())
    {
        std::cerr << "No folder for the projects\n";
        return 2;
    }
    setenv("HOME", map.c_str(), 1);
    wxApp::SetInstance(new MeetApplicatie);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
    {
        std::cerr << "wxWidgets could not start\n";
        return 2;
    }
    // Messages go to the terminal, not to a window.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    BenchProject::map = wxString::FromUTF8(map);
    std::cerr << "Projects in " << map << "\n";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // A window left open goes before the project it shows: its end writes
    // the settings of that project's application object.
    while (!wxTopLevelWindows.empty())
        delete wxTopLevelWindows.GetFirst()->GetData();
    BenchProject::beeindig();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
