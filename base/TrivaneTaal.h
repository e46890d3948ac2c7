#ifndef BASE_TRIVANETAAL_H
#define BASE_TRIVANETAAL_H

// The language of the base library's own texts (result codes). Dutch is the
// library's mother tongue; every other choice gives the English texts.
enum TrivaneTaal : unsigned int
{
    TaalNederlands = 0,
    TaalEngels = 1
};

#endif
