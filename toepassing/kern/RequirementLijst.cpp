#include "toepassing/kern/RequirementLijst.h"

#include <wx/arrimpl.cpp>

WX_DEFINE_OBJARRAY(RequirementLijst);
