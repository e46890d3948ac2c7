#ifndef TESTS_TOEPASSING_EIGENSCHAPPEN_WERKBALK_WERKBALKHULP_H
#define TESTS_TOEPASSING_EIGENSCHAPPEN_WERKBALK_WERKBALKHULP_H

#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"

#include <functional>
#include <vector>
#include <wx/richtext/richtextbuffer.h>

// Answers the questions as VraagBeantwoorder does, but first does what a
// user may do while a real dialog is up: with `tussendoor` set, every
// question runs it before it answers (the test moves the focus away there,
// as the focus is in the modal dialog while the user answers).
class TussendoorBeantwoorder : public VraagBeantwoorder
{
public:
    std::function<void()> tussendoor;

    using VraagBeantwoorder::stelVraag;
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                  const Knoppen& knoppen) override;
    GekozenBestand kiesBestandEnFilter(const wxString& bericht, const wxString& standaardMap,
                                       const wxString& standaardNaam, const wxString& wildcard, long stijl,
                                       wxWindow* ouder) override;
    std::optional<wxString> vraagTekst(const wxString& bericht, const wxString& titel, const wxString& voorstel,
                                       wxWindow* ouder) override;
    std::optional<long> vraagGetal(const wxString& bericht, const wxString& prompt, const wxString& titel,
                                   long voorstel, long min, long max, wxWindow* ouder) override;
    std::optional<wxColour> kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder) override;
    std::optional<wxFont> kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder) override;
    std::optional<Symbool> kiesSymbool(const wxString& symbool, const wxString& fontNaam, const wxString& normaleFont,
                                       const wxString& titel, wxWindow* ouder) override;

private:
    void doeTussendoor() const;
};

// The dialog on the screen, for a requirement in development: the
// description takes input and formatting, the implementation is read-only.
class WerkbalkTest : public DialoogTest
{
protected:
    TussendoorBeantwoorder vragen;

    void SetUp() override;
    RekEigenschappenVenster& d() { return *dialoog; }
    // A new dialog on the screen for the requirement.
    RekEigenschappenVenster& toon(const Requirement& rek);
    // The dialog filled anew with what it holds: unmodified, as it opened
    // (the caret and the selection are gone).
    void vulOpnieuw() { d().vulVelden(d().leesVelden()); }

    void geefFocus(wxWindow& venster);
    // The tool's update pass, as at idle time: whether it enables the tool.
    bool isAan(int id);
    // What a user does: the editor gets the focus, the tool's update pass
    // finds it and enables the tool, the tool is clicked.
    void gebruik(wxRichTextCtrl& rijk, int id);
    // The click alone, as the tool bar sends it.
    void klikWerktuig(int id);
    // What the dialog's update passes do while a modal dialog has the focus:
    // the focus goes to the title and the window's update pass runs, which
    // leaves no current editor.
    void neemFocusWeg();
    // Every answer of a DesktopVraag question, and the modal dialog answered
    // by `antwoord`, takes the focus away first.
    void neemFocusWegBijElkeVraag();
};

// A requirement in development: its description takes input and
// formatting, its implementation is read-only.
Requirement inOntwikkeling();
// The style of the text at a position of the editor.
wxRichTextAttr stijlOp(wxRichTextCtrl& rijk, long positie);
// The paragraph style at a position.
wxRichTextAttr alineaStijlOp(wxRichTextCtrl& rijk, long positie);
// The objects of a kind in the editor's text, in order (not in text boxes).
template <class Soort> std::vector<Soort*> geefObjekten(wxRichTextCtrl& rijk)
{
    std::vector<Soort*> gevonden;
    for (auto* p = rijk.GetBuffer().GetChildren().GetFirst(); p; p = p->GetNext())
        if (auto* alinea = dynamic_cast<wxRichTextParagraph*>(p->GetData()))
            for (auto* deel = alinea->GetChildren().GetFirst(); deel; deel = deel->GetNext())
                if (auto* objekt = dynamic_cast<Soort*>(deel->GetData()))
                    gevonden.push_back(objekt);
    return gevonden;
}

#endif
