#ifndef TESTS_ONDERSTEUNING_VENSTERHULP_H
#define TESTS_ONDERSTEUNING_VENSTERHULP_H

#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
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
#include <wx/weakref.h>

// The application object as the program builds it, with two ways to fail
// as a disk or a damaged file can: a start of the project that fails, and
// something done to the file system right after a project was closed.
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

// A window of its own for the application object, destroyed with the test.
VerelTamsoVenster* maakVenster(VensterApp& app);
void sluitVenster(VerelTamsoVenster*& venster);
// Closes it when it goes, also when the test stops half-way.
struct VensterSluiter
{
    VerelTamsoVenster*& venster;
    ~VensterSluiter() { sluitVenster(venster); }
};

// The frame's controls, found by their window ids.
inline constexpr auto statusFilter = control<wxChoice, VerelTamsoVenster::ID_BEPERKREKZOEKENMETSTATUS>;
inline constexpr auto typeFilter = control<wxChoice, VerelTamsoVenster::ID_BEPERKREKZOEKENTYPE>;
inline constexpr auto funkTypeFilter = control<wxChoice, VerelTamsoVenster::ID_BEPERKREKZOEKENFUNKTIONEELTYPE>;
inline constexpr auto prioriteitDrempel = control<wxSlider, VerelTamsoVenster::ID_REKPRIORITEIT>;
inline constexpr auto zoekVeld = control<wxSearchCtrl, VerelTamsoVenster::ID_ZOEKREKVELD>;
inline constexpr auto werknemerVeld = control<wxComboBox, VerelTamsoVenster::ID_WERKNEMERKEUZE>;
inline constexpr auto voltooiingMeter = control<wxGauge, VerelTamsoVenster::ID_VOLTOOIING_METER>;
// The text of the window's label of that id, as it is set ("&" included).
wxString labelVan(wxWindow& venster, int id);
// The submenu of the recent files.
wxMenu& recenteBestanden(wxFrame& venster);
// A click on a column header; -1 is the header right of the last column.
void klikKop(VerelTamsoVenster& venster, int kolom);
wxString kopTekst(VerelTamsoVenster& venster, int kolom);
// The texts of one row, columns 0 to 10.
std::vector<wxString> rijTeksten(VerelTamsoVenster& venster, long rij);
// Column 0 of every row.
std::vector<wxString> nummersInLijst(VerelTamsoVenster& venster);

// A project of its own with a few requirements at every status, started in
// a window.
class VensterTest : public ::testing::Test
{
protected:
    const wxString pad = testPad("venster.vtd");
    VApp app;
    VerelTamsoVenster* venster = nullptr;

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
    wxWeakRef<VerelTamsoVenster> venster;

    void SetUp() override;
    void TearDown() override;

    // Opens the project file (made when missing), with these rows and this
    // name, and starts it in the window as the program does.
    void openProject(const wxString& pad, std::initializer_list<Rij> rijen = {}, const wxString& naam = "Kettle",
                     bool alleenLezen = false);
    // No project, as the program shows it when none could be opened.
    void zonderProject();
    // The window made anew, as the program makes it after a session that
    // left these recent files (the newest first); what is open stays open.
    void zetRecenteBestanden(std::initializer_list<wxString> paden);
    // A project file with these rows, made beside the window and closed.
    void maakProjectBestand(const wxString& pad, std::initializer_list<Rij> rijen, const wxString& naam = "Kettle");
    // The rows of a project file, read by a connection of its own.
    static wxString rijenInBestand(const wxString& pad);

    // A menu command, a button click or a close box, as the user gives them.
    void klik(int id) { stuurMenu(*venster, id); }
    void klikKnop(int id) { ::klik(*venster, id); }
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
    // The recent files as the menu names them, the newest first: paths in
    // the test's folder, where the menu leaves them out.
    std::vector<wxString> geschiedenis() const;
    // The picture on the button of the read-only switch is the one of this
    // name.
    bool toontKnopBeeld(const wxString& naam) const;

private:
    // A label as it reads, an "&" included.
    wxString tekstVan(int id) const { return vind<wxStaticText>(*venster, id).GetLabelText(); }
};

#endif
