// Main of the test programs with windows. wx's GUI is started on the X
// server the program runs on (scripts/eigenXserver.sh gives each its own);
// every modal dialog is answered by the test.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <cstdlib>
#include <iostream>
#include <wx/app.h>
#include <wx/init.h>

namespace
{
class TestApplicatie : public wxApp
{
public:
    bool OnInit() override { return true; }
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("DISPLAY"))
    {
        std::cerr << "No X display: run this test program with scripts/eigenXserver.sh\n";
        return 2;
    }
    wxApp::SetInstance(new TestApplicatie);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
    {
        std::cerr << "wxWidgets could not start on display " << std::getenv("DISPLAY") << "\n";
        return 2;
    }
    TestOmgeving::installeer();
    // Every test ends with its answers used; the next starts with none.
    TestOmgeving::voegEindControleToe([] { dialoogBeantwoorder().sluitTestAf(); });
    dialoogBeantwoorder().Register();
    const int uitkomst = RUN_ALL_TESTS();
    dialoogBeantwoorder().Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return uitkomst;
}
