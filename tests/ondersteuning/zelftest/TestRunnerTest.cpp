// The test runner itself: a real frame on the X server, dialogs answered,
// the log caught, a private HOME, asserts that fail the test.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stdpaths.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

namespace
{
// A dialog with a field that may not stay empty and an OK handler of its
// own, as the program's dialogs have them.
class NaamDialoog : public wxDialog
{
public:
    NaamDialoog() : wxDialog(nullptr, wxID_ANY, "Name")
    {
        veld = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0,
                              wxTextValidator(wxFILTER_EMPTY, &naam));
        auto* kolom = new wxBoxSizer(wxVERTICAL);
        kolom->Add(veld, 0, wxEXPAND | wxALL, 5);
        kolom->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 5);
        SetSizerAndFit(kolom);
        Bind(
            wxEVT_BUTTON,
            [this](wxCommandEvent& klik)
            {
                ++okGeklikt;
                klik.Skip(); // on to the dialog's own: validate, transfer, end
            },
            wxID_OK);
    }
    wxTextCtrl* veld;
    wxString naam;
    int okGeklikt = 0;
};
} // namespace

TEST(TestRunner, ToontEenVensterOpHetScherm)
{
    auto* venster = new wxFrame(nullptr, wxID_ANY, "Proef", wxDefaultPosition, wxSize(400, 300));
    venster->Show();
    EXPECT_TRUE(wachtOp([&] { return venster->IsShownOnScreen() && venster->GetClientSize().GetWidth() > 0; }));
    venster->Destroy();
    verwerkGebeurtenissen();
    EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(venster)) << "destroyed at the next idle time";
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

TEST(TestRunner, VerwerktAlleenWatErLigtEnWachtOpEenVoorwaarde)
{
    wxStopWatch klok;
    verwerkGebeurtenissen(60000);
    EXPECT_LT(klok.Time(), 30000) << "hung: nothing was pending, so nothing to wait for";

    bool gedaan = false;
    wxTheApp->CallAfter([&] { gedaan = true; });
    verwerkGebeurtenissen();
    EXPECT_TRUE(gedaan);
    EXPECT_FALSE(wachtOp([] { return false; }, 50));
}

TEST(TestRunner, KliktOKInEenEchteDialoogMetValidatieEnEigenAfhandeling)
{
    {
        NaamDialoog dialoog;
        EXPECT_EQ(toonEnKlikOK(dialoog, [&](wxDialog&) { dialoog.veld->ChangeValue("Project X"); }), wxID_OK);
        EXPECT_EQ(dialoog.okGeklikt, 1);
        EXPECT_EQ(dialoog.naam, "Project X") << "the validator carried the field over";
    }
    {
        // An empty field is refused with the validator's own message; the
        // dialog stays open until the helper ends it.
        NaamDialoog dialoog;
        dialoogBeantwoorder().klikOK({}, false);
        dialoogBeantwoorder().verwacht(wxID_OK);
        EXPECT_EQ(dialoog.ShowModal(), wxID_NONE);
        EXPECT_EQ(dialoog.okGeklikt, 1);
        EXPECT_TRUE(dialoog.naam.empty());
        const auto& getoond = dialoogBeantwoorder().geefGetoond();
        ASSERT_EQ(getoond.size(), 3u);
        EXPECT_EQ(getoond[1].titel, "Name");
        EXPECT_FALSE(getoond[2].melding.empty()) << "the validator's message";
    }
    {
        // Expected to close, it fails the test when it does not.
        NaamDialoog dialoog;
        dialoogBeantwoorder().klikOK();
        dialoogBeantwoorder().verwacht(wxID_OK);
        EXPECT_NONFATAL_FAILURE(dialoog.ShowModal(), "OK did not close the dialog \"Name\"");
    }
    {
        // A disabled OK button cannot be clicked.
        NaamDialoog dialoog;
        dialoog.Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& knop) { knop.Enable(false); }, wxID_OK);
        EXPECT_NONFATAL_FAILURE(toonEnKlikOK(dialoog), "the button is disabled");
        EXPECT_EQ(dialoog.okGeklikt, 0);
    }
}

TEST(TestRunner, EenOngebruiktAntwoordLaatDeTestFalen)
{
    dialoogBeantwoorder().verwacht(wxID_YES);
    EXPECT_NONFATAL_FAILURE(dialoogBeantwoorder().sluitTestAf(), "1 queued dialog answer(s) left unused");
    EXPECT_EQ(dialoogBeantwoorder().geefOpenAntwoorden(), 0u);
}
