#ifndef BASE_STANDSCHAKELAAR_H
#define BASE_STANDSCHAKELAAR_H

#include "base/Stand.h"
#include "base/TrivaneString.h"

// An on/off switch that can be blocked against change. It holds off, on or
// unknown; toggle is carried out, never stored. While blocked only
// zetOmgekeerd and blokkeer change it.
class StandSchakelaar
{
public:
    // Long and short texts of the four stands, indexed by the Stand value.
    static const char* const strings[4];
    static const char* const korteStrings[4];

    // Off and on as given; toggle and every other value give unknown.
    explicit StandSchakelaar(Stand stand = StandUit);
    // On when exactly one of the two is true.
    StandSchakelaar(bool waarde, bool omkeren);

    StandSchakelaar& operator=(bool waarde);
    // Toggle flips the stand; a value above unknown switches off.
    StandSchakelaar& operator=(Stand stand);
    Stand om();
    bool omb();
    void aan();
    void uit();
    // Stores the inverse of the argument (on gives off, all else on), blocked or not.
    void zetOmgekeerd(Stand stand);
    void blokkeer(bool blokkeren);

    Stand stand() const;
    bool boolean() const;
    bool omgekeerd() const;
    bool isGeblokkeerd() const;
    // The long text of the stand, as a read-only view.
    TrivaneString string() const;

    bool operator==(const StandSchakelaar& ander) const;
    bool operator!=(const StandSchakelaar& ander) const;
    bool operator==(Stand stand) const;
    bool operator!=(Stand stand) const;
    bool operator==(bool waarde) const;
    bool operator!=(bool waarde) const;

private:
    Stand huidig;
    bool geblokkeerd;
};

bool operator==(bool waarde, const StandSchakelaar& schakelaar);
bool operator!=(bool waarde, const StandSchakelaar& schakelaar);

#endif
