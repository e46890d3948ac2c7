#ifndef BASE_TRIVANECODESTAND_H
#define BASE_TRIVANECODESTAND_H

#include "base/TrivaneCode.h"
#include "base/TrivaneString.h"

#include <wx/string.h>

// A result code with its texts.
class TrivaneCodeStand
{
public:
    // Dutch, English and short texts, indexed by the code.
    static const char* const strings[7];
    static const char* const engelseStrings[7];
    static const char* const korteStrings[7];

    TrivaneCodeStand(TrivaneCode code);
    // True is ok, false is an error.
    TrivaneCodeStand(bool gelukt);
    static TrivaneCode convertBool(bool gelukt);

    TrivaneCodeStand& operator=(TrivaneCode code);
    TrivaneCodeStand& operator=(bool gelukt);
    bool operator==(TrivaneCode code) const;

    TrivaneCode kcStand() const;
    bool boolStand() const;
    // The text in the base library's language (Dutch unless chosen otherwise),
    // as a read-only view; a code outside the table reads as unknown.
    TrivaneString print() const;
    wxString wxPrint() const;

private:
    TrivaneCode code;
};

#endif
