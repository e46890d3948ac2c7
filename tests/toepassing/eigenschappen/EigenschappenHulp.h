#ifndef TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H
#define TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H

#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/RijkeTekst.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/filepicker.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>

// The dialog's controls, found by their window ids.
inline constexpr auto naamTekst = control<wxTextCtrl, RekEigenschappenVenster::ID_REKTITEL>;
inline constexpr auto datumKiezer = control<wxDatePickerCtrl, RekEigenschappenVenster::ID_REKDATUM>;
inline constexpr auto srSpin = control<wxSpinCtrl, RekEigenschappenVenster::ID_REKNUMMER>;
inline constexpr auto versieTekst = control<wxTextCtrl, RekEigenschappenVenster::ID_VERSIEINVOER>;
inline constexpr auto prioriteitSchuif = control<wxSlider, RekEigenschappenVenster::ID_REKPRIORITEIT>;
inline constexpr auto typeKeuze = control<wxChoice, RekEigenschappenVenster::ID_REKTYPE>;
inline constexpr auto funkTypeKeuze = control<wxChoice, RekEigenschappenVenster::ID_REKFUNKTIONEELTYPE>;
inline constexpr auto kostenLabel = control<wxStaticText, RekEigenschappenVenster::ID_KOSTENLABEL>;
inline constexpr auto kostenSpin = control<wxSpinCtrl, RekEigenschappenVenster::ID_REKTOTALEKOSTEN>;
inline constexpr auto auteurCombo = control<wxComboBox, RekEigenschappenVenster::ID_AUTEURKEUZE>;
inline constexpr auto auteurStatusKnop =
    control<wxBitmapToggleButton, RekEigenschappenVenster::ID_REKEIGENSCHAPPENSTATUS>;
inline constexpr auto beschrijvingPaneel =
    control<wxCollapsiblePane, RekEigenschappenVenster::ID_REKEIGENSCHAPPENINKLAP>;
inline constexpr auto beschrijvingRijk = control<wxRichTextCtrl, RekEigenschappenVenster::ID_REKEIGENSCHAPPEN>;
inline constexpr auto implementatieIngenieurCombo =
    control<wxComboBox, RekEigenschappenVenster::ID_IMPLEMENTATIEINGENIEURKEUZE>;
inline constexpr auto implementatieStatusKnop =
    control<wxBitmapToggleButton, RekEigenschappenVenster::ID_REKIMPLEMENTATIESTATUS>;
inline constexpr auto implementatiePaneel =
    control<wxCollapsiblePane, RekEigenschappenVenster::ID_REKIMPLEMENTATIEINKLAP>;
inline constexpr auto implementatieRijk = control<wxRichTextCtrl, RekEigenschappenVenster::ID_REKIMPLEMENTATIEMETHODE>;
inline constexpr auto testIngenieurCombo = control<wxComboBox, RekEigenschappenVenster::ID_TESTINGENIEURKEUZE>;
inline constexpr auto testStatusKnop = control<wxBitmapToggleButton, RekEigenschappenVenster::ID_REKTESTSTATUS>;
inline constexpr auto testPaneel = control<wxCollapsiblePane, RekEigenschappenVenster::ID_REKTESTINKLAP>;
inline constexpr auto validatieRijk = control<wxRichTextCtrl, RekEigenschappenVenster::ID_REKTESTMETHODE>;
inline constexpr auto testLogboekRijk = control<wxRichTextCtrl, RekEigenschappenVenster::ID_REKTESTLOGBOEK>;
inline constexpr auto externeRefKiezer = control<wxFilePickerCtrl, RekEigenschappenVenster::ID_REFERENTIELINK>;
inline constexpr auto kommentaarPaneel = control<wxCollapsiblePane, RekEigenschappenVenster::ID_REKKOMMENTAARINKLAP>;
inline constexpr auto kommentaarRijk = control<wxRichTextCtrl, RekEigenschappenVenster::ID_REKKOMMENTAAR>;
inline constexpr auto aftekenaarCombo = control<wxComboBox, RekEigenschappenVenster::ID_REKAFTEKENNAAM>;
inline constexpr auto afgetekendDatumKiezer = control<wxDatePickerCtrl, RekEigenschappenVenster::ID_REKAFTEKENDATUM>;
inline constexpr auto statusKeuze = control<wxChoice, RekEigenschappenVenster::ID_REKSTATUS>;
inline constexpr auto werkBalk = control<wxToolBar, RekEigenschappenVenster::ID_WERKBALK>;

// A project of its own with two people in it, and a dialog over it.
class DialoogTest : public ::testing::Test
{
protected:
    const wxString pad = testPad("dialoog.vtd");
    App app;
    std::unique_ptr<RekEigenschappenVenster> dialoog;

    void SetUp() override;
    void TearDown() override;
    // Builds the dialog for the requirement (the one before goes first).
    RekEigenschappenVenster& open(const Requirement& rek);
};

// The plain text of an editor's contents as a file stores it; when the
// file cannot be read, "(unreadable)".
wxString leesBestand(const wxString& pad);

#endif
