#ifndef TESTS_TOEPASSING_VENSTER_VENSTERHULP_H
#define TESTS_TOEPASSING_VENSTER_VENSTERHULP_H

#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/kern/app/KernApp.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/srchctrl.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/tglbtn.h>
#include <wx/weakref.h>

// The application object as the program builds it, with its main window
// open to the tests, and two ways to fail as a disk or a damaged file can:
// a start of the project that fails, and something done to the file system
// right after a project was closed.
class VensterApp : public KernApp
{
public:
    // The next this many starts fail (reported as the store would).
    int startFouten = 0;
    std::function<void()> naSluiten;

    int startDatabase() override;
    void sluitDB() override;
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
// What the update handler of the id says (GetSetEnabled() false: there is
// none), and whether it enables the id.
wxUpdateUIEvent vraagUpdate(wxWindow& venster, int id);
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

// A test of the window's commands, starting without a project: the window
// as the program builds it, every question answered by `vragen`.
class OpdrachtTest : public ::testing::Test
{
protected:
    VApp app;
    VraagBeantwoorder vragen;
    wxWeakRef<TestVenster> venster;

    void SetUp() override;
    void TearDown() override;

    // Opens the project file (made when missing), with these rows and this
    // name, and starts it in the window as the program does.
    void openProject(const wxString& pad, std::initializer_list<Rij> rijen = {}, const wxString& naam = "Kettle",
                     bool alleenLezen = false);
    // No project, as the program shows it when none could be opened.
    void zonderProject();
    // A project file with these rows, made beside the window and closed.
    void maakProjectBestand(const wxString& pad, std::initializer_list<Rij> rijen, const wxString& naam = "Kettle");
    // The rows of a project file, read by a connection of its own.
    static wxString rijenInBestand(const wxString& pad);

    // A menu command, a button click or a close box, as the user gives them.
    void klik(int id) { stuurMenu(*venster, id); }
    void klikKnop(int id);
    void sluitVenster();
    // What the update handler of the command says; there must be one.
    bool isAan(int id);

    wxString naamLabel() const { return tekstVan(VerelTamsoVenster::ID_PROJEKTNAAM_LABEL); }
    wxString statistiek() const { return tekstVan(VerelTamsoVenster::ID_AANTALREK_LABEL); }
    wxString statusTekst() const { return venster->GetStatusBar()->GetStatusText(1); }
    wxString menuLabel(int id) const { return venster->GetMenuBar()->FindItem(id)->GetItemLabel(); }
    bool isAangevinkt(int id) const { return venster->GetMenuBar()->FindItem(id)->IsChecked(); }
    // The window's unsaved-changes mark.
    bool isGewijzigd() const { return Platform::isVensterGewijzigd(*venster); }
    // The titles the list shows, top to bottom, and its background.
    std::vector<wxString> titels() const;
    wxColour lijstKleur() const { return venster->geefRekLijst()->GetBackgroundColour(); }
    std::vector<wxString> geschiedenis() const;
    // The picture on the button of the read-only switch is the one of this
    // name.
    bool toontKnopBeeld(const wxString& naam) const;

private:
    // A label as it reads, an "&" included.
    wxString tekstVan(int id) const { return static_cast<wxStaticText*>(venster->FindWindow(id))->GetLabelText(); }
};

#endif
