// Each of the ten interface languages the program offers, started as a
// user's earlier choice starts it: the stored language setting, then the
// catalogues of the build tree's locale folder (this program lies in
// <build>/bin, as an installed one in <prefix>/bin). The main window, the
// properties dialog and the messages must then show what that language's
// catalogues say; the expected texts are read from the loaded catalogues,
// so a catalogue that did not load, or a text it leaves untranslated, fails.
#include "tests/vertalingen/Talen.h"

#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/regex.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/translation.h>

namespace
{
const char* const toepassing = "VerelTamso";
const char* const bibliotheek = "Trivanedesktop";

// Every label of the window and of the windows in it.
void verzamelLabels(const wxWindow& venster, wxArrayString& labels)
{
    for (const wxWindow* kind : venster.GetChildren())
    {
        if (kind->IsKindOf(wxCLASSINFO(wxStaticText)) || kind->IsKindOf(wxCLASSINFO(wxStaticBox)))
            labels.Add(kind->GetLabel());
        verzamelLabels(*kind, labels);
    }
}

class TaalTest : public ::testing::TestWithParam<Taal>
{
protected:
    bool isEngels() const { return GetParam().taal == wxLANGUAGE_ENGLISH; }

    // What the language's catalogue says for the source text. English shows
    // the source texts and loads no catalogue at all.
    wxString vertaling(const wxString& bron, const wxString& katalogus) const
    {
        const wxTranslations* vertalingen = wxTranslations::Get();
        if (isEngels())
        {
            EXPECT_FALSE(vertalingen && vertalingen->IsLoaded(katalogus));
            return bron;
        }
        const wxString* vertaald = vertalingen ? vertalingen->GetTranslatedString(bron, katalogus) : nullptr;
        if (!vertaald)
        {
            ADD_FAILURE() << "\"" << bron << "\" has no translation in " << katalogus << " for " << GetParam().code;
            return "(untranslated) " + bron;
        }
        return *vertaald;
    }
};
} // namespace

TEST_P(TaalTest, HetProgrammaSpreektDeGekozenTaal)
{
    // What the program's start-up registers before it makes the window.
    wxInitAllImageHandlers();
    kiesTaal(GetParam().taal);
    VApp app;
    ASSERT_EQ(app->geefTaal(), GetParam().taal);
    ASSERT_EQ(app->openProject(testPad("taal.vtd")), 0);
    voegRijenToe(*app, {{10, "Boil water", 1, 1234567, 2}});
    VerelTamsoVenster* venster = maakVenster(*app);
    const VensterSluiter sluiter{venster};
    venster->start();

    // The main window: a menu title and a column title.
    wxMenuBar& balk = *venster->GetMenuBar();
    const int menu = balk.FindMenu(wxStripMenuCodes(vertaling("Requirements", toepassing)));
    ASSERT_NE(menu, wxNOT_FOUND);
    EXPECT_NE(balk.GetMenu(static_cast<size_t>(menu))->FindItem(VerelTamsoVenster::ID_BEWERKITEM), nullptr);
    EXPECT_EQ(kopTekst(*venster, 1), vertaling("Title", toepassing));
    // A label and its figure: the translation carries the colon as its
    // language writes it.
    EXPECT_TRUE(labelVan(*venster, VerelTamsoVenster::ID_VOLTOOIING_LABEL)
                    .StartsWith(vertaling("Completion of listed items:", toepassing) + " "))
        << labelVan(*venster, VerelTamsoVenster::ID_VOLTOOIING_LABEL);
    // A sum in the language's groups of thousands, as its decimals are
    // written, whatever stands between the groups.
    const wxString kosten = labelVan(*venster, VerelTamsoVenster::ID_KOSTEN_LABEL);
    EXPECT_TRUE(wxRegEx("(^|[^0-9])1[^0-9]+234[^0-9]+567([^0-9]|$)").Matches(kosten)) << kosten;

    // The properties dialog of a requirement: its title, a section title
    // and a label.
    ASSERT_EQ(venster->selekteerRequirement(opgeslagen("Boil water", 10), StandAan), 0);
    wxString titel;
    wxArrayString labels;
    dialoogBeantwoorder().verwacht(
        [&](wxDialog& dialoog)
        {
            titel = dialoog.GetTitle();
            verzamelLabels(dialoog, labels);
            return static_cast<int>(wxID_CANCEL);
        });
    stuurMenu(*venster, VerelTamsoVenster::ID_BEWERKITEM);
    EXPECT_EQ(titel, vertaling("Modify the attributes of the currently selected requirement.", toepassing));
    for (const char* bron : {"Primary attributes", "Inspection was done by:"})
        EXPECT_NE(labels.Index(vertaling(bron, toepassing)), wxNOT_FOUND) << bron;

    // Messages: the application's in the log, the database layer's in the
    // file dialog of Open.
    const wxString weg = testPad("weg.vtd");
    app->MacOpenFiles(wxArrayString{1, &weg});
    EXPECT_TRUE(logVanger().bevat(vertaling("The presented path is not a readable file.", toepassing), wxLOG_Error))
        << logVanger().geefAlles();
    stuurMenu(*venster, wxID_CLOSE);
    ASSERT_FALSE(app->isDBOpen());
    VraagBeantwoorder vragen;
    vragen.kies(wxString());
    stuurMenu(*venster, wxID_OPEN);
    ASSERT_EQ(vragen.geefVragen().size(), 1u);
    EXPECT_EQ(vragen.geefVragen()[0].bericht,
              vertaling("Open a database file for", bibliotheek) + " " + app->geefApplikatieNaam());
}

INSTANTIATE_TEST_SUITE_P(Talen, TaalTest, ::testing::ValuesIn(talen), naamVan);
