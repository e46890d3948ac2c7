#ifndef BASE_AFTELLER_H
#define BASE_AFTELLER_H

#include "base/BegrensdGetal.h"

// A countdown alarm for code that runs in ticks: it counts down from its limit
// to its bottom, goes off there and is reloaded on the next step. It can
// pause, repeat (go off on every step once it has gone off) and report every
// repetition or only the first.
class Afteller
{
public:
    // Repetition: Herhalen repeats; every other value goes off once per round.
    enum Aktie : unsigned int
    {
        Herhalen = 0,
        Eenmalig = 1
    };
    // Reporting of repetitions: MeldElkeKeer reports each; every other value
    // only the first.
    enum Melding : unsigned int
    {
        MeldEenmaal = 0,
        MeldElkeKeer = 1
    };

    Afteller();
    // Goes off after `ticks` steps counted from 0; zero ticks count as one.
    Afteller(unsigned int ticks, Aktie aktie, Melding melding);
    Afteller(unsigned int grens, Aktie aktie, Melding melding, unsigned int bodem);
    Afteller(unsigned int grens, bool herhaling, bool elkeHerhalingMelden, unsigned int bodem);

    void zetGrens(unsigned int grens);
    void reset();
    // Reloads for `ticks` steps above the bottom; zero ticks count as one.
    void reset(unsigned int ticks);
    // As the constructor of this form; the state flags stay.
    void reset(unsigned int grens, Aktie aktie, Melding melding, unsigned int bodem);

    void zetHerhaling(bool aan);
    void zetHerhalingMelding(bool aan);
    void zetPauze(bool aan);
    void zetAktief(bool aan);
    bool heeftPauze() const;
    bool isAktief() const;

    // One step down; true when it goes off (and, while repeating, reports it).
    bool telAf();
    // The same; the count is written before the step, or after it with `na`.
    bool telAf(unsigned int& stand, bool na);
    // One step up; it goes off at the bottom like telAf.
    bool telTerug();

    bool isAfgegaan() const;
    bool isEerderAfgegaan() const;
    bool isGebruikt() const;

    unsigned int geefGrens() const;
    unsigned int geefStand() const;
    // Kept between bottom and limit.
    void zetStand(unsigned int stand);
    // The position counted from the top of the range instead of the bottom.
    void zetSpiegelStand(unsigned int spiegelStand);
    unsigned int geefSpiegelStand() const;
    // How far the count stands above the bottom, in percent of the range.
    BegrensdGetal<int> geefRelStand() const;

private:
    enum Vlag : unsigned int
    {
        VlagHerhaling = 1u << 0,
        VlagElkeHerhalingMelden = 1u << 1,
        VlagGemeld = 1u << 2,
        VlagPauze = 1u << 3,
        VlagAfgegaan = 1u << 4,
        VlagEerderAfgegaan = 1u << 5
    };

    bool vlag(Vlag welke) const;
    void zetVlag(Vlag welke, bool aan);
    void wisToestand();
    unsigned int herlaadStand() const;
    // Steps 4 to 7 of a step: going off at the bottom.
    bool gaAfOpBodem();

    unsigned int bodem;
    unsigned int grens;
    unsigned int stand;
    unsigned int vlaggen;
};

#endif
