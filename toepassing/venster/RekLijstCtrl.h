#ifndef TOEPASSING_VENSTER_REKLIJSTCTRL_H
#define TOEPASSING_VENSTER_REKLIJSTCTRL_H

#include "toepassing/venster/RekLijstInhoud.h"

#include <vector>
#include <wx/arrstr.h>
#include <wx/listbase.h>
#include <wx/listctrl.h>

// The requirement list: a virtual report list that asks its content for the
// rows it paints, so that filling it costs the visible rows only. Each row
// shows the list columns of one requirement in the order of
// VerelTamsoApp::Kolommen, coloured by its status when asked to.
class RekLijstCtrl : public wxGenericListCtrl
{
public:
    RekLijstCtrl(wxWindow* ouder, wxWindowID id, const wxPoint& positie, const wxSize& grootte, long stijl);

    // Shows the rows of the content; the selection is gone afterwards.
    void zetInhoud(RekLijstInhoud nieuw);
    RekLijstInhoud& geefInhoud() { return inhoud; }
    const RekLijstInhoud& geefInhoud() const { return inhoud; }
    // Rows in the colour of their status, else in the list's background.
    void zetStatusKleuren(bool aan) { statusKleuren = aan; }
    void zetTekstKleur(const wxColour& kleur);
    // Fits every column but the title to its header and the rows in view;
    // the title takes the width that is left (as the window's width changes
    // too).
    void pasKolomBreedtesAan();
    // Clears the selection of every row.
    void wisSelektie();

    // The status colour: red at development to green when ready.
    static wxColour geefStatusKleur(int status);
    // The text of one cell, as the list shows it.
    static wxString geefCelTekst(const Requirement& rek, long kolom, const wxArrayString& statusNamen);

protected:
    wxString OnGetItemText(long rij, long kolom) const override;
    wxItemAttr* OnGetItemAttr(long rij) const override;

private:
    // What a column needs for its header and the rows in view (`nodig`),
    // and for its header alone (`kop`, all that it keeps in a narrow
    // window).
    struct KolomMaat
    {
        int nodig;
        int kop;
    };
    void OnGrootte(wxSizeEvent& gebeurtenis);
    // Shares the list's width out among the measured columns.
    void verdeelBreedte();

    std::vector<KolomMaat> kolomMaten;
    // The content is read lazily: painting fills its page cache.
    mutable RekLijstInhoud inhoud;
    wxArrayString statusNamen;
    bool statusKleuren;
    mutable wxItemAttr attribuut;
    wxColour tekstKleur;
};

#endif
