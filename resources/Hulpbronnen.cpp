#include "resources/Hulpbronnen.h"

#include <cstring>

// Filled by the generated source.
extern const Hulpbron hulpbronnen[];
extern const unsigned long long aantalHulpbronnen;
extern const char* const hulpbronMakers[];
extern const unsigned long long aantalHulpbronMakers;

const Hulpbron* vindHulpbron(const char* naam)
{
    if (!naam)
        return nullptr;
    for (unsigned long long i = 0; i < aantalHulpbronnen; ++i)
        if (std::strcmp(hulpbronnen[i].naam, naam) == 0)
            return &hulpbronnen[i];
    return nullptr;
}

std::size_t geefAantalMakers()
{
    return static_cast<std::size_t>(aantalHulpbronMakers);
}

const char* geefMaker(std::size_t index)
{
    return index < aantalHulpbronMakers ? hulpbronMakers[index] : nullptr;
}
