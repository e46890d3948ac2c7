#ifndef BASE_TRIVANEDATUMSTRING_H
#define BASE_TRIVANEDATUMSTRING_H

#include "base/TrivaneDatum.h"
#include "base/TrivaneString.h"

// The printed form of a date (05-03-2024) in a buffer of its own. The date is
// not owned: it must outlive this text.
class TrivaneDatumString : public TrivaneString
{
public:
    static constexpr unsigned int bufferGrootte = 11;

    // With `meteenPrinten` the date is printed at once.
    TrivaneDatumString(const TrivaneDatum& datum, char scheiding, bool meteenPrinten);
    // A date that ends with the statement cannot be printed later.
    TrivaneDatumString(const TrivaneDatum&& datum, char scheiding, bool meteenPrinten) = delete;
    // The copy prints into a buffer of its own.
    TrivaneDatumString(const TrivaneDatumString& ander);
    TrivaneDatumString& operator=(const TrivaneDatumString&) = delete;

    // Prints the date now; the text handed back owns its characters.
    TrivaneString formatPrint();

private:
    char buffer[bufferGrootte];
    const TrivaneDatum& datum;
    char scheiding;
};

#endif
