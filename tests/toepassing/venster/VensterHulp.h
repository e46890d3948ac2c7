#ifndef TESTS_TOEPASSING_VENSTER_VENSTERHULP_H
#define TESTS_TOEPASSING_VENSTER_VENSTERHULP_H

#include "tests/toepassing/kern/app/KernApp.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/srchctrl.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>

// The application object with its main window open to the tests.
class VensterApp : public KernApp
{
public:
    using VerelTamsoApp::venster;
};
using VApp = TijdelijkeApp<VensterApp>;

// The main window with its controls, state and handlers open to the tests.
class TestVenster : public VerelTamsoVenster
{
public:
    using VerelTamsoVenster::VerelTamsoVenster;

    using VerelTamsoVenster::aantalRekLabel;
    using VerelTamsoVenster::bestandGeschiedenis;
    using VerelTamsoVenster::dubbelKlikBewerkt;
    using VerelTamsoVenster::exactKnop;
    using VerelTamsoVenster::funkTypeKeuze;
    using VerelTamsoVenster::gedragMenu;
    using VerelTamsoVenster::geselekteerdeKolom;
    using VerelTamsoVenster::geselekteerdeRijen;
    using VerelTamsoVenster::hoofdletterKnop;
    using VerelTamsoVenster::kolomRichting;
    using VerelTamsoVenster::kostenLabel;
    using VerelTamsoVenster::popupMenu;
    using VerelTamsoVenster::prioriteitSchuif;
    using VerelTamsoVenster::projektNaamLabel;
    using VerelTamsoVenster::recenteBestandenMenu;
    using VerelTamsoVenster::requirementsMenu;
    using VerelTamsoVenster::slechtsLezenKnop;
    using VerelTamsoVenster::statusBalk;
    using VerelTamsoVenster::statusKeuze;
    using VerelTamsoVenster::statusKleuren;
    using VerelTamsoVenster::typeKeuze;
    using VerelTamsoVenster::voltooiingLabel;
    using VerelTamsoVenster::voltooiingMeter;
    using VerelTamsoVenster::werknemerKeuze;
    using VerelTamsoVenster::zoekVeld;
};

// A window of its own for the application object, destroyed with the test.
TestVenster* maakVenster(VensterApp& app);
void sluitVenster(TestVenster*& venster);

// What the window's event table does with a command of that id (a menu
// item or a button click alike, as the table routes them).
void stuurMenu(wxWindow& venster, int id);
// Whether the update handler of the id enables it.
bool isIngeschakeld(wxWindow& venster, int id);
// A click on a column header; -1 is the header right of the last column.
void klikKop(TestVenster& venster, int kolom);
wxString kopTekst(TestVenster& venster, int kolom);
// The texts of one row, columns 0 to 10.
std::vector<wxString> rijTeksten(TestVenster& venster, long rij);
// Column 0 of every row.
std::vector<wxString> nummersInLijst(TestVenster& venster);

// A project of its own with a few requirements at every status, started in
// a window.
class VensterTest : public ::testing::Test
{
protected:
    const wxString pad = projectPad("venster.vtd");
    VApp app;
    TestVenster* venster = nullptr;

    void SetUp() override;
    void TearDown() override { sluitVenster(venster); }
};

#endif
