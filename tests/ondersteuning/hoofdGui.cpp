// Main of the test programs with windows. wx's GUI is started on the display
// that xvfb-run gives; every modal dialog is answered by the test.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <iostream>

namespace
{
class TestApplicatie : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// Every test starts with no answers queued and no dialogs seen.
class DialoogControle : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { dialoogBeantwoorder().wis(); }
};
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("DISPLAY"))
    {
        std::cerr << "No X display: run this test program under xvfb-run -a\n";
        return 2;
    }
    wxApp::SetInstance(new TestApplicatie);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
    {
        std::cerr << "wxWidgets could not start on display " << std::getenv("DISPLAY") << "\n";
        return 2;
    }
    TestOmgeving::installeer();
    ::testing::UnitTest::GetInstance()->listeners().Append(new DialoogControle);
    dialoogBeantwoorder().Register();
    const int uitkomst = RUN_ALL_TESTS();
    dialoogBeantwoorder().Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return uitkomst;
}
