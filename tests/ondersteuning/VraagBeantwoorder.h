#ifndef TESTS_ONDERSTEUNING_VRAAGBEANTWOORDER_H
#define TESTS_ONDERSTEUNING_VRAAGBEANTWOORDER_H

#include "swexternals/desktop/DesktopVraag.h"

#include <deque>
#include <optional>
#include <vector>
#include <wx/aboutdlg.h>

// Answers the program's questions (everything that goes through
// DesktopVraag) in a test, without a display and without a dialog. Put in
// place for its own lifetime:
//
//     VraagBeantwoorder vragen;
//     vragen.antwoordGetal(12);                 // the next number asked
//     vragen.antwoordKleur(std::nullopt);       // the next colour: cancelled
//     ... run the code ...
//     EXPECT_EQ(vragen.geefVragen()[0].max, 100);
//
// Each kind of question takes its answers from a queue of its own, in the
// order they were queued. A question without a queued answer fails the test
// and is answered as cancelled; an answer still queued when the answerer
// goes fails the test too, so a question that was never asked is noticed.
// About boxes need no answer: they are kept for the test to read.
class VraagBeantwoorder : public DesktopVraag
{
public:
    enum class Soort
    {
        Vraag,
        Bestand,
        Map,
        Tekst,
        Getal,
        Kleur,
        Font,
        Symbool,
        Keuze
    };

    // One question as it was put: what every kind has, and the preset of
    // its own kind.
    struct Gevraagd
    {
        Soort soort;
        wxString titel;
        wxString bericht;
        wxWindow* ouder = nullptr;
        // Vraag: the style flags.
        long stijl = 0;
        // Tekst: the proposal; Getal: the prompt; Symbool: the symbol;
        // Bestand and Map: the folder the dialog opens in.
        wxString voorstel;
        // Bestand: the file name proposed and the wildcard of its filters.
        wxString naam;
        wxString wildcard;
        // Getal: the proposal and the limits; Keuze: the index selected
        // first (in `getal`).
        long getal = 0;
        long min = 0;
        long max = 0;
        // Kleur, Font: the value the dialog opens on.
        wxColour kleur;
        wxFont font;
        // Symbool: the font the picker opens in and the normal text font.
        wxString fontNaam;
        wxString normaleFont;
        // Keuze: what could be chosen.
        wxArrayString keuzes;
    };

    VraagBeantwoorder();
    ~VraagBeantwoorder() override;

    VraagBeantwoorder(const VraagBeantwoorder&) = delete;
    VraagBeantwoorder& operator=(const VraagBeantwoorder&) = delete;

    // The next question gets this answer (wxYES, wxNO, wxOK, wxCANCEL).
    void antwoord(int antwoord);
    // The next file or folder dialog gets this path (empty: cancelled),
    // chosen under this filter of the dialog's wildcard.
    void kies(const wxString& pad, int filter = 0);
    // The next question of the kind gets this value; std::nullopt: the
    // user cancelled.
    void antwoordTekst(std::optional<wxString> tekst);
    void antwoordGetal(std::optional<long> getal);
    void antwoordKleur(std::optional<wxColour> kleur);
    void antwoordFont(std::optional<wxFont> font);
    void antwoordSymbool(std::optional<Symbool> symbool);
    void antwoordKeuze(std::optional<int> index);

    // Everything asked so far, in order, as a text each: the title, a line
    // feed and the message for a question (its own button texts follow,
    // one per line, in square brackets), the message alone for the other
    // kinds.
    const std::vector<wxString>& geefGesteld() const { return m_gesteld; }
    bool isGevraagd(const wxString& deel) const;
    // The same questions with everything they were asked with.
    const std::vector<Gevraagd>& geefVragen() const { return m_vragen; }
    // The about boxes shown, in order.
    const std::vector<wxAboutDialogInfo>& geefAboutBoxen() const { return m_aboutBoxen; }
    // Answers queued and not yet used, of every kind.
    size_t geefOnbeantwoord() const;

    using DesktopVraag::stelVraag;
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                  const Knoppen& knoppen) override;
    GekozenBestand kiesBestandEnFilter(const wxString& bericht, const wxString& standaardMap,
                                       const wxString& standaardNaam, const wxString& wildcard, long stijl,
                                       wxWindow* ouder) override;
    wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) override;
    std::optional<wxString> vraagTekst(const wxString& bericht, const wxString& titel, const wxString& voorstel,
                                       wxWindow* ouder) override;
    std::optional<long> vraagGetal(const wxString& bericht, const wxString& prompt, const wxString& titel,
                                   long voorstel, long min, long max, wxWindow* ouder) override;
    std::optional<wxColour> kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder) override;
    std::optional<wxFont> kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder) override;
    std::optional<Symbool> kiesSymbool(const wxString& symbool, const wxString& fontNaam, const wxString& normaleFont,
                                       const wxString& titel, wxWindow* ouder) override;
    std::optional<int> kiesUitLijst(const wxString& bericht, const wxString& titel, const wxArrayString& keuzes,
                                    int begin, wxWindow* ouder) override;
    void toonAboutBox(const wxAboutDialogInfo& info, wxWindow* ouder) override;

private:
    // Records the question and takes the next answer of its kind; a
    // missing answer fails the test and stands for cancel.
    template <class Waarde> std::optional<Waarde> neem(std::deque<std::optional<Waarde>>& rij, const Gevraagd& vraag);
    void noteer(const Gevraagd& vraag, const wxString& tekst);

    DesktopVraag* m_vorige;
    std::deque<int> m_antwoorden;
    std::deque<GekozenBestand> m_paden;
    std::deque<std::optional<wxString>> m_teksten;
    std::deque<std::optional<long>> m_getallen;
    std::deque<std::optional<wxColour>> m_kleuren;
    std::deque<std::optional<wxFont>> m_fonts;
    std::deque<std::optional<Symbool>> m_symbolen;
    std::deque<std::optional<int>> m_keuzes;
    std::vector<wxString> m_gesteld;
    std::vector<Gevraagd> m_vragen;
    std::vector<wxAboutDialogInfo> m_aboutBoxen;
};

#endif
