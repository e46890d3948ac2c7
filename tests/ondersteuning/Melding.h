#ifndef TESTS_ONDERSTEUNING_MELDING_H
#define TESTS_ONDERSTEUNING_MELDING_H

#include <wx/string.h>

// The headline of the message box in which the user reads what was logged
// since the test's log catcher was last emptied, as a desktop application
// shows it: the most severe message, the first of several as severe.
wxString meldingKop();

#endif
