#ifndef TESTS_ONDERSTEUNING_BEDIENING_H
#define TESTS_ONDERSTEUNING_BEDIENING_H

#include <vector>
#include <wx/event.h>
#include <wx/string.h>

class wxBitmapToggleButton;
class wxChoice;
class wxCollapsiblePane;
class wxDateTime;
class wxDatePickerCtrl;
class wxMenuItem;
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
// A click on the button of that id in the window (on the window itself
// when it has none).
void klik(wxWindow& venster, int id);
// Whether the update handler of the control enables it.
bool isControlIngeschakeld(wxWindow& dialoog, int id);

// What the window's event table does with a command of that id (a menu
// item or a button click alike, as the table routes them).
void stuurMenu(wxWindow& venster, int id);
// What the update handler of the id says (GetSetEnabled() false: there is
// none), and whether it enables the id.
wxUpdateUIEvent vraagUpdate(wxWindow& venster, int id);
bool isIngeschakeld(wxWindow& venster, int id);
// The items of the pop-up menu the window shows when the list control
// sends a list event of that type (a right click on row `rij`), read while
// it is up; then it goes as with Escape. None when no menu came up.
std::vector<wxMenuItem*> toonPopupMenu(wxWindow& venster, wxWindow& control, wxEventType soort, long rij = -1);

#endif
