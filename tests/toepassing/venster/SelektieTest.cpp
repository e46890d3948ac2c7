// Selection, the rows of requirements and points, and the keys a text field
// keeps.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"

#include <wx/uiaction.h>

namespace
{
using V = VerelTamsoVenster;
// A click with Ctrl on the row: its selection turns over.
void klikMetCtrl(VerelTamsoVenster& venster, long rij)
{
    RekLijstCtrl& lijst = *venster.geefRekLijst();
    const bool aan = lijst.GetItemState(rij, wxLIST_STATE_SELECTED) == 0;
    lijst.SetItemState(rij, aan ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
}

std::vector<int> alsVector(const wxArrayInt& rijen)
{
    return std::vector<int>(rijen.begin(), rijen.end());
}

bool houdtVast(VerelTamsoVenster& venster, wxWindow& focus, int toets, int modifiers)
{
    focus.SetFocus();
    wxKeyEvent gebeurtenis(wxEVT_CHAR_HOOK);
    gebeurtenis.m_keyCode = toets;
    gebeurtenis.SetControlDown((modifiers & wxMOD_CONTROL) != 0);
    gebeurtenis.SetShiftDown((modifiers & wxMOD_SHIFT) != 0);
    gebeurtenis.SetEventObject(&focus);
    venster.GetEventHandler()->ProcessEvent(gebeurtenis);
    return !gebeurtenis.GetSkipped();
}
} // namespace

TEST_F(VensterTest, TheSelectedRowsAreInOrder)
{
    for (const long rij : {4, 1, 3})
        klikMetCtrl(*venster, rij);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1, 3, 4}));
    klikMetCtrl(*venster, 3);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1, 4}));
    // A refill forgets them.
    venster->verversLijst();
    EXPECT_TRUE(venster->geefGeselekteerdeRijen().empty());
}

// A block is found from the row with the focus; whatever the focus, the
// rows are those selected.
TEST_F(VensterTest, TheSelectedRowsWhereverTheFocusIs)
{
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    struct Geval
    {
        std::vector<int> geselekteerd;
        long focus;
    };
    const Geval gevallen[] = {{{1, 2, 3}, 1}, {{1, 2, 3}, 3}, {{1, 2, 3}, 2}, {{1, 2, 3}, 0},
                              {{0, 1, 3}, 1}, {{0, 1, 3}, 3}, {{4}, 4},       {{2, 4}, 2}};
    for (const Geval& geval : gevallen)
    {
        lijst.wisSelektie();
        for (const int rij : geval.geselekteerd)
            lijst.SetItemState(rij, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        lijst.SetItemState(geval.focus, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
        EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), geval.geselekteerd) << "focus " << geval.focus;
    }
}

TEST_F(VensterTest, RequirementsAreFoundAndSelectedByTheirNumber)
{
    // Rows in descending order: 50, 40, 30, 20, 10.
    EXPECT_EQ(venster->geefLijstIndexVanRek(opgeslagen("Pour", 30)), 2);
    EXPECT_EQ(venster->geefLijstIndexVanRek(opgeslagen("Nothing", 35)), -1);

    EXPECT_EQ(venster->selekteerRequirement(opgeslagen("Serve", 40), StandAan), 0);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1}));
    EXPECT_EQ(venster->selekteerRequirement(opgeslagen("Nothing", 35), StandAan), 1);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1}));

    // The selection is read from the list, not from its events.
    EXPECT_EQ(
        venster->selekteerRequirements(
            lijstVan({opgeslagen("Boil water", 10), opgeslagen("Pour", 30), opgeslagen("Clean up", 50)}), StandAan),
        0);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{0, 2, 4}));
    // The last one missing: the others are selected all the same.
    EXPECT_EQ(venster->selekteerRequirements(lijstVan({opgeslagen("Serve", 40), opgeslagen("Nothing", 35)}), StandAan),
              1);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1}));
    EXPECT_EQ(venster->selekteerRequirements(RequirementLijst(), StandAan), 1);

    EXPECT_EQ(venster->leesRequirement(2).naam, "Pour");
}

