#ifndef TESTS_ONDERSTEUNING_REQUIREMENTHULP_H
#define TESTS_ONDERSTEUNING_REQUIREMENTHULP_H

#include "tests/ondersteuning/TestOmgeving.h"
#include "toepassing/kern/Requirement.h"

#include <wx/string.h>

// A requirement with every stored field set; its title holds a quote and a
// percent sign.
Requirement bekendeRequirement();
// The 22 stored fields, one per line, dates with their time of day: two
// records hold the same requirement when these texts are equal.
wxString alsTekst(const Requirement& rek);

#endif
