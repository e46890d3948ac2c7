#ifndef TESTS_ONDERSTEUNING_REQUIREMENTHULP_H
#define TESTS_ONDERSTEUNING_REQUIREMENTHULP_H

#include "toepassing/kern/Requirement.h"

#include <ostream>
#include <wx/string.h>

// A failed comparison shows the text, not its bytes.
void PrintTo(const wxString& tekst, std::ostream* uit);

// A requirement with every stored field set; its title holds a quote and a
// percent sign.
Requirement bekendeRequirement();
// The 22 stored fields, one per line, dates with their time of day: two
// records hold the same requirement when these texts are equal.
wxString alsTekst(const Requirement& rek);

#endif
