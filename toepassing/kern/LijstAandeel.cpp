#include "toepassing/kern/LijstAandeel.h"

#include <cmath>

namespace
{
// The values as a record reads them, its low 32 bits, so that the list's
// percentages belong to the numbers the rows show. A file of another tool
// may hold a negative priority or cost, or a status no level has: counted
// as stored, one such row drives the completion of the set beyond 0 to 100.
const wxString prioriteit = "(prioriteit&4294967295)";
const wxString kosten = "(totaleKosten&4294967295)";
// A value that is no known status counts as the lowest level.
const wxString status = "(case when (status&4294967295) between 0 and 4 then status&4294967295 else 0 end)";
} // namespace

const wxString LijstAandeel::gewicht = prioriteit + "*" + kosten;
const LijstAandeel LijstAandeel::werkVerricht{"werkVerricht", "100.0*(1+" + status + ")*" + gewicht, 5};
const LijstAandeel LijstAandeel::laagFruit{"laagFruit", "100.0*(4-" + status + ")*" + gewicht, 4};

// The sum is taken with total(), in floating point: a sum() of integer
// weights overflows 64 bits on large projects and fails the whole query.
wxString LijstAandeel::alsZichtKolom(const wxString& voorwaarde, const wxString& tabel) const
{
    return "((" + teller + ")/(" + wxString::Format("%d", noemer) + "*(select total(" + gewicht + ") from " + tabel +
           " where " + voorwaarde + "))) as " + kolom;
}

// SQLite divides two reals as IEEE doubles, and gives NULL for a divisor
// of 0 and for a result that is not a number.
bool LijstAandeel::bereken(bool heeftTeller, double tellerWaarde, double gewichtSom, double& aandeel) const
{
    const double deler = noemer * gewichtSom;
    if (!heeftTeller || deler == 0.0)
        return false;
    aandeel = tellerWaarde / deler;
    return !std::isnan(aandeel);
}
