#ifndef TOEPASSING_KERN_REQUIREMENTVERPLAATSING_H
#define TOEPASSING_KERN_REQUIREMENTVERPLAATSING_H

#include "toepassing/kern/RequirementLijst.h"

#include <functional>

class VerelTamsoApp;

// Gives requirements other I.D numbers in several steps, whole or not at
// all: the steps collect under one savepoint of their own (the database
// layer's), in one change of the open transaction (or under safe
// operation), so a step that fails leaves every number as it was.
class RequirementVerplaatsing
{
public:
    // Moves a requirement to another number and renumbers the ones in
    // between: the requirement is parked on the next free number, the
    // numbers between the two places shift one step towards its old place,
    // and it takes its new number.
    //
    // Moving 4 to 2 in 1..5 gives 1, old 4, old 2, old 3, 5.
    //
    // `rek` as stored (found by its title and number); it carries `naar`
    // afterwards when the move was made. 0 moved; 1 nothing done (it has
    // that number already, or the project is read-only: warned); 2 failed
    // (the reason reported), nothing changed.
    [[nodiscard]] static int verplaats(VerelTamsoApp& app, Requirement& rek, int naar);

    // Turns the numbers one place round among `buur` and the block of
    // requirements beside it: the block's first requirement (the one next
    // to `buur`) takes the number of `buur`, each next one the number of
    // the one before it, and `buur` the number of the last. The numbers
    // stay the ones they were, gaps and all.
    //
    // Turning 3, 4 with 2 beside them in 1..5 gives 1, old 3, old 4, old 2, 5.
    //
    // All as stored. 0 done, and `blok` carries the new numbers; otherwise
    // nothing changed (the reason reported).
    [[nodiscard]] static int draai(VerelTamsoApp& app, Requirement buur, RequirementLijst& blok);
    // The steps of a turn of a block of that size, as long work counts
    // them.
    static size_t geefDraaiStappen(size_t blok);

private:
    // Runs the steps in the open transaction under a savepoint of their
    // own and keeps them only when all succeeded (`stappen` gives 0); long
    // work of `aantalStappen` steps.
    static int voerGeheelUit(VerelTamsoApp& app, size_t aantalStappen, const std::function<int()>& stappen);
    static int schuifEnVerplaats(VerelTamsoApp& app, Requirement& rek, int naar, int vrij);
    static int draaiNummers(VerelTamsoApp& app, Requirement& buur, RequirementLijst& blok);
};

#endif
