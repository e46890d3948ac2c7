#ifndef BASE_KLOKFREQUENTIE_H
#define BASE_KLOKFREQUENTIE_H

// A clock frequency in Hz.
class KlokFrequentie
{
public:
    // The unit a value is given or asked in.
    enum Bereik : unsigned int
    {
        Hz = 0,
        kHz = 1,
        MHz = 2,
        GHz = 3
    };

    explicit KlokFrequentie(unsigned int hertz = 0);

    // The frequency in that unit; an unknown unit counts as Hz.
    unsigned int geef(Bereik bereik) const;
    unsigned int geefkHz() const;
    unsigned int geefMHz() const;
    void zet(unsigned int waarde, Bereik bereik);
    // A bare number is read the way people write clocks: below 1,000 it is
    // MHz, below 1,000,000 kHz, else Hz.
    KlokFrequentie& operator=(unsigned int waarde);
    bool isGeldig() const;

private:
    static unsigned int factor(Bereik bereik);

    unsigned int hertz;
};

#endif
