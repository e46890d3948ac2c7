// The menus' shortcuts from the keyboard: keys typed into a text field stay
// in the field, so Ctrl+Z there must not undo the project's newest change,
// while the same key elsewhere in the window does; the list, which takes the
// arrow keys itself, leaves Ctrl+Up and Ctrl+Down to the commands; and GTK's
// stock shortcut of a stock item is no shortcut of ours.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/WebOpnemer.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <gtk/gtk.h>
#include <vector>
#include <wx/textentry.h>
#include <wx/uiaction.h>

namespace
{
gboolean isClosure(GtkAccelKey*, GClosure* closure, gpointer gezocht)
{
    return closure == static_cast<GClosure*>(gezocht);
}

// The shortcuts GTK has bound to the item, as "<Control>n".
std::vector<wxString> gtkSneltoetsen(const wxMenuItem& item)
{
    std::vector<wxString> toetsen;
    GList* closures = gtk_widget_list_accel_closures(item.GetMenuItem());
    for (GList* i = closures; i; i = i->next)
    {
        auto* closure = static_cast<GClosure*>(i->data);
        GtkAccelGroup* groep = gtk_accel_group_from_accel_closure(closure);
        const GtkAccelKey* toets = groep ? gtk_accel_group_find(groep, isClosure, closure) : nullptr;
        if (toets)
        {
            gchar* naam = gtk_accelerator_name(gdk_keyval_to_lower(toets->accel_key), toets->accel_mods);
            toetsen.push_back(wxString::FromUTF8(naam));
            g_free(naam);
        }
    }
    g_list_free(closures);
    return toetsen;
}
} // namespace

TEST_F(OpdrachtTest, CtrlZTypedIntoATextFieldStaysInTheField)
{
    openProject(testPad("p.vtd"), {{1, "Boil"}});
    venster->Show();
    venster->Raise();
    ASSERT_TRUE(wachtOp([this] { return venster->IsShownOnScreen() && venster->IsActive(); }));
    wxUIActionSimulator simulator;

    for (const int id : {VerelTamsoVenster::ID_ZOEKREKVELD, VerelTamsoVenster::ID_WERKNEMERKEUZE})
    {
        ASSERT_EQ(app->zetProjektNaam(wxString::Format("Pot %d", id)), 0);
        ASSERT_TRUE(app->rolTerugMogelijk());
        wxWindow* veld = venster->FindWindow(id);
        auto* tekst = dynamic_cast<wxTextEntry*>(veld);
        ASSERT_TRUE(tekst);
        veld->SetFocus();
        ASSERT_TRUE(wachtOp([veld] { return wxWindow::FindFocus() == veld; })) << id;
        // The keys arrive in order: once the "b" is in the field, the
        // Ctrl+Z before it has been handled.
        simulator.Char('a');
        simulator.Char('z', wxMOD_CONTROL);
        simulator.Char('b');
        ASSERT_TRUE(wachtOp([tekst] { return tekst->GetValue() == "ab"; })) << id << ": " << tekst->GetValue();
        EXPECT_TRUE(app->rolTerugMogelijk()) << id;
        tekst->ChangeValue(wxString());
    }

    // With the list in focus the accelerator is the command.
    wxWindow* lijst = venster->geefRekLijst();
    lijst->SetFocus();
    ASSERT_TRUE(wachtOp([lijst] { return wxWindow::FindFocus() == lijst; }));
    simulator.Char('z', wxMOD_CONTROL);
    EXPECT_TRUE(wachtOp([this] { return !app->rolTerugMogelijk(); }));
    // Only the newest change is undone.
    EXPECT_EQ(app->geefProjektNaam(), wxString::Format("Pot %d", VerelTamsoVenster::ID_ZOEKREKVELD));
}

// The window as it first shows gives the keys to the list, not to the
// maker's logo before it, where Return would open a web browser. The
// Ctrl+Z after the Return, which the list leaves to the command, tells that
// the Return has been handled.
TEST_F(OpdrachtTest, AtTheStartTheKeysGoToTheList)
{
    openProject(testPad("p.vtd"));
    WebOpnemer browser;
    venster->Show();
    venster->Raise();
    ASSERT_TRUE(wachtOp([this] { return venster->IsShownOnScreen() && venster->IsActive(); }));
    wxWindow& lijst = *venster->geefRekLijst();
    EXPECT_TRUE(wachtOp([&] { return wxWindow::FindFocus() == &lijst || lijst.IsDescendant(wxWindow::FindFocus()); }));

    ASSERT_EQ(app->zetProjektNaam("Tea"), 0);
    wxUIActionSimulator simulator;
    simulator.Char(WXK_RETURN);
    simulator.Char('z', wxMOD_CONTROL);
    ASSERT_TRUE(wachtOp([this] { return !app->rolTerugMogelijk(); }));
    EXPECT_TRUE(browser.geefAdressen().empty());
}

