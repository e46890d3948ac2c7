#ifndef TOEPASSING_KERN_REQUIREMENTVERPLAATSING_H
#define TOEPASSING_KERN_REQUIREMENTVERPLAATSING_H

class Requirement;
class VerelTamsoApp;

// Moves a requirement to another I.D number and renumbers the ones in
// between, whole or not at all: the requirement is parked on the next free
// number, the numbers between the two places shift one step towards its old
// place, and it takes its new number. All three steps collect under one
// savepoint of their own, in one change of the open transaction (or under
// safe operation), so a step that fails leaves every number as it was.
//
// Moving 4 to 2 in 1..5 gives 1, old 4, old 2, old 3, 5.
class RequirementVerplaatsing
{
public:
    // `rek` as stored (found by its title and number); it carries `naar`
    // afterwards when the move was made. 0 moved; 1 nothing done (it has
    // that number already, or the project is read-only: warned); 2 failed
    // (the reason reported), nothing changed.
    [[nodiscard]] static int verplaats(VerelTamsoApp& app, Requirement& rek, int naar);

private:
    static int verplaatsOnderSavepoint(VerelTamsoApp& app, Requirement& rek, int naar, int vrij);
};

#endif
