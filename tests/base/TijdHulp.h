#ifndef TESTS_BASE_TIJDHULP_H
#define TESTS_BASE_TIJDHULP_H

#include "base/TrivaneDag.h"
#include "base/TrivaneDatum.h"
#include "base/TrivaneDatumString.h"
#include "base/TrivaneTijd.h"
#include "base/TrivaneTijdString.h"
#include "tests/base/TekstHulp.h"

#include <climits>
#include <string>

// A date as the library prints it, 05-03-2024, for readable comparisons.
inline std::string datumTekst(const TrivaneDatum& datum)
{
    TrivaneDatumString tekst(datum, '-', false);
    return tekstVan(tekst.formatPrint());
}

// A date-time as 05-03-2024 14:07:09.
inline std::string tijdTekst(const TrivaneTijd& tijd)
{
    TrivaneTijdString tekst(tijd, '-', ':', true);
    return tekstVan(tekst.formatPrint());
}

// A count of days larger than a month holds: a day unit that has taken over
// a wider range.
inline TrivaneDag dagen(int aantal)
{
    TrivaneDag stap(1);
    stap = TrivaneTijdEenheid(BegrensdBereik<int>{0, INT_MAX}, aantal, TrivaneTijdEenheid::DagVanMaand, false);
    return stap;
}

#endif
