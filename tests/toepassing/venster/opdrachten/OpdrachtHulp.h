#ifndef TESTS_TOEPASSING_VENSTER_OPDRACHTEN_OPDRACHTHULP_H
#define TESTS_TOEPASSING_VENSTER_OPDRACHTEN_OPDRACHTHULP_H

#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/kern/app/KernApp.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

// The application object as the program builds it, with two ways to fail
// as a disk or a damaged file can: a start of the project that fails, and
// something done to the file system right after a project was closed.
class OpdrachtApp : public KernApp
{
public:
    // The next this many starts fail (reported as the store would).
    int startFouten = 0;
    std::function<void()> naSluiten;
    // The window the desktop's hand-over of files talks to.
    using KernApp::venster;

    int startDatabase() override;
    void sluitDB() override;
};

// The main window with the members the commands work on open to the tests.
class OpdrachtVenster : public VerelTamsoVenster
{
public:
    using VerelTamsoVenster::bestandGeschiedenis;
    using VerelTamsoVenster::VerelTamsoVenster;
};

// The test's answers, which also note the file name each file dialog
// proposed.
class OpdrachtVragen : public VraagBeantwoorder
{
public:
    std::vector<wxString> voorgesteldeNamen;

    wxString kiesBestand(const wxString& bericht, const wxString& standaardMap, const wxString& standaardNaam,
                         const wxString& wildcard, long stijl, wxWindow* ouder) override;
};

// A test of the main window on a project of its own: the window as the
// program builds it, every question answered by `vragen`.
class OpdrachtTest : public ::testing::Test
{
protected:
    TijdelijkeApp<OpdrachtApp> app;
    OpdrachtVragen vragen;
    wxWeakRef<OpdrachtVenster> venster;

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
    void klik(int id);
    void klikKnop(int id);
    void sluitVenster();
    // What the update handler of the command says.
    bool isAan(int id);

    wxString naamLabel() const { return tekstVan(VerelTamsoVenster::ID_PROJEKTNAAM_LABEL); }
    wxString statistiek() const { return tekstVan(VerelTamsoVenster::ID_AANTALREK_LABEL); }
    wxString statusTekst() const { return venster->GetStatusBar()->GetStatusText(1); }
    wxString menuLabel(int id) const { return venster->GetMenuBar()->FindItem(id)->GetItemLabel(); }
    bool isAangevinkt(int id) const { return venster->GetMenuBar()->FindItem(id)->IsChecked(); }
    // The window's unsaved-changes mark.
    bool isGewijzigd() const { return Platform::isVensterGewijzigd(*venster); }
    // The titles the list shows, top to bottom.
    std::vector<wxString> titels() const;
    std::vector<wxString> geschiedenis() const;
    // The picture on the button of the read-only switch is the one of this
    // name.
    bool toontKnopBeeld(const wxString& naam) const;

private:
    // A label as it reads, an "&" included.
    wxString tekstVan(int id) const { return static_cast<wxStaticText*>(venster->FindWindow(id))->GetLabelText(); }
};

#endif
