#include "base/TrivaneUur.h"

TrivaneUur::TrivaneUur(int waarde, bool omslaan) : TrivaneTijdEenheid(BegrensdBereik<int>{0, 23}, waarde, Uren, omslaan)
{
}

int TrivaneUur::inMinuten() const
{
    return begrensTotInt(static_cast<long long>(huidig) * 60);
}
