#ifndef TESTS_VERTALINGEN_LABELMAAT_H
#define TESTS_VERTALINGEN_LABELMAAT_H

#include <wx/arrstr.h>
#include <wx/font.h>
#include <wx/string.h>
#include <wx/window.h>

// The width of the text in the font, as the window draws it.
int tekstBreedte(const wxWindow& venster, const wxString& tekst, const wxFont& font);
// Every shown window of the tree that gets less room than its label needs:
// a label that gets less room than it asks for is cut by the toolkit (the
// first letters of a static box's caption, the end of a text), which no
// other test would notice. One line for each, added to `afgesneden`.
void zoekAfgesneden(const wxWindow& venster, wxArrayString& afgesneden);

#endif
