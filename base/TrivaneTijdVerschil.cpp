#include "base/TrivaneTijdVerschil.h"

#include "base/TrivaneTijd.h"

TrivaneTijdVerschil::TrivaneTijdVerschil(const TrivaneTijd& eerste, const TrivaneTijd& tweede)
    : dagen(0), verschil(0, 0, 0), polariteit(PolariteitOnbekend)
{
    bereken(eerste, tweede);
}

int TrivaneTijdVerschil::bereken(const TrivaneTijd& eerste, const TrivaneTijd& tweede)
{
    dagen = eerste.aantalDagen(tweede);
    const int seconden = eerste.geefTijdstip() - tweede.geefTijdstip();
    if (seconden == 0)
        polariteit = PolariteitGeen;
    else
        polariteit = seconden > 0 ? PolariteitPositief : PolariteitNegatief;
    // No difference in the time of day reads as 00:00:00, not as what an
    // earlier calculation left.
    verschil = TrivaneTijdstip(seconden < 0 ? -seconden : seconden);
    return 0;
}

int TrivaneTijdVerschil::geefDagenVerschil() const
{
    return dagen;
}

int TrivaneTijdVerschil::geefSecondenVerschil() const
{
    long long seconden = static_cast<long long>(dagen) * 86400;
    if (polariteit == PolariteitPositief)
        seconden += verschil.geefAantalSecs();
    else if (polariteit == PolariteitNegatief)
        seconden -= verschil.geefAantalSecs();
    return TrivaneTijdEenheid::begrensTotInt(seconden);
}

TrivaneTijdstip TrivaneTijdVerschil::geefVerschil() const
{
    return verschil;
}

TrivaneTijdVerschil::Polariteit TrivaneTijdVerschil::geefPolariteit() const
{
    return polariteit;
}
