#ifndef TESTS_TOEPASSING_EIGENSCHAPPEN_BEDIENING_H
#define TESTS_TOEPASSING_EIGENSCHAPPEN_BEDIENING_H

#include <wx/string.h>

class wxBitmapToggleButton;
class wxChoice;
class wxCollapsiblePane;
class wxDateTime;
class wxDatePickerCtrl;
class wxRichTextCtrl;
class wxSlider;
class wxSpinCtrl;
class wxTextEntry;
class wxWindow;

// What a user does to a control, with the events the control sends.
void typ(wxTextEntry& veld, const wxString& tekst);
void typ(wxRichTextCtrl& veld, const wxString& tekst);
void zet(wxSpinCtrl& spin, int waarde);
void zet(wxSlider& schuif, int waarde);
void zet(wxDatePickerCtrl& kiezer, const wxDateTime& datum);
void kies(wxChoice& keuze, int index);
void druk(wxBitmapToggleButton& knop);
// A click on the section's heading: it opens, and the dialog hears of it.
void klapOpen(wxCollapsiblePane& sektie);
void klik(wxWindow& venster, int id);
// Whether the update handler of the control enables it.
bool isControlIngeschakeld(wxWindow& dialoog, int id);

#endif
