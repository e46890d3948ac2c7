#ifndef TESTS_ONDERSTEUNING_RIJKETEKST_H
#define TESTS_ONDERSTEUNING_RIJKETEKST_H

#include <wx/string.h>

// A rich text as the program stores it, from plain text.
wxString alsRijk(const wxString& tekst);
// The plain text of a stored rich text.
wxString platteTekst(const wxString& rijk);
// The formats of pictures and of a field's files, as the program's start-up
// registers them.
void registreerFormaten();

#endif
