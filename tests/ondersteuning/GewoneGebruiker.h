#ifndef TESTS_ONDERSTEUNING_GEWONEGEBRUIKER_H
#define TESTS_ONDERSTEUNING_GEWONEGEBRUIKER_H

#include <functional>

// Runs the part of a test that must see the file system as a user who is not
// root sees it: write protection that root would pass by. Run as root (CI
// runs so), the part runs in a child process that has become the user
// "nobody", with the test's folder handed to it; its failures are printed
// there and fail the test here. Run as another user, it runs in place.
void alsGewoneGebruiker(const std::function<void()>& deel);

#endif
