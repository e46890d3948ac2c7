// The test runner itself: a real frame on the X server, dialogs answered,
// the log caught, a private HOME, asserts that fail the test.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

TEST(TestRunner, ToontEenVensterOpHetScherm)
{
    auto* venster = new wxFrame(nullptr, wxID_ANY, "Proef", wxDefaultPosition, wxSize(400, 300));
    venster->Show();
    verwerkGebeurtenissen();
    EXPECT_TRUE(venster->IsShown());
    EXPECT_TRUE(venster->IsShownOnScreen());
    EXPECT_GT(venster->GetClientSize().GetWidth(), 0);
    venster->Destroy();
    verwerkGebeurtenissen(50);
}

TEST(TestRunner, BeantwoordtMeldingenZonderTeWachten)
{
    dialoogBeantwoorder().verwacht(wxID_NO);
    EXPECT_EQ(wxMessageBox("Save the project?", "Question", wxYES_NO), wxNO);
    ASSERT_EQ(dialoogBeantwoorder().geefGetoond().size(), 1u);
    EXPECT_TRUE(dialoogBeantwoorder().geefGetoond()[0].melding.Contains("Save the project?"));

    // A dialog nobody expected fails the test instead of waiting for a click.
    EXPECT_NONFATAL_FAILURE(wxMessageBox("Unexpected"), "unexpected dialog");
}

TEST(TestRunner, VangtDeLogEnGeeftEenEigenThuismap)
{
    wxLogError("Database Execute Error");
    wxLogWarning("careful");
    EXPECT_TRUE(logVanger().bevat("Execute", wxLOG_Error));
    EXPECT_FALSE(logVanger().bevat("careful", wxLOG_Error));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 1u);

    EXPECT_EQ(wxFileName::GetHomeDir(), wxString(testMap().string()));
    EXPECT_TRUE(wxFileName::GetTempDir().StartsWith(wxString(testMap().string())));
    EXPECT_TRUE(wxStandardPaths::Get().GetUserConfigDir().StartsWith(wxString(testMap().string())));
}

TEST(TestRunner, EenWxAssertLaatDeTestFalen)
{
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("broken"), "broken");
}
