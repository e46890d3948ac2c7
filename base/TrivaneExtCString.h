#ifndef BASE_TRIVANEEXTCSTRING_H
#define BASE_TRIVANEEXTCSTRING_H

#include "base/TrivaneCString.h"

#include <algorithm>
#include <cstring>

// A text of N characters held in place, with a NUL after the last one that
// nothing overwrites, so that it always ends.
template <unsigned long long N> class TrivaneExtCString
{
public:
    static constexpr unsigned long long capaciteit = N;

    TrivaneExtCString() : tekens{} {}
    // At most N characters of the text.
    explicit TrivaneExtCString(const char* tekst) : tekens{}
    {
        if (!tekst)
            return;
        const void* nul = std::memchr(tekst, '\0', N);
        std::memcpy(tekens, tekst, nul ? static_cast<const char*>(nul) - tekst : N);
    }

    // The N characters, for whoever fills them.
    char* geefBuffer() { return tekens; }
    const char* geefTekst() const { return tekens; }
    // A view up to the first NUL.
    TrivaneCString cstring() const { return TrivaneCString(tekens); }
    void wis() { std::fill(tekens, tekens + N + 1, '\0'); }

private:
    char tekens[N + 1];
};

#endif
