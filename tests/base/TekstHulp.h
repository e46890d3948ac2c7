#ifndef TESTS_BASE_TEKSTHULP_H
#define TESTS_BASE_TEKSTHULP_H

#include "base/TrivaneString.h"

#include <ostream>
#include <string>

// The characters of a string up to its length, for comparing and for
// readable failure messages.
inline std::string tekstVan(const TrivaneString& s)
{
    return s.string() ? std::string(s.string(), s.geefLengte()) : std::string();
}

inline void PrintTo(const TrivaneString& s, std::ostream* uit)
{
    *uit << '"' << tekstVan(s) << '"';
}

#endif
