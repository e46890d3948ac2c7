#include "base/TrivaneWeekdag.h"

const char TrivaneWeekdag::namen[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

TrivaneWeekdag::TrivaneWeekdag(WeekDag dag) : TrivaneWeekdag(static_cast<int>(dag)) {}

TrivaneWeekdag::TrivaneWeekdag(int waarde)
    : TrivaneTijdEenheid(BegrensdBereik<int>{Zondag, Zaterdag}, waarde, Weekdagen, false)
{
}

TrivaneWeekdag& TrivaneWeekdag::operator=(WeekDag dag)
{
    zetBinnenBereik(dag);
    return *this;
}

TrivaneWeekdag::WeekDag TrivaneWeekdag::geefWeekDag() const
{
    return static_cast<WeekDag>(huidig);
}

TrivaneString TrivaneWeekdag::geefNaam() const
{
    // A value from a borrowed range still names a real day.
    const int index = huidig < Zondag ? 0 : (huidig > Zaterdag ? 6 : huidig - 1);
    return TrivaneString(namen[index]);
}
