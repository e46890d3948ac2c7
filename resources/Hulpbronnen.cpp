#include "resources/Hulpbronnen.h"

#include <cstring>

// Filled by the generated source.
extern const Hulpbron hulpbronnen[];
extern const unsigned long long aantalHulpbronnen;

const Hulpbron* vindHulpbron(const char* naam)
{
    if (!naam)
        return nullptr;
    for (unsigned long long i = 0; i < aantalHulpbronnen; ++i)
        if (std::strcmp(hulpbronnen[i].naam, naam) == 0)
            return &hulpbronnen[i];
    return nullptr;
}
