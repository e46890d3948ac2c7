// A project another tool wrote, in the window: titles whose bytes are no
// UTF-8 (one holds a code point beyond U+10FFFF) are drawn, searched,
// copied, edited, moved, renumbered and committed without the toolkit
// giving up on them, and their bytes stay as they are until the user edits
// the title itself. A status no level has counts as the lowest.
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <wx/slider.h>

namespace
{
using Dialoog = RekEigenschappenVenster;
using V = VerelTamsoVenster;

const wxString fffd(wxUniChar(0xFFFD));
const wxString boven = "Title " + fffd + fffd + fffd + fffd;
const wxString afgebroken = "Ti" + fffd + "tle";
const wxString bovenHex = "5469746C6520F495BA9E";

// The rows 50 (ready) to 10 (development) of the window's project, two of
// them with titles another tool wrote, drawn on the screen.
class VreemdeTekst : public VensterTest
{
protected:
    void SetUp() override
    {
        VensterTest::SetUp();
        voerUit(*app, {"update Requirements set naam='Title '||cast(X'F495BA9E' as text) where SR=30",
                       "update Requirements set naam='Ti'||cast(X'C3' as text)||'tle' where SR=20"});
        toon();
    }

    // Refilled and painted: the toolkit converts every text it draws.
    void toon()
    {
        stuurMenu(*venster, wxID_REFRESH);
        venster->Show();
        venster->Refresh();
        venster->Update();
        verwerkGebeurtenissen();
    }

    wxString hexTitel(int SR) { return kolommen(*app, SR, "hex(naam)"); }
    std::vector<wxString> titels()
    {
        std::vector<wxString> uit;
        for (long rij = 0; rij < venster->geefRekLijst()->GetItemCount(); ++rij)
            uit.push_back(rijTeksten(*venster, rij)[VerelTamsoApp::KolomTitel]);
        return uit;
    }
};
} // namespace

TEST_F(VreemdeTekst, TitelsDieGeenUTF8ZijnWordenGetoondGezochtEnGekopieerd)
{
    EXPECT_EQ(titels(), (std::vector<wxString>{"Clean up", "Serve", boven, afgebroken, "Boil water"}));

    zoekVeld(*venster).ChangeValue("Title");
    wxCommandEvent toets(wxEVT_TEXT, V::ID_ZOEKREKVELD);
    venster->GetEventHandler()->ProcessEvent(toets);
    ASSERT_TRUE(wachtOp([&] { return nummersInLijst(*venster) == std::vector<wxString>{"30"}; }));
    toon();

    // The copy shows the title as the list does; it is stored as shown.
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(vind<wxTextCtrl>(d, Dialoog::ID_REKTITEL).GetValue(), "This must be altered:" + boven);
            zet(vind<wxSlider>(d, Dialoog::ID_REKPRIORITEIT), 5);
        });
    stuurMenu(*venster, wxID_DUPLICATE);
    EXPECT_EQ(kolommen(*app, 51, "naam"), "This must be altered:" + boven);
    EXPECT_EQ(hexTitel(30), bovenHex);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(VreemdeTekst, BewerkenVerplaatsenEnHernummerenLatenDeBytesVanDeTitelStaan)
{
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    dialoogBeantwoorder().klikOK([](wxDialog& d) { zet(vind<wxSlider>(d, Dialoog::ID_REKPRIORITEIT), 5); });
    stuurMenu(*venster, V::ID_BEWERKITEM);
    EXPECT_EQ(kolommen(*app, 30, "prioriteit,hex(naam)"), "5|" + bovenHex);

    // Up one place: 30 and 40 swap their numbers.
    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    stuurMenu(*venster, wxID_UP);
    EXPECT_EQ(hexTitel(40), bovenHex);
    stuurMenu(*venster, V::ID_STRAKTREKKEN);
    stuurMenu(*venster, wxID_SAVE);
    toon();
    EXPECT_EQ(hexTitel(4), bovenHex);
    EXPECT_EQ(titels(), (std::vector<wxString>{"Clean up", boven, "Serve", afgebroken, "Boil water"}));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(VreemdeTekst, EenTitelDieGeenUTF8IsWordtBijZijnNummerBewerktEnVerwijderd)
{
    ASSERT_EQ(venster->selekteerRequirement(metNummer(20), StandAan), 0);
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            EXPECT_EQ(vind<wxTextCtrl>(d, Dialoog::ID_REKTITEL).GetValue(), afgebroken);
            typ(vind<wxTextCtrl>(d, Dialoog::ID_REKTITEL), "Grind beans");
        });
    stuurMenu(*venster, V::ID_BEWERKITEM);
    EXPECT_EQ(kolommen(*app, 20, "naam"), "Grind beans");

    ASSERT_EQ(venster->selekteerRequirement(metNummer(30), StandAan), 0);
    stuurMenu(*venster, wxID_DELETE);
    EXPECT_EQ(kolommen(*app, 30, "naam"), "-");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// The rows are at every status from 0 to 4. A ready row that
// another tool left at 99 counts as in development.
TEST_F(VreemdeTekst, EenOnbekendeStatusTiltDeVoltooiingNietBovenHonderd)
{
    const wxString voor = labelVan(*venster, V::ID_VOLTOOIING_LABEL);
    voerUit(*app, {"update Requirements set status=0 where SR=50"});
    toon();
    const wxString alsOntwikkeling = labelVan(*venster, V::ID_VOLTOOIING_LABEL);
    ASSERT_NE(alsOntwikkeling, voor);
    voerUit(*app, {"update Requirements set status=99 where SR=50"});
    toon();
    EXPECT_EQ(labelVan(*venster, V::ID_VOLTOOIING_LABEL), alsOntwikkeling);
    EXPECT_EQ(rijTeksten(*venster, 0)[VerelTamsoApp::KolomStatus], "99");
}
