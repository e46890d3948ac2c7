#ifndef TESTS_ONDERSTEUNING_DIALOOGBEANTWOORDER_H
#define TESTS_ONDERSTEUNING_DIALOOGBEANTWOORDER_H

#include <wx/modalhook.h>
#include <wx/string.h>

#include <deque>
#include <functional>
#include <vector>

class wxDialog;

// Answers every modal dialog (message boxes included) in place of a user.
// A test queues its answers before the code asks; a dialog that comes without
// a queued answer fails the test and is cancelled, so no test ever waits.
class DialoogBeantwoorder : public wxModalDialogHook
{
public:
    using Antwoord = std::function<int(wxDialog&)>;

    struct Getoond
    {
        wxString titel;
        wxString melding;
    };

    // Answer the next dialog with this id (wxID_OK, wxID_YES, wxID_NO, ...).
    void verwacht(int antwoordId);
    // Answer the next dialog with a function that may fill it in first.
    void verwacht(Antwoord antwoord);

    size_t geefOpenAntwoorden() const { return m_antwoorden.size(); }
    const std::vector<Getoond>& geefGetoond() const { return m_getoond; }
    void wis();

protected:
    int Enter(wxDialog* dialoog) override;
    void Exit(wxDialog* dialoog) override;

private:
    std::deque<Antwoord> m_antwoorden;
    std::vector<Getoond> m_getoond;
};

DialoogBeantwoorder& dialoogBeantwoorder();

#endif
