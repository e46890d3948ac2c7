#ifndef BASE_CSTRINGARRAY_H
#define BASE_CSTRINGARRAY_H

class TrivaneCString;

// A counted array of character views held elsewhere, whose count never drops
// below its minimum.
class CStringArray
{
public:
    CStringArray(TrivaneCString* items, unsigned long long aantal, unsigned long long minimumAantal);

    unsigned long long geefAantal() const;
    void zetAantal(unsigned long long nieuw);

private:
    TrivaneCString* items;
    unsigned long long aantal;
    unsigned long long minimumAantal;
};

#endif
