#ifndef TESTS_ONDERSTEUNING_GUIHULP_H
#define TESTS_ONDERSTEUNING_GUIHULP_H

// Lets the event loop handle what is pending (paint, size, idle, posted
// events) for at most the given time, as a user's session would between clicks.
void verwerkGebeurtenissen(int millisecondenMax = 200);

#endif
