#ifndef BASE_TRIVANECSTRING_H
#define BASE_TRIVANECSTRING_H

class TrivaneString;

// A light view on narrow characters: a length and a pointer. The length may be
// unknown (onbekendeLengte); then the text ends at its NUL, looked for within
// TrivaneCString::maxScan characters.
class TrivaneCString
{
public:
    static constexpr unsigned int onbekendeLengte = 0xFFFFFFFF;
    static constexpr unsigned int maxScan = 65535;

    // A NUL-terminated text whose length is found when needed.
    TrivaneCString(const char* tekst = nullptr);
    TrivaneCString(const char* tekst, unsigned int lengte);
    TrivaneCString(const TrivaneString& tekst);

    // Equal when this one's characters are the first characters of the other;
    // a longer text is never equal to a shorter one.
    bool operator==(const TrivaneCString& ander) const;
    bool operator!=(const TrivaneCString& ander) const;
    // The character at that index; 0 past the end of the text.
    char operator[](unsigned long long index) const;
    // A read-only string on the characters, with the NUL after them when asked.
    TrivaneString convert(bool metAfsluiter) const;

    unsigned int geefLengte() const;
    const char* geefTekst() const;

private:
    // The length, scanning to the NUL when it is not known.
    unsigned int bekendeLengte() const;

    unsigned int lengte;
    const char* tekst;
};

#endif
