#ifndef TOEPASSING_VENSTER_BLOKRIJEN_H
#define TOEPASSING_VENSTER_BLOKRIJEN_H

#include <vector>
#include <wx/sizer.h>

// Blocks of controls laid out in rows, as many beside each other as the
// width allows, in their order within a row, each row centred: a wide window shows them
// side by side, a narrow one below each other, none cut off or covering
// another. The rows are sizers in the vertical sizer given; the blocks
// belong to the rows they stand in.
class BlokRijen
{
public:
    BlokRijen(wxBoxSizer* doel, int rand);

    void voegToe(wxSizer* blok);
    // Puts the blocks in rows for the width; true when they moved.
    bool orden(int breedte);
    // The widest block with its border: the narrowest the rows can be.
    int geefSmalsteBreedte() const;
    // The room the rows need at that width.
    wxSize geefMaat(int breedte) const;

private:
    // The row of each block at that width.
    std::vector<size_t> geefRijen(int breedte) const;
    int geefBreedte(wxSizer* blok) const;

    wxBoxSizer* doel;
    const int rand;
    std::vector<wxSizer*> blokken;
    std::vector<size_t> rijen;
};

#endif
