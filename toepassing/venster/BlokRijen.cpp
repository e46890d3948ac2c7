#include "toepassing/venster/BlokRijen.h"

#include <algorithm>

BlokRijen::BlokRijen(wxBoxSizer* doel_, int rand_) : doel(doel_), rand(rand_) {}

void BlokRijen::voegToe(wxSizer* blok)
{
    blokken.push_back(blok);
    // Below the others until the first arrangement.
    rijen.clear();
    orden(0);
}

int BlokRijen::geefBreedte(wxSizer* blok) const
{
    return blok->GetMinSize().GetWidth() + 2 * rand;
}

int BlokRijen::geefSmalsteBreedte() const
{
    int smalst = 0;
    for (wxSizer* blok : blokken)
        smalst = std::max(smalst, geefBreedte(blok));
    return smalst;
}

wxSize BlokRijen::geefMaat(int breedte) const
{
    const std::vector<size_t> indeling = geefRijen(breedte);
    std::vector<wxSize> rijMaten;
    for (size_t b = 0; b < blokken.size(); ++b)
    {
        if (rijMaten.size() <= indeling[b])
            rijMaten.resize(indeling[b] + 1);
        const wxSize blok = blokken[b]->GetMinSize() + wxSize(2 * rand, 2 * rand);
        rijMaten[indeling[b]].x += blok.x;
        rijMaten[indeling[b]].y = std::max(rijMaten[indeling[b]].y, blok.y);
    }
    wxSize maat;
    for (const wxSize& rij : rijMaten)
    {
        maat.x = std::max(maat.x, rij.x);
        maat.y += rij.y;
    }
    return maat;
}

// Each block in the first row that still has room for it, else in a new
// row below: a narrow block further on fills the room a wide one left.
std::vector<size_t> BlokRijen::geefRijen(int breedte) const
{
    std::vector<size_t> indeling;
    std::vector<int> bezet;
    for (wxSizer* blok : blokken)
    {
        const int nodig = geefBreedte(blok);
        size_t rij = 0;
        while (rij < bezet.size() && bezet[rij] + nodig > breedte)
            ++rij;
        if (rij == bezet.size())
            bezet.push_back(0);
        bezet[rij] += nodig;
        indeling.push_back(rij);
    }
    return indeling;
}

bool BlokRijen::orden(int breedte)
{
    const std::vector<size_t> nieuw = geefRijen(breedte);
    if (nieuw == rijen)
        return false;
    // Out of their rows first: a row that goes takes what it holds along.
    for (wxSizerItem* rij : doel->GetChildren())
        for (wxSizer* blok : blokken)
            rij->GetSizer()->Detach(blok);
    doel->Clear(false);
    rijen = nieuw;
    std::vector<wxBoxSizer*> rijSizers;
    for (size_t b = 0; b < blokken.size(); ++b)
    {
        while (rijSizers.size() <= rijen[b])
        {
            rijSizers.push_back(new wxBoxSizer(wxHORIZONTAL));
            doel->Add(rijSizers.back(), 0, wxALIGN_CENTER_HORIZONTAL);
        }
        rijSizers[rijen[b]]->Add(blokken[b], 0, wxALIGN_CENTER_VERTICAL | wxALL, rand);
    }
    return true;
}
