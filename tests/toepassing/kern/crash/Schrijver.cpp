// The writer that the crash test kills: it opens the project named on its
// command line, starts it as the main window does, and adds requirements
// through the store one by one, each its own change, committed. After each
// commit it prints the requirement's number: from then on the change is
// acknowledged, and the test expects it in the file however the writer ends.
#include "toepassing/kern/VerelTamsoApp.h"

#include <cstdio>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    wxInitializer wx(argc, argv);
    if (!wx.IsOk() || argc != 2)
    {
        std::fprintf(stderr, "usage: %s <project file>\n", argv[0]);
        return 2;
    }
    // It lives until the writer is killed; the toolkit's end does not end it.
    auto* app = new VerelTamsoApp;
    wxApp::SetInstance(nullptr);
    app->sluitDB();
    if (app->open(wxFileName(wxString::FromUTF8(argv[1])), false, wxString()) != 0 || app->startDatabase() != 0)
        return 3;
    // Texts long enough that a change writes several pages.
    const wxString beschrijving(wxUniChar(0x00E9), 3000);
    for (int nummer = app->geefEerstvolgendeSRNummer(); nummer > 0; ++nummer)
    {
        Requirement rek;
        rek.naam = wxString::Format("Requirement %d", nummer);
        rek.SR = nummer;
        rek.beschrijving = beschrijving;
        if (app->voegToe(rek) != 0 || app->stopTransaktie() != 0)
            return 4;
        std::printf("%d\n", nummer);
        std::fflush(stdout);
    }
    return 5;
}
