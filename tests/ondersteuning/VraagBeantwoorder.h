#ifndef TESTS_ONDERSTEUNING_VRAAGBEANTWOORDER_H
#define TESTS_ONDERSTEUNING_VRAAGBEANTWOORDER_H

#include "swexternals/desktop/DesktopVraag.h"

#include <deque>
#include <vector>

// Answers the program's questions (message boxes with a choice, file and
// folder dialogs) in a test, without a display. Put in place for its own
// lifetime. A question without a queued answer fails the test and is
// answered with cancel, so no test ever waits.
class VraagBeantwoorder : public DesktopVraag
{
public:
    VraagBeantwoorder();
    ~VraagBeantwoorder() override;

    // The next question gets this answer (wxYES, wxNO, wxOK, wxCANCEL).
    void antwoord(int antwoord);
    // The next file or folder dialog gets this path (empty: cancelled).
    void kies(const wxString& pad);

    // Everything asked so far, questions and dialog messages alike; a
    // question with its own button texts ends with them, one per line.
    const std::vector<wxString>& geefGesteld() const { return m_gesteld; }
    bool isGevraagd(const wxString& deel) const;
    size_t geefOnbeantwoord() const { return m_antwoorden.size() + m_paden.size(); }

    using DesktopVraag::stelVraag;
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                  const Knoppen& knoppen) override;
    wxString kiesBestand(const wxString& bericht, const wxString& standaardMap, const wxString& standaardNaam,
                         const wxString& wildcard, long stijl, wxWindow* ouder) override;
    wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) override;

private:
    DesktopVraag* m_vorige;
    std::deque<int> m_antwoorden;
    std::deque<wxString> m_paden;
    std::vector<wxString> m_gesteld;
};

#endif
