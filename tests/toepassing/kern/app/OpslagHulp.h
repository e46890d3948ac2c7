#ifndef TESTS_TOEPASSING_KERN_APP_OPSLAGHULP_H
#define TESTS_TOEPASSING_KERN_APP_OPSLAGHULP_H

#include "tests/toepassing/kern/app/KernApp.h"

// What a project holds, read with plain SQL beside the store: the tests of
// the changing operations check the rows, not the store's own reading.

// "naam=SR" of every requirement in number order, joined by ",".
wxString nummers(KernApp& app);
// One column of the requirement with this number as text; "null" for NULL,
// "-" when no requirement has the number.
wxString kolom(KernApp& app, int SR, const char* kolom);
// A record with the title and number of a stored row, as a read gives it.
Requirement opgeslagen(const char* naam, int SR);
// The next start of a transaction fails: the change left open cannot be
// committed (a deferred reference to a missing row).
void blokkeerVolgendeStart(KernApp& app);

#endif
