#include "base/TrivaneTijdstip.h"

#include "base/TrivaneMaandID.h"

#include <cstring>
#include <string>

namespace
{
constexpr int secondenPerDag = 24 * 3600;

void wis(TrivaneString& tekst)
{
    if (tekst.isVeranderbaar() && tekst.string())
        std::memset(tekst.string(), 0, tekst.geefGrootte());
}

int binnenDag(int seconden)
{
    if (seconden < 0)
        return 0;
    return seconden < secondenPerDag ? seconden : secondenPerDag - 1;
}
} // namespace

TrivaneTijdstip::TrivaneTijdstip(const TrivaneUur& uur, const TrivaneMinuut& minuut, const TrivaneSeconde& seconde)
    : uur(uur), minuut(minuut), seconde(seconde)
{
}

TrivaneTijdstip::TrivaneTijdstip(int uur, int minuut, int seconde) : uur(uur), minuut(minuut), seconde(seconde) {}

TrivaneTijdstip::TrivaneTijdstip(const TrivaneTijdStempel& stempel)
    : TrivaneTijdstip(stempel.geefUur(), stempel.geefMinuut(), stempel.geefSeconde())
{
}

TrivaneTijdstip::TrivaneTijdstip(int secondenSindsMiddernacht)
    : TrivaneTijdstip(binnenDag(secondenSindsMiddernacht) / 3600, binnenDag(secondenSindsMiddernacht) % 3600 / 60,
                      binnenDag(secondenSindsMiddernacht) % 60)
{
}

TrivaneTijdstip::~TrivaneTijdstip() = default;

TrivaneTijdstip& TrivaneTijdstip::operator=(const TrivaneTijdstip& ander)
{
    uur.zetBinnenBereik(ander.uur.waarde());
    minuut.zetBinnenBereik(ander.minuut.waarde());
    seconde.zetBinnenBereik(ander.seconde.waarde());
    return *this;
}

int TrivaneTijdstip::vergelijk(const TrivaneTijdstip& ander) const
{
    const TrivaneTijdEenheid* const hier[] = {&uur, &minuut, &seconde};
    const TrivaneTijdEenheid* const daar[] = {&ander.uur, &ander.minuut, &ander.seconde};
    for (int i = 0; i < 3; ++i)
    {
        if (hier[i]->waarde() != daar[i]->waarde())
            return hier[i]->waarde() > daar[i]->waarde() ? 1 : 2;
    }
    return 0;
}

bool TrivaneTijdstip::operator==(const TrivaneTijdstip& ander) const
{
    return vergelijk(ander) == 0;
}

bool TrivaneTijdstip::operator!=(const TrivaneTijdstip& ander) const
{
    return vergelijk(ander) != 0;
}

bool TrivaneTijdstip::operator>(const TrivaneTijdstip& ander) const
{
    return vergelijk(ander) == 1;
}

int TrivaneTijdstip::geefAantalSecs() const
{
    return TrivaneTijdEenheid::begrensTotInt(static_cast<long long>(uur.waarde()) * 3600 +
                                             static_cast<long long>(minuut.waarde()) * 60 + seconde.waarde());
}

int TrivaneTijdstip::operator-(const TrivaneTijdstip& ander) const
{
    return TrivaneTijdEenheid::begrensTotInt(static_cast<long long>(geefAantalSecs()) - ander.geefAantalSecs());
}

long long TrivaneTijdstip::verschuifUren(long long uren)
{
    return uur.verschuif(uren);
}

long long TrivaneTijdstip::verschuifMinuten(long long minuten)
{
    return verschuifUren(minuut.verschuif(minuten));
}

long long TrivaneTijdstip::verschuifSeconden(long long seconden)
{
    return verschuifMinuten(seconde.verschuif(seconden));
}

bool TrivaneTijdstip::naVerschuiving(long long dagen)
{
    uur.overGrens();
    minuut.overGrens();
    seconde.overGrens();
    if (dagen != 0)
        middernachtGepasseerd(dagen);
    return dagen != 0;
}

void TrivaneTijdstip::middernachtGepasseerd(long long) {}

bool TrivaneTijdstip::operator+=(const TrivaneSeconde& seconden)
{
    return naVerschuiving(verschuifSeconden(seconden.waarde()));
}

bool TrivaneTijdstip::operator+=(const TrivaneMinuut& minuten)
{
    return naVerschuiving(verschuifMinuten(minuten.waarde()));
}

