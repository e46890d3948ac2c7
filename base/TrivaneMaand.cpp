#include "base/TrivaneMaand.h"

const char* const TrivaneMaand::maandNamen[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const int TrivaneMaand::dagen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace
{
const BegrensdBereik<int> maandBereik{MaandJanuari, MaandDecember};
}

TrivaneMaand::TrivaneMaand(TrivaneMaandID id) : TrivaneMaand(static_cast<int>(id)) {}

TrivaneMaand::TrivaneMaand(int waarde) : TrivaneTijdEenheid(maandBereik, waarde, Maanden, false) {}

TrivaneMaand& TrivaneMaand::operator=(TrivaneMaandID id)
{
    zetBinnenBereik(id);
    return *this;
}

TrivaneMaandID TrivaneMaand::geefID() const
{
    return static_cast<TrivaneMaandID>(huidig);
}

int TrivaneMaand::index() const
{
    if (huidig < MaandJanuari)
        return 0;
    if (huidig > MaandDecember)
        return 11;
    return huidig - 1;
}

TrivaneString TrivaneMaand::geefNaam() const
{
    return TrivaneString(maandNamen[index()]);
}

int TrivaneMaand::lengte(const TrivaneJaar& jaar) const
{
    const int i = index();
    return dagen[i] + (i == 1 && jaar.schrikkel() ? 1 : 0);
}
