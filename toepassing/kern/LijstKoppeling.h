#ifndef TOEPASSING_KERN_LIJSTKOPPELING_H
#define TOEPASSING_KERN_LIJSTKOPPELING_H

#include "base/Stand.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"
#include "toepassing/kern/VerelTamsoApp.h"

class wxPoint;
class wxWindow;

// What the requirement drop target asks of the main window's list. The
// window is built a layer above the drop target, which therefore knows it
// only through this. Points are in the coordinates of the list's rows (below
// its header), as a drop on the list gives them.
class LijstKoppeling
{
public:
    virtual ~LijstKoppeling() = default;

    // The window the drop's questions stand over; the work of a drop waits
    // in its event queue until the drop has returned to the drag source.
    virtual wxWindow& geefVenster() = 0;
    // The column the list is sorted on.
    virtual VerelTamsoApp::Kolommen geefGeselekteerdeKolom() const = 0;
    // 0 a row lies under the point; 2 none.
    virtual int bestaatRequirementOpPunt(const wxPoint& punt) const = 0;
    // 0 the requirement of the row under the point read into `rek`; 2 no row
    // there (`rek` unchanged).
    virtual int leesRequirementOpPunt(const wxPoint& punt, Requirement& rek) = 0;
    // After a change: the rows and the people of the project shown anew.
    virtual void verversLijst() = 0;
    virtual void verversWerknemers() = 0;
    // 0 selected; 1 the list has no row of it (of the last one).
    virtual int selekteerRequirement(const Requirement& rek, Stand stand) = 0;
    virtual int selekteerRequirements(const RequirementLijst& lijst, Stand stand) = 0;
};

#endif
