#include "tests/vertalingen/LabelMaat.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/combobox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

int tekstBreedte(const wxWindow& venster, const wxString& tekst, const wxFont& font)
{
    int breedte = 0;
    venster.GetTextExtent(tekst, &breedte, nullptr, nullptr, nullptr, &font);
    return breedte;
}

namespace
{
// A static box's caption sits that far in from the box's edges.
const int doosMarge = 2 * 4;

// What a window needs to show its label whole; nothing when it shows none.
wxSize geefBesteMaat(const wxWindow& venster)
{
    return venster.GetLabel().empty() ? wxSize() : venster.GetBestSize();
}

// GTK's expander keeps its caption to itself: GetLabel() tells nothing.
wxSize geefSektieMaat(const wxWindow& venster)
{
    return venster.GetBestSize();
}

wxSize geefDoosMaat(const wxWindow& venster)
{
    const wxString tekst = static_cast<const wxStaticBox&>(venster).GetLabelText();
    return tekst.empty() ? wxSize() : wxSize(tekstBreedte(venster, tekst, venster.GetFont()) + doosMarge, 0);
}

// A choice shows its current item, with the frame and the arrow that the
// best size holds beside its widest item.
wxSize geefKeuzeMaat(const wxWindow& venster)
{
    const auto& keuze = static_cast<const wxChoice&>(venster);
    if (keuze.GetSelection() == wxNOT_FOUND)
        return wxSize();
    int breedste = 0;
    for (unsigned int item = 0; item < keuze.GetCount(); ++item)
        breedste = std::max(breedste, tekstBreedte(keuze, keuze.GetString(item), keuze.GetFont()));
    const wxSize beste = keuze.GetBestSize();
    return wxSize(beste.GetWidth() - breedste + tekstBreedte(keuze, keuze.GetStringSelection(), keuze.GetFont()),
                  beste.GetHeight());
}

// What is checked of each kind of window, the most derived kind first.
struct Soort
{
    const wxClassInfo* klasse;
    // Null: the kind shows nothing to check (a combo box's text is the
    // user's).
    wxSize (*nodig)(const wxWindow&);
};

const Soort soorten[] = {
    {wxCLASSINFO(wxComboBox), nullptr},
    {wxCLASSINFO(wxStaticBox), geefDoosMaat},
    {wxCLASSINFO(wxStaticText), geefBesteMaat},
    {wxCLASSINFO(wxCheckBox), geefBesteMaat},
    // Bitmap buttons have no label, and so no need of their own.
    {wxCLASSINFO(wxButton), geefBesteMaat},
    {wxCLASSINFO(wxChoice), geefKeuzeMaat},
    {wxCLASSINFO(wxCollapsiblePane), geefSektieMaat},
};

wxSize geefNodig(const wxWindow& venster)
{
    for (const Soort& soort : soorten)
        if (venster.IsKindOf(soort.klasse))
            return soort.nodig ? soort.nodig(venster) : wxSize();
    return wxSize();
}

// What the window shows of itself: its own size, as far as its parent does
// not cut it off at the side (the rows of the dialog scroll up and down).
wxSize geefGekregen(const wxWindow& venster)
{
    const wxWindow* ouder = venster.GetParent();
    wxSize maat = venster.GetSize();
    if (!ouder || venster.IsTopLevel())
        return maat;
    const int x = venster.GetPosition().x;
    maat.SetWidth(std::max(0, std::min(x + maat.GetWidth(), ouder->GetClientSize().GetWidth()) - std::max(x, 0)));
    return maat;
}
} // namespace

// Every shown window of the tree that gets less room than its label needs.
void zoekAfgesneden(const wxWindow& venster, wxArrayString& afgesneden)
{
    for (const wxWindow* kind : venster.GetChildren())
    {
        if (!kind->IsShown() || kind->IsTopLevel())
            continue;
        const wxSize nodig = geefNodig(*kind);
        const wxSize gekregen = geefGekregen(*kind);
        if (nodig.GetWidth() > gekregen.GetWidth() || nodig.GetHeight() > gekregen.GetHeight())
            afgesneden.Add(wxString::Format("%s \"%s\" needs %dx%d pixels, gets %dx%d",
                                            kind->GetClassInfo()->GetClassName(), kind->GetLabel(), nodig.GetWidth(),
                                            nodig.GetHeight(), gekregen.GetWidth(), gekregen.GetHeight()));
        zoekAfgesneden(*kind, afgesneden);
    }
}
