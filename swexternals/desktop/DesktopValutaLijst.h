#ifndef SWEXTERNALS_DESKTOP_DESKTOPVALUTALIJST_H
#define SWEXTERNALS_DESKTOP_DESKTOPVALUTALIJST_H

#include "swexternals/desktop/DesktopValuta.h"

#include <wx/dynarray.h>

// An owning list of currencies: adding stores a copy, removing and clearing
// destroy the copies, copying the list copies every currency.
WX_DECLARE_OBJARRAY(DesktopValuta, DesktopValutaLijst);

#endif
