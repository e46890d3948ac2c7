// Keys typed into a text field stay in the field: Ctrl+Z there must not
// undo the project's newest change, while the same key elsewhere in the
// window does.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/toepassing/venster/VensterHulp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <wx/textentry.h>
#include <wx/uiaction.h>

TEST_F(OpdrachtTest, CtrlZTypedIntoATextFieldStaysInTheField)
{
    openProject(projectPad("p.vtd"), {{1, "Boil"}});
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
