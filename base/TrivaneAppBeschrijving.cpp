#include "base/TrivaneAppBeschrijving.h"

#include <cstring>

TrivaneAppBeschrijving::TrivaneAppBeschrijving(const TrivaneString& naam, const TrivaneVersieNummer& versie,
                                               const TrivaneString& beschrijving)
    : versie(versie)
{
    kopieerVeld(this->naam, naamGrootte, naam);
    kopieerVeld(this->beschrijving, beschrijvingGrootte, beschrijving);
}

// The text up to its first NUL, at most one character less than the field.
// Read element by element, so that a text without a NUL is never read past
// its own end.
void TrivaneAppBeschrijving::kopieerVeld(char* veld, std::size_t grootte, const TrivaneString& tekst)
{
    std::memset(veld, 0, grootte);
    for (std::size_t index = 0; index + 1 < grootte; ++index)
    {
        const char* teken = tekst.string(index);
        if (teken == nullptr || *teken == '\0')
            return;
        veld[index] = *teken;
    }
}
