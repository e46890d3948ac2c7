#ifndef TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H
#define TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H

#include "tests/toepassing/eigenschappen/Bediening.h"
#include "tests/toepassing/kern/app/KernApp.h"
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

// The dialog with its controls open to the tests.
class TestDialoog : public RekEigenschappenVenster
{
public:
    using RekEigenschappenVenster::RekEigenschappenVenster;

    using RekEigenschappenVenster::afgetekendDatumKiezer;
    using RekEigenschappenVenster::aftekenaarCombo;
    using RekEigenschappenVenster::auteurCombo;
    using RekEigenschappenVenster::auteurStatusKnop;
    using RekEigenschappenVenster::beschrijvingPaneel;
    using RekEigenschappenVenster::beschrijvingRijk;
    using RekEigenschappenVenster::datumKiezer;
    using RekEigenschappenVenster::externeRefKiezer;
    using RekEigenschappenVenster::funkTypeKeuze;
    using RekEigenschappenVenster::gewijzigd;
    using RekEigenschappenVenster::huidigeRijk;
    using RekEigenschappenVenster::implementatieIngenieurCombo;
    using RekEigenschappenVenster::implementatiePaneel;
    using RekEigenschappenVenster::implementatieRijk;
    using RekEigenschappenVenster::implementatieStatusKnop;
    using RekEigenschappenVenster::kommentaarPaneel;
    using RekEigenschappenVenster::kommentaarRijk;
    using RekEigenschappenVenster::kostenLabel;
    using RekEigenschappenVenster::kostenSpin;
    using RekEigenschappenVenster::naamTekst;
    using RekEigenschappenVenster::prioriteitSchuif;
    using RekEigenschappenVenster::srSpin;
    using RekEigenschappenVenster::standaardMeldingGekozen;
    using RekEigenschappenVenster::standaardNietsTeDoenMelding;
    using RekEigenschappenVenster::statusKeuze;
    using RekEigenschappenVenster::tekstDoosRandKleur;
    using RekEigenschappenVenster::testIngenieurCombo;
    using RekEigenschappenVenster::testLogboekRijk;
    using RekEigenschappenVenster::testPaneel;
    using RekEigenschappenVenster::testStatusKnop;
    using RekEigenschappenVenster::typeKeuze;
    using RekEigenschappenVenster::validatieRijk;
    using RekEigenschappenVenster::veldenGebied;
    using RekEigenschappenVenster::versieTekst;
    using RekEigenschappenVenster::werkBalk;
};

// A project of its own with two people in it, and a dialog over it.
class DialoogTest : public ::testing::Test
{
protected:
    const wxString pad = projectPad("dialoog.vtd");
    App app;
    std::unique_ptr<TestDialoog> dialoog;

    void SetUp() override;
    void TearDown() override;
    // Builds the dialog for the requirement (the one before goes first).
    TestDialoog& open(const Requirement& rek);
};

// A rich text as the dialog stores it, from plain text.
wxString alsRijk(const wxString& tekst);
// The plain text of a stored rich text.
wxString platteTekst(const wxString& rijk);

#endif
