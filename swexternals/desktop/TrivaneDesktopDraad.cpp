#include "swexternals/desktop/TrivaneDesktopDraad.h"

TrivaneDesktopDraad::TrivaneDesktopDraad(wxThreadKind soort, wxSemaphore* semafoor)
    : wxThread(soort), semafoor(semafoor)
{
}

TrivaneDesktopDraad::~TrivaneDesktopDraad() = default;
