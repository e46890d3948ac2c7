#ifndef TESTS_TOEPASSING_VENSTER_SCHERMBEELD_H
#define TESTS_TOEPASSING_VENSTER_SCHERMBEELD_H

#include <vector>
#include <wx/gdicmn.h>

// The pixels of a part of the screen as the X server shows them, row by
// row, each as 0xRRGGBB: what the user sees, whatever a window was asked to
// paint. Empty when the display cannot be read.
std::vector<unsigned long> schermBeeld(const wxRect& plaats);

#endif