TEST_F(OpdrachtTest, CtrlUpAndDownMoveTheBlockWhileTheListHasTheFocus)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}, {2, "Pour"}, {3, "Serve"}});
    venster->Show();
    venster->Raise();
    ASSERT_TRUE(wachtOp([this] { return venster->IsShownOnScreen() && venster->IsActive(); }));
    // A click on the row of "Pour" (the list runs from the highest number
    // down) gives the list the focus.
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    const long rij = lijst.geefInhoud().geefRij(2);
    wxRect plaats;
    ASSERT_TRUE(lijst.GetItemRect(rij, plaats));
    wxUIActionSimulator simulator;
    simulator.MouseMove(lijst.ClientToScreen(wxPoint(plaats.x + 20, plaats.y + plaats.height / 2)));
    simulator.MouseClick();
    ASSERT_TRUE(wachtOp([&] { return lijst.GetItemState(rij, wxLIST_STATE_SELECTED) != 0; }));
    ASSERT_TRUE(wachtOp([&] { return lijst.IsDescendant(wxWindow::FindFocus()) || wxWindow::FindFocus() == &lijst; }));

    simulator.Char(WXK_UP, wxMOD_CONTROL);
    EXPECT_TRUE(wachtOp([this] { return nummers(*app) == "Boil=1,Serve=2,Pour=3"; })) << nummers(*app);
    simulator.Char(WXK_DOWN, wxMOD_CONTROL);
    simulator.Char(WXK_DOWN, wxMOD_CONTROL);
    EXPECT_TRUE(wachtOp([this] { return nummers(*app) == "Pour=1,Boil=2,Serve=3"; })) << nummers(*app);
    ASSERT_EQ(app->stopTransaktie(), 0);
    EXPECT_EQ(rijenInBestand(pad), "Pour=1,Boil=2,Serve=3");
}

TEST_F(OpdrachtTest, OnlyAddRequirementIsCtrlN)
{
    wxMenuBar& balk = *venster->GetMenuBar();
    std::vector<int> metCtrlN;
    for (size_t menu = 0; menu < balk.GetMenuCount(); ++menu)
        for (const wxMenuItem* item : balk.GetMenu(menu)->GetMenuItems())
            for (const wxString& toets : gtkSneltoetsen(*item))
                if (toets == "<Primary>n" || toets == "<Control>n")
                    metCtrlN.push_back(item->GetId());
    EXPECT_EQ(metCtrlN, std::vector<int>{wxID_ADD});
    const wxMenuItem& nieuw = *balk.FindItem(wxID_NEW);
    EXPECT_TRUE(gtkSneltoetsen(nieuw).empty());
    EXPECT_FALSE(std::unique_ptr<wxAcceleratorEntry>(nieuw.GetAccel()));
    EXPECT_EQ(nieuw.GetItemLabelText(), "Start a new project");
}

// Every shortcut is its command wherever the focus is in the window; a text
// field keeps only the keys it uses itself.
TEST_F(OpdrachtTest, EveryShortcutIsItsCommandWhereverTheFocusIs)
{
    openProject(testPad("p.vtd"), {{1, "Boil"}});
    ASSERT_EQ(app->zetProjektNaam("Pot"), 0); // a change to commit
    venster->Show();
    venster->Raise();
    ASSERT_TRUE(wachtOp([this] { return venster->IsShownOnScreen() && venster->IsActive(); }));
    // The commands stop here: the window stays as it is for the next key.
    std::vector<int> opdrachten;
    venster->Bind(wxEVT_MENU, [&opdrachten](wxCommandEvent& opdracht) { opdrachten.push_back(opdracht.GetId()); });
    struct Sneltoets
    {
        int toets;
        int modifiers;
        int opdracht;
    };
    const Sneltoets sneltoetsen[] = {{'q', wxMOD_CONTROL, wxID_EXIT},
                                     {'s', wxMOD_CONTROL, wxID_SAVE},
                                     {'n', wxMOD_CONTROL, wxID_ADD},
                                     {'d', wxMOD_CONTROL, wxID_CLOSE},
                                     {'t', wxMOD_CONTROL, VerelTamsoVenster::ID_SCHAKELDBOMNAARSLECHTSLEZEN},
                                     {'s', wxMOD_CONTROL | wxMOD_SHIFT, wxID_SAVEAS}};
    wxUIActionSimulator simulator;
    wxWindow* velden[] = {venster->FindWindow(VerelTamsoVenster::ID_ZOEKREKVELD),
                          venster->FindWindow(VerelTamsoVenster::ID_WERKNEMERKEUZE), venster->geefRekLijst()};
    for (wxWindow* veld : velden)
    {
        veld->SetFocus();
        ASSERT_TRUE(wachtOp([veld] { return veld->IsDescendant(wxWindow::FindFocus()); })) << veld->GetId();
        for (const Sneltoets& sneltoets : sneltoetsen)
        {
            const size_t voor = opdrachten.size();
            simulator.Char(sneltoets.toets, sneltoets.modifiers);
            const bool aangekomen = wachtOp([&] { return opdrachten.size() > voor; });
            EXPECT_TRUE(aangekomen) << veld->GetId() << ": " << static_cast<char>(sneltoets.toets);
            EXPECT_EQ(aangekomen ? opdrachten.back() : wxID_NONE, sneltoets.opdracht) << veld->GetId();
        }
    }

    // Select all, copy, cut, paste and undo act on the text, not the window.
    auto& zoeken = dynamic_cast<wxTextEntry&>(*velden[0]);
    velden[0]->SetFocus();
    ASSERT_TRUE(wachtOp([&] { return velden[0]->IsDescendant(wxWindow::FindFocus()); }));
    zoeken.ChangeValue("Boil");
    zoeken.SetInsertionPointEnd();
    opdrachten.clear();
    for (const int toets : {'a', 'c', 'x'})
        simulator.Char(toets, wxMOD_CONTROL);
    EXPECT_TRUE(wachtOp([&] { return zoeken.GetValue().empty(); })) << zoeken.GetValue();
    simulator.Char('v', wxMOD_CONTROL);
    simulator.Char('v', wxMOD_CONTROL);
    simulator.Char('z', wxMOD_CONTROL);
    simulator.Char('k');
    EXPECT_TRUE(wachtOp([&] { return zoeken.GetValue() == "BoilBoilk"; })) << zoeken.GetValue();
    EXPECT_TRUE(opdrachten.empty()) << opdrachten.front();
}
