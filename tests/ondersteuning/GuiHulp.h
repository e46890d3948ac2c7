#ifndef TESTS_ONDERSTEUNING_GUIHULP_H
#define TESTS_ONDERSTEUNING_GUIHULP_H

#include <functional>

// Lets the event loop handle what is pending (posted events, X events,
// idle handling) and returns as soon as nothing is left, at the latest after
// the given time. What the X server has still to answer (a window mapped, a
// timer to run out) is not pending yet: wait for it with wachtOp.
void verwerkGebeurtenissen(int millisecondenMax = 200);

// Handles events until the condition holds, for at most the given time, as
// a user's session would between clicks. Whether the condition holds.
bool wachtOp(const std::function<bool()>& voorwaarde, int millisecondenMax = 5000);

#endif
