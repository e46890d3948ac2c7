#include "toepassing/venster/TekstMaten.h"

#include <algorithm>
#include <wx/window.h>

namespace
{
// Enough for the texts of several screens of rows; beyond it the oldest
// are not worth finding: all go, and the rows in view are measured anew.
constexpr size_t hoogstens = 8192;
} // namespace

TekstMaten::TekstMaten(const wxWindow& venster_) : venster(venster_) {}

void TekstMaten::volgFont()
{
    const wxFont nu = venster.GetFont();
    if (nu == font)
        return;
    font = nu;
    maten.clear();
    tekenBreedte = 0;
}

wxSize TekstMaten::geefMaat(const wxString& tekst)
{
    const auto bekend = maten.find(tekst);
    if (bekend != maten.end())
        return bekend->second;
    if (maten.size() >= hoogstens)
        maten.clear();
    const wxSize maat = venster.GetTextExtent(tekst);
    maten.emplace(tekst, maat);
    return maat;
}

int TekstMaten::geefTekenBreedte()
{
    static const wxString letters = "abcdefghijklmnopqrstuvwxyz";
    if (tekenBreedte == 0)
        tekenBreedte = std::max(1, geef(letters) / static_cast<int>(letters.length()));
    return tekenBreedte;
}
