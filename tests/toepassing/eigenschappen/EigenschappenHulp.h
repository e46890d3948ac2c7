#ifndef TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H
#define TESTS_TOEPASSING_EIGENSCHAPPEN_EIGENSCHAPPENHULP_H

#include "tests/ondersteuning/Bediening.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KernApp.h"
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
inline wxTextCtrl& naamTekst(wxWindow& d)
{
    return vind<wxTextCtrl>(d, RekEigenschappenVenster::ID_REKTITEL);
}
inline wxDatePickerCtrl& datumKiezer(wxWindow& d)
{
    return vind<wxDatePickerCtrl>(d, RekEigenschappenVenster::ID_REKDATUM);
}
inline wxSpinCtrl& srSpin(wxWindow& d)
{
    return vind<wxSpinCtrl>(d, RekEigenschappenVenster::ID_REKNUMMER);
}
inline wxTextCtrl& versieTekst(wxWindow& d)
{
    return vind<wxTextCtrl>(d, RekEigenschappenVenster::ID_VERSIEINVOER);
}
inline wxSlider& prioriteitSchuif(wxWindow& d)
{
    return vind<wxSlider>(d, RekEigenschappenVenster::ID_REKPRIORITEIT);
}
inline wxChoice& typeKeuze(wxWindow& d)
{
    return vind<wxChoice>(d, RekEigenschappenVenster::ID_REKTYPE);
}
inline wxChoice& funkTypeKeuze(wxWindow& d)
{
    return vind<wxChoice>(d, RekEigenschappenVenster::ID_REKFUNKTIONEELTYPE);
}
inline wxStaticText& kostenLabel(wxWindow& d)
{
    return vind<wxStaticText>(d, RekEigenschappenVenster::ID_KOSTENLABEL);
}
inline wxSpinCtrl& kostenSpin(wxWindow& d)
{
    return vind<wxSpinCtrl>(d, RekEigenschappenVenster::ID_REKTOTALEKOSTEN);
}
inline wxComboBox& auteurCombo(wxWindow& d)
{
    return vind<wxComboBox>(d, RekEigenschappenVenster::ID_AUTEURKEUZE);
}
inline wxBitmapToggleButton& auteurStatusKnop(wxWindow& d)
{
    return vind<wxBitmapToggleButton>(d, RekEigenschappenVenster::ID_REKEIGENSCHAPPENSTATUS);
}
inline wxCollapsiblePane& beschrijvingPaneel(wxWindow& d)
{
    return vind<wxCollapsiblePane>(d, RekEigenschappenVenster::ID_REKEIGENSCHAPPENINKLAP);
}
inline wxRichTextCtrl& beschrijvingRijk(wxWindow& d)
{
    return vind<wxRichTextCtrl>(d, RekEigenschappenVenster::ID_REKEIGENSCHAPPEN);
}
inline wxComboBox& implementatieIngenieurCombo(wxWindow& d)
{
    return vind<wxComboBox>(d, RekEigenschappenVenster::ID_IMPLEMENTATIEINGENIEURKEUZE);
}
inline wxBitmapToggleButton& implementatieStatusKnop(wxWindow& d)
{
    return vind<wxBitmapToggleButton>(d, RekEigenschappenVenster::ID_REKIMPLEMENTATIESTATUS);
}
inline wxCollapsiblePane& implementatiePaneel(wxWindow& d)
{
    return vind<wxCollapsiblePane>(d, RekEigenschappenVenster::ID_REKIMPLEMENTATIEINKLAP);
}
inline wxRichTextCtrl& implementatieRijk(wxWindow& d)
{
    return vind<wxRichTextCtrl>(d, RekEigenschappenVenster::ID_REKIMPLEMENTATIEMETHODE);
}
inline wxComboBox& testIngenieurCombo(wxWindow& d)
{
    return vind<wxComboBox>(d, RekEigenschappenVenster::ID_TESTINGENIEURKEUZE);
}
inline wxBitmapToggleButton& testStatusKnop(wxWindow& d)
{
    return vind<wxBitmapToggleButton>(d, RekEigenschappenVenster::ID_REKTESTSTATUS);
}
inline wxCollapsiblePane& testPaneel(wxWindow& d)
{
    return vind<wxCollapsiblePane>(d, RekEigenschappenVenster::ID_REKTESTINKLAP);
}
inline wxRichTextCtrl& validatieRijk(wxWindow& d)
{
    return vind<wxRichTextCtrl>(d, RekEigenschappenVenster::ID_REKTESTMETHODE);
}
inline wxRichTextCtrl& testLogboekRijk(wxWindow& d)
{
    return vind<wxRichTextCtrl>(d, RekEigenschappenVenster::ID_REKTESTLOGBOEK);
}
inline wxFilePickerCtrl& externeRefKiezer(wxWindow& d)
{
    return vind<wxFilePickerCtrl>(d, RekEigenschappenVenster::ID_REFERENTIELINK);
}
inline wxCollapsiblePane& kommentaarPaneel(wxWindow& d)
{
    return vind<wxCollapsiblePane>(d, RekEigenschappenVenster::ID_REKKOMMENTAARINKLAP);
}
inline wxRichTextCtrl& kommentaarRijk(wxWindow& d)
{
    return vind<wxRichTextCtrl>(d, RekEigenschappenVenster::ID_REKKOMMENTAAR);
}
inline wxComboBox& aftekenaarCombo(wxWindow& d)
{
    return vind<wxComboBox>(d, RekEigenschappenVenster::ID_REKAFTEKENNAAM);
}
inline wxDatePickerCtrl& afgetekendDatumKiezer(wxWindow& d)
{
    return vind<wxDatePickerCtrl>(d, RekEigenschappenVenster::ID_REKAFTEKENDATUM);
}
inline wxChoice& statusKeuze(wxWindow& d)
{
    return vind<wxChoice>(d, RekEigenschappenVenster::ID_REKSTATUS);
}
inline wxToolBar& werkBalk(wxWindow& d)
{
    return vind<wxToolBar>(d, RekEigenschappenVenster::ID_WERKBALK);
}

// A project of its own with two people in it, and a dialog over it.
class DialoogTest : public ::testing::Test
{
protected:
    const wxString pad = projectPad("dialoog.vtd");
    App app;
    std::unique_ptr<RekEigenschappenVenster> dialoog;

    void SetUp() override;
    void TearDown() override;
    // Builds the dialog for the requirement (the one before goes first).
    RekEigenschappenVenster& open(const Requirement& rek);
};

// A rich text as the dialog stores it, from plain text.
wxString alsRijk(const wxString& tekst);
// The plain text of a stored rich text.
wxString platteTekst(const wxString& rijk);

#endif
