#ifndef RESOURCES_HULPBRONNEN_H
#define RESOURCES_HULPBRONNEN_H

#include <cstddef>

// The images compiled into the program, found by the relative name the code
// asks for ("vlaggen/nl.png", "afbeeldingen/VerelTamso_klein.jpeg").
struct Hulpbron
{
    const char* naam;
    const unsigned char* data;
    std::size_t grootte;
};

// The resource of that name, or null when the program has none.
const Hulpbron* vindHulpbron(const char* naam);

#endif
