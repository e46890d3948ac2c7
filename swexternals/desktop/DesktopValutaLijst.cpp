#include "swexternals/desktop/DesktopValutaLijst.h"

#include <wx/arrimpl.cpp>

WX_DEFINE_OBJARRAY(DesktopValutaLijst);