TEST_F(VensterTest, ThePointsOfTheListTellTheirRows)
{
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    venster->SetSize(900, 700);
    ASSERT_TRUE(wachtOp([&] { return lijst.GetCountPerPage() >= 5; }));
    // The points are those of the rows' area, as a drop on it gives them.
    wxWindow* rijenVenster = nullptr;
    for (wxWindow* kind : lijst.GetChildren())
        if (!rijenVenster || kind->GetSize().y > rijenVenster->GetSize().y)
            rijenVenster = kind;
    ASSERT_TRUE(rijenVenster);
    wxWindow& rijen = *rijenVenster;
    const auto inRijen = [&](const wxPoint& punt) { return rijen.ScreenToClient(lijst.ClientToScreen(punt)); };
    wxRect rechthoek;
    ASSERT_TRUE(lijst.GetItemRect(1, rechthoek));
    const wxPoint opRij1 = inRijen(rechthoek.GetPosition() + wxPoint(5, rechthoek.height / 2));
    EXPECT_EQ(venster->geefLijstIndexOpPunt(opRij1), 1);
    EXPECT_EQ(venster->bestaatRequirementOpPunt(opRij1), 0);
    Requirement rek;
    EXPECT_EQ(venster->leesRequirementOpPunt(opRij1, rek), 0);
    EXPECT_EQ(rek.naam, "Serve");

    ASSERT_TRUE(lijst.GetItemRect(4, rechthoek));
    const wxPoint onderLaatste = inRijen(rechthoek.GetBottomLeft() + wxPoint(5, 3 * rechthoek.height));
    EXPECT_EQ(venster->geefLijstIndexOpPunt(onderLaatste), -1);
    EXPECT_EQ(venster->bestaatRequirementOpPunt(onderLaatste), 2);
    rek.naam = "unchanged";
    EXPECT_EQ(venster->leesRequirementOpPunt(onderLaatste, rek), 2);
    EXPECT_EQ(rek.naam, "unchanged");
}

TEST_F(VensterTest, KeysTypedIntoATextFieldStayThere)
{
    // Undo (Ctrl+Z) would act on the project while the user meant the
    // text; outside a text field it is the menu's. A shortcut whose command
    // is off (no row is selected) stays in the field as well.
    wxWindow& zoeken = zoekVeld(*venster);
    wxWindow& persoon = werknemerVeld(*venster);
    EXPECT_TRUE(houdtVast(*venster, zoeken, 'Z', wxMOD_CONTROL));
    EXPECT_TRUE(houdtVast(*venster, zoeken, 'W', wxMOD_CONTROL));
    EXPECT_TRUE(houdtVast(*venster, persoon, WXK_UP, wxMOD_CONTROL));
    // Keys that are no accelerator go their own way.
    EXPECT_FALSE(houdtVast(*venster, zoeken, 'Z', 0));
    EXPECT_FALSE(houdtVast(*venster, zoeken, 'A', wxMOD_CONTROL));
    EXPECT_FALSE(houdtVast(*venster, *venster->geefRekLijst(), 'Z', wxMOD_CONTROL));
}

TEST_F(VensterTest, ARealCtrlZInTheSearchFieldStaysThere)
{
    // The keys through the X server, as a keyboard gives them: the menu's
    // accelerator answers in the list, not in the search field.
    // A change left open: Undo is enabled.
    ASSERT_EQ(app->startTransaktie(), 0);
    ASSERT_EQ(app->executeUpdate("update Requirements set prioriteit=81 where SR==10"), 0);
    venster->GetMenuBar()->Enable(wxID_UNDO, true);
    int ongedaan = 0;
    venster->Bind(
        wxEVT_MENU, [&](wxCommandEvent&) { ++ongedaan; }, wxID_UNDO);
    venster->Show();
    venster->Raise();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    wxUIActionSimulator toetsen;
    const auto typCtrlZ = [&](wxWindow& focus)
    {
        // Without a window manager the keys go to the window under the
        // pointer.
        toetsen.MouseMove(focus.GetScreenRect().GetPosition() + wxPoint(10, 10));
        verwerkGebeurtenissen(100);
        focus.SetFocus();
        wachtOp([&] { return wxWindow::FindFocus() == &focus || focus.IsDescendant(wxWindow::FindFocus()); });
        toetsen.Char('z', wxMOD_CONTROL);
        verwerkGebeurtenissen(300);
    };
    typCtrlZ(*venster->geefRekLijst());
    if (ongedaan == 0)
        GTEST_SKIP() << "the X server gave the window no keyboard focus";
    typCtrlZ(zoekVeld(*venster));
    EXPECT_EQ(ongedaan, 1);
}

// A right click selects the row under it first, as list views do, so that
// the pop-up's commands act on that row; a row of the selection keeps it.
TEST_F(VensterTest, ARightClickSelectsTheRowUnderItFirst)
{
    const auto klikRechts = [this](long rij)
    {
        std::vector<bool> aan;
        for (const wxMenuItem* item :
             toonPopupMenu(*venster, *venster->geefRekLijst(), wxEVT_LIST_ITEM_RIGHT_CLICK, rij))
            aan.push_back(item->IsEnabled());
        return aan;
    };
    const std::vector<bool> allesAan(5, true);
    EXPECT_EQ(klikRechts(3), allesAan);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{3}));

    klikMetCtrl(*venster, 1);
    EXPECT_EQ(klikRechts(1), (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{1, 3}));
    EXPECT_EQ(klikRechts(4), allesAan);
    EXPECT_EQ(alsVector(venster->geefGeselekteerdeRijen()), (std::vector<int>{4}));
}
