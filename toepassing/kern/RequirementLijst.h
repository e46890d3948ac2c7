#ifndef TOEPASSING_KERN_REQUIREMENTLIJST_H
#define TOEPASSING_KERN_REQUIREMENTLIJST_H

#include "toepassing/kern/Requirement.h"

#include <wx/dynarray.h>

// The owning array of records that every query of several requirements
// yields: Add stores a heap copy, the list deletes its records.
WX_DECLARE_OBJARRAY(Requirement, RequirementLijst);

#endif
