#ifndef BASE_TRIVANEAPPBESCHRIJVING_H
#define BASE_TRIVANEAPPBESCHRIJVING_H

#include "base/TrivaneString.h"
#include "base/TrivaneVersieNummer.h"

#include <cstddef>

// An application's name, version and one-line description in fixed-size
// character fields, so that it can be stored or sent as it is. Each field
// keeps its last character for the terminating NUL.
class TrivaneAppBeschrijving
{
public:
    static constexpr std::size_t naamGrootte = 20;
    static constexpr std::size_t beschrijvingGrootte = 100;

    // Longer texts are cut to 19 and 99 characters.
    TrivaneAppBeschrijving(const TrivaneString& naam, const TrivaneVersieNummer& versie,
                           const TrivaneString& beschrijving);

    char naam[naamGrootte];
    TrivaneVersieNummer versie;
    char beschrijving[beschrijvingGrootte];

private:
    static void kopieerVeld(char* veld, std::size_t grootte, const TrivaneString& tekst);
};

#endif
