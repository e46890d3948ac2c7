#ifndef BASE_TRIVANEWEEKDAG_H
#define BASE_TRIVANEWEEKDAG_H

#include "base/TrivaneString.h"
#include "base/TrivaneTijdEenheid.h"

// A day of the week, 1 (Sunday) to 7 (Saturday).
class TrivaneWeekdag : public TrivaneTijdEenheid
{
public:
    enum WeekDag : int
    {
        Zondag = 1,
        Maandag = 2,
        Dinsdag = 3,
        Woensdag = 4,
        Donderdag = 5,
        Vrijdag = 6,
        Zaterdag = 7
    };

    // English short names, in the style of the month names.
    static const char namen[7][4];

    explicit TrivaneWeekdag(WeekDag dag);
    explicit TrivaneWeekdag(int waarde);
    using TrivaneTijdEenheid::operator=;
    // Clamps; the over-limit flag stays as it was.
    TrivaneWeekdag& operator=(WeekDag dag);

    WeekDag geefWeekDag() const;
    // A read-only view on the name, which lives as long as the program.
    TrivaneString geefNaam() const;
};

#endif
