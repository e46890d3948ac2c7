// The program as it starts for real: wxIMPLEMENT_APP makes the application
// object before the toolkit is up, then wxEntry starts GTK and calls
// OnInitGui and OnInit. The test runners start GTK before they make an
// application object, so only a start like this one shows a constructor
// that needs the display (GTK ends the process then).
//
// It ends in its own OnInit, without the program's windows, and leaves the
// main loop at once; start.sh runs it with and without a display and reads
// what it printed and the settings it left.
#include "toepassing/kern/VerelTamsoApp.h"

#include <cstdio>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/modalhook.h>

namespace
{
// A first start tells the user things in message boxes (a project in
// memory, say); nobody is there to click them away.
class DialoogSluiter : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dialoog) override
    {
        std::printf("dialog: %s\n", static_cast<const char*>(dialoog->GetTitle().utf8_str()));
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

DialoogSluiter dialoogSluiter;
} // namespace

class StartProef : public VerelTamsoApp
{
public:
    bool OnInit() override
    {
        dialoogSluiter.Register();
        const wxSize scherm = wxGetDisplaySize();
        std::printf("display: %dx%d\n", scherm.GetWidth(), scherm.GetHeight());
        std::printf("font: %s\n", static_cast<const char*>(lijstFont.GetNativeFontInfoDesc().utf8_str()));
        std::fflush(stdout);
        if (!lijstFont.IsOk() || scherm.GetWidth() <= 0)
            return false;
        CallAfter([this] { ExitMainLoop(); });
        return true;
    }
};

wxIMPLEMENT_APP(StartProef);
