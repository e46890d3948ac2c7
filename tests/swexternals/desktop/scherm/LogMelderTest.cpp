// The log target of the program: the messages of one event in one box, the
// reason as the headline and what to do below it, whole.
#include "swexternals/desktop/DesktopApp.h"
#include "swexternals/desktop/DesktopLogMelder.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/TijdelijkeApp.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace
{
class StartApp : public DesktopApp
{
public:
    StartApp() : DesktopApp("VerelTamso", "vtd") {}
    bool OnInit() override { return true; }
};

const wxString reden = "You cannot add this requirement. An existing requirement has this title already: \"Pour\"";
} // namespace

TEST(LogMelder, DeKopIsHetErnstigsteEnEersteBericht)
{
    struct Geval
    {
        std::vector<std::pair<int, const char*>> berichten;
        const char* kop;
        const char* rest;
    };
    const Geval gevallen[] = {
        {{{wxLOG_Error, "reason"}, {wxLOG_Warning, "try again"}}, "reason", "try again"},
        {{{wxLOG_Warning, "try again"}, {wxLOG_Error, "reason"}}, "reason", "try again"},
        {{{wxLOG_Message, "note"}, {wxLOG_Error, "first"}, {wxLOG_Error, "second"}, {wxLOG_Warning, "do"}},
         "first",
         "note\nsecond\ndo"},
        {{{wxLOG_Message, "one"}, {wxLOG_Message, "two"}}, "one", "two"},
    };
    for (const Geval& geval : gevallen)
    {
        wxArrayString berichten;
        wxArrayInt niveaus;
        for (const auto& [niveau, tekst] : geval.berichten)
        {
            berichten.Add(tekst);
            niveaus.Add(niveau);
        }
        const DesktopLogMelder::Melding melding = DesktopLogMelder::ordenBerichten(berichten, niveaus);
        EXPECT_EQ(melding.kop, geval.kop);
        EXPECT_EQ(melding.rest, geval.rest);
    }

    // Many: the box keeps its size, the rest is counted.
    wxArrayString berichten;
    wxArrayInt niveaus;
    for (int i = 0; i < 13; ++i)
    {
        berichten.Add(wxString::Format("skipped %d", i));
        niveaus.Add(i == 5 ? wxLOG_Error : wxLOG_Warning);
    }
    const DesktopLogMelder::Melding veel = DesktopLogMelder::ordenBerichten(berichten, niveaus);
    EXPECT_EQ(veel.kop, "skipped 5");
    EXPECT_TRUE(veel.rest.StartsWith("skipped 0\nskipped 1\nskipped 2\nskipped 3\nskipped 4\nskipped 6\n"));
    EXPECT_TRUE(veel.rest.EndsWith("\nskipped 10\nFurther messages not shown: 2")) << veel.rest;
}

// As a handler logs a refusal: the error, then the warning. The box the
// user reads heads with the reason.
TEST(LogMelder, EenFoutEnEenWaarschuwingInEenBoxMetDeRedenVoorop)
{
    DesktopLogMelder melder;
    wxLog* vanger = wxLog::SetActiveTarget(&melder);
    wxLogError("%s", reden);
    wxLogWarning("%s", "Please try again.");
    dialoogBeantwoorder().verwacht(wxID_OK);
    wxLog::FlushActive();
    wxLogWarning("%s", "Please try again.");
    dialoogBeantwoorder().verwacht(wxID_OK);
    wxLog::FlushActive();
    wxLog::SetActiveTarget(vanger);

    const auto& getoond = dialoogBeantwoorder().geefGetoond();
    ASSERT_EQ(getoond.size(), 2u);
    // The box shows its message, then its further text.
    EXPECT_EQ(getoond[0].melding, reden + "\nPlease try again.");
    EXPECT_TRUE(getoond[0].titel.EndsWith("Error")) << getoond[0].titel;
    // One message alone: the box as ever.
    EXPECT_EQ(getoond[1].melding, "Please try again.\n");
    EXPECT_TRUE(getoond[1].titel.EndsWith("Warning")) << getoond[1].titel;
}

TEST(LogMelder, DeApplikatieZetHemBijDeStartOpZijnPlaats)
{
    TijdelijkeApp<StartApp> app;
    // What was logged before the start, in a target of its own: shown, and
    // the target gone.
    wxLog* vanger = wxLog::SetActiveTarget(new wxLogBuffer);
    EXPECT_TRUE(app->CallOnInit());
    const std::unique_ptr<wxLog> gezet(wxLog::SetActiveTarget(vanger));
    EXPECT_NE(dynamic_cast<DesktopLogMelder*>(gezet.get()), nullptr);
}
