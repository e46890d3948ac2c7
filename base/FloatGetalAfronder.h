#ifndef BASE_FLOATGETALAFRONDER_H
#define BASE_FLOATGETALAFRONDER_H

// Rounds a float down to a whole number of fractions (4 fractions: to a
// multiple of 0.25).
class FloatGetalAfronder
{
public:
    // Zero fractions would make an infinite step; the rounder then keeps
    // whole numbers (one fraction).
    explicit FloatGetalAfronder(unsigned long long frakties);

    // False, and the step unchanged, for zero fractions.
    [[nodiscard]] bool zetFrakties(unsigned long long frakties);
    unsigned long long geefFrakties() const;

    float operator()(float x) const;
    float afronder(float x) const;
    // To the nearest whole number, halves away from zero.
    static float rondFunktie(float x);

private:
    float stap;
};

#endif
