// Escape pressed in a pop-up of the dialog, as a user presses it (through
// the X server), closes that pop-up only: the dialog stays open with what
// the user entered.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <functional>
#include <gtk/gtk.h>
#include <vector>
#include <wx/combo.h>
#include <wx/uiaction.h>

namespace
{
using D = RekEigenschappenVenster;

struct Popup
{
    int id;
    std::function<void()> open;
    std::function<bool()> isOpen;
};

// The calendar of a date picker drops down from the picker's own combo
// control; the person boxes and the choices are GTK's combo boxes.
std::vector<Popup> allePopups(wxDialog& d)
{
    std::vector<Popup> popups;
    for (const int id : {D::ID_REKDATUM, D::ID_REKAFTEKENDATUM})
    {
        wxComboCtrl* combo = nullptr;
        for (wxWindow* kind : vind<wxDatePickerCtrl>(d, id).GetChildren())
            combo = combo ? combo : dynamic_cast<wxComboCtrl*>(kind);
        popups.push_back({id, [combo] { combo->Popup(); }, [combo] { return combo && combo->IsPopupShown(); }});
    }
    for (const int id : {D::ID_AUTEURKEUZE, D::ID_IMPLEMENTATIEINGENIEURKEUZE, D::ID_TESTINGENIEURKEUZE,
                         D::ID_REKAFTEKENNAAM, D::ID_REKTYPE, D::ID_REKFUNKTIONEELTYPE, D::ID_REKSTATUS})
    {
        auto* gtk = GTK_COMBO_BOX(d.FindWindow(id)->GetHandle());
        popups.push_back({id, [gtk] { gtk_combo_box_popup(gtk); },
                          [gtk]
                          {
                              gboolean open = FALSE;
                              g_object_get(G_OBJECT(gtk), "popup-shown", &open, nullptr);
                              return open == TRUE;
                          }});
    }
    return popups;
}
} // namespace

TEST_F(DialoogTest, EscapeInEenPopupSluitAlleenDiePopup)
{
    Requirement rek;
    rek.naam = "Pump";
    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            typ(naamTekst(d), "Drum brake");
            wxUIActionSimulator toetsen;
            for (const Popup& popup : allePopups(d))
            {
                popup.open();
                ASSERT_TRUE(wachtOp(popup.isOpen)) << popup.id;
                toetsen.Char(WXK_ESCAPE);
                EXPECT_TRUE(wachtOp([&popup] { return !popup.isOpen(); })) << popup.id;
                ASSERT_TRUE(d.IsModal()) << popup.id;
            }
        });
    EXPECT_EQ(open(rek).ShowModal(), wxID_OK);
    EXPECT_EQ(dialoog->leesVelden().naam, "Drum brake");
}

// Escape in the dialog itself closes it as Cancel does, at every level,
// also where the title takes no input and where the dialog only shows a
// requirement (the project read-only, OK off): the dialog opens with the
// focus on a control that takes it.
TEST_F(DialoogTest, EscapeSluitDeDialoogZoalsCancel)
{
    const struct
    {
        bool alleenLezen;
        Requirement::Status status;
    } gevallen[] = {{false, Requirement::StatusOntwikkeling},
                    {false, Requirement::StatusGeimplementeerd},
                    {true, Requirement::StatusOntwikkeling},
                    {true, Requirement::StatusKlaar}};
    for (const auto& geval : gevallen)
    {
        ASSERT_EQ(app->openProject(pad, geval.alleenLezen), 0);
        Requirement rek;
        rek.naam = "Pump";
        rek.status = geval.status;
        RekEigenschappenVenster& d = open(rek);
        dialoogBeantwoorder().klikOK(
            [](wxDialog& dialoog)
            {
                // Asked of GTK: wx knows no focus in the slider's scale.
                wachtOp([&dialoog] { return gtk_window_get_focus(GTK_WINDOW(dialoog.GetHandle())) != nullptr; });
                wxUIActionSimulator().Char(WXK_ESCAPE);
                wachtOp([&dialoog] { return !dialoog.IsModal(); });
            },
            false);
        EXPECT_EQ(d.ShowModal(), wxID_CANCEL) << "read-only " << geval.alleenLezen << ", level " << geval.status;
    }
}