bool TrivaneTijdstip::operator+=(const TrivaneUur& uren)
{
    return naVerschuiving(verschuifUren(uren.waarde()));
}

bool TrivaneTijdstip::operator+=(const TrivaneTijdstip& ander)
{
    long long dagen = verschuifSeconden(ander.seconde.waarde());
    dagen += verschuifMinuten(ander.minuut.waarde());
    dagen += verschuifUren(ander.uur.waarde());
    return naVerschuiving(dagen);
}

bool TrivaneTijdstip::operator-=(const TrivaneSeconde& seconden)
{
    return naVerschuiving(verschuifSeconden(-static_cast<long long>(seconden.waarde())));
}

bool TrivaneTijdstip::operator-=(const TrivaneMinuut& minuten)
{
    return naVerschuiving(verschuifMinuten(-static_cast<long long>(minuten.waarde())));
}

bool TrivaneTijdstip::operator-=(const TrivaneUur& uren)
{
    return naVerschuiving(verschuifUren(-static_cast<long long>(uren.waarde())));
}

bool TrivaneTijdstip::operator-=(const TrivaneTijdstip& ander)
{
    long long dagen = verschuifSeconden(-static_cast<long long>(ander.seconde.waarde()));
    dagen += verschuifMinuten(-static_cast<long long>(ander.minuut.waarde()));
    dagen += verschuifUren(-static_cast<long long>(ander.uur.waarde()));
    return naVerschuiving(dagen);
}

void TrivaneTijdstip::zetSeconde(const TrivaneSeconde& nieuw)
{
    seconde = nieuw;
}

void TrivaneTijdstip::zetMinuut(const TrivaneMinuut& nieuw)
{
    minuut = nieuw;
}

void TrivaneTijdstip::zetUur(const TrivaneUur& nieuw)
{
    uur = nieuw;
}

void TrivaneTijdstip::zetSeconde(int nieuw)
{
    seconde = TrivaneSeconde(nieuw);
}

void TrivaneTijdstip::zetMinuut(int nieuw)
{
    minuut = TrivaneMinuut(nieuw);
}

void TrivaneTijdstip::zetUur(int nieuw)
{
    uur = TrivaneUur(nieuw);
}

TrivaneSeconde TrivaneTijdstip::geefSeconde() const
{
    return seconde;
}

TrivaneMinuut TrivaneTijdstip::geefMinuut() const
{
    return minuut;
}

TrivaneUur TrivaneTijdstip::geefUur() const
{
    return uur;
}

unsigned char TrivaneTijdstip::geefSecondeW() const
{
    return static_cast<unsigned char>(seconde.uwaarde());
}

unsigned char TrivaneTijdstip::geefMinuutW() const
{
    return static_cast<unsigned char>(minuut.uwaarde());
}

unsigned char TrivaneTijdstip::geefUurW() const
{
    return static_cast<unsigned char>(uur.uwaarde());
}

void TrivaneTijdstip::printTijd(TrivaneString& tekst) const
{
    wis(tekst);
    tekst.printf("%02d%02d", uur.waarde(), minuut.waarde());
}

void TrivaneTijdstip::printTijd(TrivaneString& tekst, char scheiding, bool metSeconden) const
{
    printTijd(tekst, TrivaneCString(""), scheiding, metSeconden);
}

void TrivaneTijdstip::printTijd(TrivaneString& tekst, const TrivaneCString& voorTekst, char scheiding,
                                bool metSeconden) const
{
    // The text in front need not end in a NUL: it ends at its own length.
    const TrivaneString voor = voorTekst.convert(false);
    const std::string voorKopie(voor.string() ? voor.string() : "", voor.geefLengte());
    wis(tekst);
    if (metSeconden)
        tekst.printf("%s%02d%c%02d%c%02d", voorKopie.c_str(), uur.waarde(), scheiding, minuut.waarde(), scheiding,
                     seconde.waarde());
    else
        tekst.printf("%s%02d%c%02d", voorKopie.c_str(), uur.waarde(), scheiding, minuut.waarde());
}

TrivaneTijdStempel TrivaneTijdstip::exportTijdStempel() const
{
    return TrivaneTijdStempel(1988, MaandJanuari, 1, geefUurW(), geefMinuutW(), geefSecondeW());
}
