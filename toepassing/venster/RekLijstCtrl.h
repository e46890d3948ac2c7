#ifndef TOEPASSING_VENSTER_REKLIJSTCTRL_H
#define TOEPASSING_VENSTER_REKLIJSTCTRL_H

#include "toepassing/venster/RekLijstInhoud.h"
#include "toepassing/venster/TekstMaten.h"

#include <memory>
#include <unordered_map>
#include <vector>
#include <wx/arrstr.h>
#include <wx/listbase.h>
#include <wx/listctrl.h>

class wxDC;
class wxGraphicsContext;

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
    // Fits every column but the title to the rows in view and its header;
    // the title takes the width that is left (as the window's width changes
    // too), and keeps room for about thirty characters: headers are
    // shortened first, then the names of people, never a figure, a date or
    // a status.
    void pasKolomBreedtesAan();
    // The narrowest the list shows every figure, date and status whole in:
    // the headers and names at their shortest, the title at ten
    // characters.
    int geefKleinsteBreedte() const;
    // Clears the selection of every row.
    void wisSelektie();
    // Selects these rows besides those selected.
    void selekteer(const std::vector<long>& rijen);
    // The selected rows, ascending.
    wxArrayInt geefGeselekteerdeRijen() const;

    // The status colour: red at development to green when ready.
    static wxColour geefStatusKleur(int status);
    // The text of one cell, as the list shows it.
    static wxString geefCelTekst(const Requirement& rek, long kolom, const wxArrayString& statusNamen);

    // The sort column's header, with its arrow, stays whole.
    void zetSorteerKolom(int kolom);
    // A header keeps its whole text, which GetColumn gives; it shows it
    // shortened by an ellipsis in its middle where its column is narrower.
    bool SetColumn(int kolom, const wxListItem& item) override;
    bool GetColumn(int kolom, wxListItem& item) const override;
    // The header shows the new width at once, its borders above the cells.
    bool SetColumnWidth(int kolom, int breedte) override;

protected:
    long DoInsertColumn(long kolom, const wxListItem& item) override;
    wxString OnGetItemText(long rij, long kolom) const override;
    wxItemAttr* OnGetItemAttr(long rij) const override;
    void OnInternalIdle() override;

private:
    // What a column needs for the widest of the rows seen since the list was
    // filled (`cel`) and for its header (`kop`).
    struct KolomMaat
    {
        int cel;
        int kop;
    };
    void OnGrootte(wxSizeEvent& gebeurtenis);
    void OnRijenSchilderen(wxPaintEvent& gebeurtenis);
    // The texts of the rows in the region painted.
    void tekenTeksten();
    // Where a cell's text goes: its room from `x`, the middle of its row
    // and the column's alignment.
    struct Cel
    {
        int x;
        int ruimte;
        int midden;
        int uitlijning;
    };
    void tekenCel(wxDC& dc, wxGraphicsContext& gc, wxString tekst, const Cel& cel);
    // A header too narrow for its text shows it whole as a tool tip.
    void OnKopBeweging(wxMouseEvent& gebeurtenis);
    // Measures the rows in view, beside those measured before unless the
    // list was filled anew.
    void meetRijen(bool opnieuw);
    // What each column needs whole, with its header shortened, and with the
    // names shortened too; what the title keeps at best and at least.
    struct Grenzen
    {
        std::vector<int> nodig;
        std::vector<int> kortKop;
        std::vector<int> kortNaam;
        int titelRuimte = 0;
        int kortsteTitel = 0;
    };
    void geefGrenzen(Grenzen& grenzen) const;
    // Shares the list's width out among the measured columns.
    void verdeelBreedte();
    wxWindow* geefKopVenster() const;
    // The toolkit's list leaves its header as it was painted when a refill
    // changes a header's text or a column's width: the header is painted
    // again whenever one of them changes.
    void verversKop();
    // The header's text as its column has room for it.
    wxString geefGetoondeKop(int kolom) const;
    void toonKoppen();

    std::vector<KolomMaat> kolomMaten;
    wxArrayString kopTeksten;
    int sorteerKolom;
    // The rows in view when they were measured.
    long gemetenVanaf;
    long gemetenTot;
    // What the beginning of the widest title seen needs.
    int titelBegin;
    // What the texts of the rows and of the header need.
    mutable TekstMaten celMaten;
    std::unique_ptr<TekstMaten> kopMaten;
    // The content is read lazily: painting fills its page cache.
    mutable RekLijstInhoud inhoud;
    // The texts of rows painted or measured, by row.
    mutable std::unordered_map<long, std::vector<wxString>> celTeksten;
    // The toolkit paints the rows, without their texts.
    bool toolkitSchildert = false;
    // Rows are selected or deselected by the program: the toolkit reads the
    // texts and colours of each for its event, which no one reads.
    bool selekteertRijen = false;
    wxArrayString statusNamen;
    bool statusKleuren;
    mutable wxItemAttr attribuut;
    wxColour tekstKleur;
};

#endif
