#ifndef TESTS_ONDERSTEUNING_DIALOOGBEANTWOORDER_H
#define TESTS_ONDERSTEUNING_DIALOOGBEANTWOORDER_H

#include <deque>
#include <functional>
#include <vector>
#include <wx/modalhook.h>
#include <wx/string.h>

class wxDialog;

// Answers every modal dialog (message boxes included) in place of a user,
// in one of two ways:
// - verwacht: the dialog is not shown at all and ShowModal returns the
//   answer at once. Quick, but nothing of the dialog runs: no validator, no
//   TransferDataFromWindow, no OK handler.
// - klikOK: the dialog is shown for real and its OK button pressed once it
//   is up, so that its validators, TransferDataFromWindow and its own OK
//   handler run as for a user's click.
// A test queues its answers before the code asks. A dialog that comes
// without a queued answer fails the test and is cancelled, so no test ever
// waits; an answer still queued when the test ends fails it too.
// Questions that go through DesktopVraag are answered by VraagBeantwoorder
// instead, without any dialog.
class DialoogBeantwoorder : public wxModalDialogHook
{
public:
    using Antwoord = std::function<int(wxDialog&)>;
    // Fills in the controls of a dialog that is up, as a user would.
    using Invuller = std::function<void(wxDialog&)>;

    struct Getoond
    {
        wxString titel;
        wxString melding;
    };

    // Answer the next dialog with this id (wxID_OK, wxID_YES, wxID_NO, ...).
    void verwacht(int antwoordId);
    // Answer the next dialog with a function that may fill it in first.
    void verwacht(Antwoord antwoord);
    // Show the next dialog, let `vulIn` fill it in and press OK (the
    // dialog's affirmative button, as a click would: not while it is
    // disabled). When OK leaves the dialog open (a validator refused, the
    // handler kept it, the button was disabled), the test fails unless
    // `moetSluiten` is false; either way the dialog is then ended with
    // wxID_NONE, which is what its ShowModal returns.
    void klikOK(Invuller vulIn = {}, bool moetSluiten = true);

    size_t geefOpenAntwoorden() const { return m_antwoorden.size(); }
    const std::vector<Getoond>& geefGetoond() const { return m_getoond; }
    void wis();
    // Run at the end of every test: an answer queued and never used fails
    // it; then everything is forgotten for the next test.
    void sluitTestAf();

protected:
    int Enter(wxDialog* dialoog) override;
    void Exit(wxDialog* dialoog) override;

private:
    std::deque<Antwoord> m_antwoorden;
    std::vector<Getoond> m_getoond;
};

DialoogBeantwoorder& dialoogBeantwoorder();

// Shows the test's own dialog for real, fills it in and presses OK (see
// klikOK); what ShowModal returned: wxID_OK, or wxID_NONE when OK left the
// dialog open.
int toonEnKlikOK(wxDialog& dialoog, DialoogBeantwoorder::Invuller vulIn = {}, bool moetSluiten = true);

#endif
