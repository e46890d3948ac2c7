// The show-requirement dialog: the three texts and the three together,
// printing answered with Cancel, and saving to a file.
#include "toepassing/venster/ToonRequirement.h"

#include "swexternals/desktop/DesktopApp.h"
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/RijkeTekst.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <memory>
#include <wx/choice.h>
#include <wx/ffile.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextprint.h>

namespace
{
inline constexpr auto rijkVeld = control<wxRichTextCtrl, ToonRequirement::ID_RIJKVELD>;
inline constexpr auto veldKeuze = control<wxChoice, ToonRequirement::ID_KIESREKVELD>;

class ToonTest : public ProjectTest
{
protected:
    std::unique_ptr<ToonRequirement> dialoog;

    void SetUp() override
    {
        ProjectTest::SetUp();
        ASSERT_EQ(app->zetProjektNaam("Alarm system"), 0);
        registreerFormaten();
        Requirement rek;
        rek.naam = "Door sensor";
        rek.SR = 12;
        rek.beschrijving = alsRijk("Reports an open door.");
        rek.implementatie = alsRijk("Reed contact.");
        rek.validatie_test = alsRijk("Open the door.");
        dialoog = std::make_unique<ToonRequirement>(nullptr, &*app, rek, ToonRequirement::ID_TOONREQUIREMENT,
                                                    "The currently selected requirement: 12");
    }
    void TearDown() override { dialoog.reset(); }
};
} // namespace

TEST_F(ToonTest, DeVeldenEnAlleDrieSamen)
{
    ToonRequirement& d = *dialoog;
    EXPECT_EQ(veldKeuze(d).GetSelection(), 0);
    EXPECT_EQ(rijkVeld(d).GetValue(), "Reports an open door.");
    kies(veldKeuze(d), 1);
    EXPECT_EQ(rijkVeld(d).GetValue(), "Reed contact.");
    kies(veldKeuze(d), 2);
    EXPECT_EQ(rijkVeld(d).GetValue(), "Open the door.");

    kies(veldKeuze(d), 3);
    EXPECT_EQ(rijkVeld(d).GetValue(), "\n\nSpecification:\nReports an open door.\n\nImplementation:\nReed contact."
                                      "\n\nValidation:\nOpen the door.");
    // The headings stand out: bold, centred, 18 points; the texts keep
    // their own style.
    for (const char* kop : {"Specification", "Implementation", "Validation"})
    {
        wxRichTextAttr stijl;
        ASSERT_TRUE(rijkVeld(d).GetStyle(rijkVeld(d).GetValue().Find(kop), stijl));
        EXPECT_EQ(stijl.GetFontWeight(), wxFONTWEIGHT_BOLD) << kop;
        EXPECT_EQ(stijl.GetAlignment(), wxTEXT_ALIGNMENT_CENTRE) << kop;
        EXPECT_EQ(stijl.GetFontSize(), 18) << kop;
    }
    for (const char* tekst : {"Reports", "Reed", "Open the"})
    {
        wxRichTextAttr stijl;
        ASSERT_TRUE(rijkVeld(d).GetStyle(rijkVeld(d).GetValue().Find(tekst), stijl));
        EXPECT_NE(stijl.GetAlignment(), wxTEXT_ALIGNMENT_CENTRE) << tekst;
        EXPECT_NE(stijl.GetFontSize(), 18) << tekst;
    }

    // An empty field leaves an empty view, which offers nothing to do.
    ASSERT_TRUE(isControlIngeschakeld(d, wxID_PRINT));
    klik(d, wxID_CLEAR);
    for (int id : {wxID_CLEAR, wxID_PRINT, wxID_SAVEAS})
        EXPECT_FALSE(isControlIngeschakeld(d, id)) << id;
    EXPECT_EQ(veldKeuze(d).GetSelection(), 3);
}

TEST_F(ToonTest, AfdrukkenMetKopEnVoet)
{
    ToonRequirement& d = *dialoog;
    kies(veldKeuze(d), 1);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    klik(d, wxID_PRINT);
    ASSERT_EQ(dialoogBeantwoorder().geefGetoond().size(), 1u);
    wxRichTextPrinting& motor = *d.geefPrintMotor();
    EXPECT_EQ(motor.GetTitle(), "Project_Alarm_system _Door_sensor");
    EXPECT_EQ(motor.GetHeaderText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_CENTRE),
              "Implementation Requirement number 12 \"Door sensor\" ");
    EXPECT_EQ(motor.GetHeaderText(wxRICHTEXT_PAGE_EVEN, wxRICHTEXT_PAGE_CENTRE),
              motor.GetHeaderText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_CENTRE));
    EXPECT_EQ(motor.GetFooterText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_RIGHT), DesktopApp::geefRechtenNotitie());
    EXPECT_EQ(rijkVeld(d).GetValue(), "Reed contact.");

    kies(veldKeuze(d), 3);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    klik(d, wxID_PRINT);
    EXPECT_EQ(motor.GetHeaderText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_CENTRE),
              "Requirement number 12 \"Door sensor\"  (printed on " + wxDateTime::Today().Format("%x") + ") ");
}

TEST_F(ToonTest, OpslaanAlsMetEigenExtensieEnEenVraagVoorHetVervangen)
{
    VraagBeantwoorder vragen;
    ToonRequirement& d = *dialoog;
    vragen.kies(testPad("sensor"));
    klik(d, wxID_SAVEAS);
    wxString inhoud;
    ASSERT_TRUE(wxFFile(testPad("sensor.xml")).ReadAll(&inhoud));
    EXPECT_TRUE(inhoud.Contains("Reports an open door."));
    EXPECT_EQ(app->geefLaatsteAppDataDir(wxString()).GetPath(), wxString::FromUTF8(testMap().string()));
    // The filter chosen decides the format: the second one, HTML.
    EXPECT_TRUE(vragen.geefVragen()[0].wildcard.StartsWith("XML files (*.xml)|*.xml|HTML files (*.html)|*.html"));
    vragen.kies(testPad("sensor"), 1);
    klik(d, wxID_SAVEAS);
    ASSERT_TRUE(wxFFile(testPad("sensor.html")).ReadAll(&inhoud));
    EXPECT_TRUE(inhoud.Contains("<html>")) << inhoud;

    vragen.kies(testPad("sensor.xml"));
    vragen.antwoord(wxNO);
    kies(veldKeuze(d), 1);
    klik(d, wxID_SAVEAS);
    EXPECT_TRUE(vragen.isGevraagd("already exists."));
    ASSERT_TRUE(wxFFile(testPad("sensor.xml")).ReadAll(&inhoud));
    EXPECT_TRUE(inhoud.Contains("Reports an open door."));

    // A folder that takes no files: the warning, nothing written.
    const wxString weg = testPad("gone/sensor.html");
    vragen.kies(weg);
    klik(d, wxID_SAVEAS);
    EXPECT_TRUE(logVanger().bevat("Error saving the file in the specified directory.", wxLOG_Warning));
    EXPECT_FALSE(wxFileExists(weg));
}
