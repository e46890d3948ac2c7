#include "toepassing/kern/WerknemerLezing.h"

#include <utility>

namespace
{
long long deelGrootte = 20000;

// Also when the version is not known: two unknown ones are the same state,
// and the read does not start again at every part.
bool isZelfdeInhoud(const SQLite3Basis::InhoudVersie& a, const SQLite3Basis::InhoudVersie& b)
{
    return a.verbinding == b.verbinding && a.opening == b.opening && a.eigenWijzigingen == b.eigenWijzigingen &&
           a.rijWijzigingen == b.rijWijzigingen && a.dataVersie == b.dataVersie;
}
} // namespace

WerknemerLezing::WerknemerLezing(VerelTamsoApp& app_) : app(app_)
{
    beginOpnieuw();
}

long long WerknemerLezing::zetDeelGrootte(long long rijen)
{
    return std::exchange(deelGrootte, rijen);
}

void WerknemerLezing::beginOpnieuw()
{
    versie = app.geefInhoudVersie();
    begonnen = false;
    klaar = false;
    gevonden.clear();
    namen.clear();
}

int WerknemerLezing::leesDeel()
{
    if (klaar || (!begonnen && app.geefBekendeWerknemers(namen)))
    {
        klaar = true;
        return 1;
    }
    // The rows after the last one read may have changed, or those before.
    if (begonnen && !isZelfdeInhoud(app.geefInhoudVersie(), versie))
        beginOpnieuw();
    const int gelezen = app.leesWerknemersDeel(begonnen ? &laatste : nullptr, deelGrootte, gevonden, laatste);
    begonnen = true;
    if (gelezen != 1)
        return gelezen == 0 ? 0 : 2;
    for (const wxString& naam : gevonden)
        namen.Add(naam);
    klaar = true;
    app.onthoudWerknemers(namen, versie);
    return 1;
}
