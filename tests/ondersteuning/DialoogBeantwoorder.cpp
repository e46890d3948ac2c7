#include "tests/ondersteuning/DialoogBeantwoorder.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

namespace
{
// What a click on the dialog's OK button does, once the dialog is up.
void drukOK(wxDialog& dialoog, const DialoogBeantwoorder::Invuller& vulIn, bool moetSluiten)
{
    if (vulIn)
        vulIn(dialoog);
    if (!dialoog.IsModal())
        return; // the filling in ended it already, as a double-click may
    // Buttons follow their update-UI handlers, as on the screen.
    dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    const int okId = dialoog.GetAffirmativeId();
    wxWindow* knop = dialoog.FindWindow(okId);
    if (!knop || knop->IsEnabled())
    {
        wxWindow* doel = knop ? knop : &dialoog;
        wxCommandEvent klik(wxEVT_BUTTON, okId);
        klik.SetEventObject(doel);
        doel->HandleWindowEvent(klik);
    }
    if (!dialoog.IsModal())
        return;
    if (moetSluiten)
        ADD_FAILURE() << "OK did not close the dialog \"" << dialoog.GetTitle().utf8_str() << "\""
                      << (knop && !knop->IsEnabled() ? ": the button is disabled" : "");
    dialoog.EndModal(wxID_NONE);
}
} // namespace

DialoogBeantwoorder& dialoogBeantwoorder()
{
    static DialoogBeantwoorder beantwoorder;
    return beantwoorder;
}

int toonEnKlikOK(wxDialog& dialoog, DialoogBeantwoorder::Invuller vulIn, bool moetSluiten)
{
    dialoogBeantwoorder().klikOK(std::move(vulIn), moetSluiten);
    return dialoog.ShowModal();
}

void DialoogBeantwoorder::verwacht(int antwoordId)
{
    m_antwoorden.push_back([antwoordId](wxDialog&) { return antwoordId; });
}

void DialoogBeantwoorder::verwacht(Antwoord antwoord)
{
    m_antwoorden.push_back(std::move(antwoord));
}

void DialoogBeantwoorder::klikOK(Invuller vulIn, bool moetSluiten)
{
    m_antwoorden.push_back(
        [vulIn = std::move(vulIn), moetSluiten](wxDialog& dialoog)
        {
            // Runs inside the dialog's own event loop, once it is shown.
            dialoog.CallAfter([&dialoog, vulIn, moetSluiten] { drukOK(dialoog, vulIn, moetSluiten); });
            return wxID_NONE; // show it
        });
}

void DialoogBeantwoorder::wis()
{
    m_antwoorden.clear();
    m_getoond.clear();
}

void DialoogBeantwoorder::sluitTestAf()
{
    if (!m_antwoorden.empty() && !::testing::Test::HasFatalFailure())
        ADD_FAILURE() << m_antwoorden.size() << " queued dialog answer(s) left unused: no dialog came";
    wis();
}

int DialoogBeantwoorder::Enter(wxDialog* dialoog)
{
    Getoond getoond{dialoog->GetTitle(), wxString()};
    if (auto* melding = dynamic_cast<wxMessageDialogBase*>(dialoog))
        getoond.melding = melding->GetMessage() + "\n" + melding->GetExtendedMessage();
    m_getoond.push_back(getoond);
    if (m_antwoorden.empty())
    {
        ADD_FAILURE() << "unexpected dialog \"" << getoond.titel.utf8_str() << "\": " << getoond.melding.utf8_str();
        return wxID_CANCEL;
    }
    Antwoord antwoord = std::move(m_antwoorden.front());
    m_antwoorden.pop_front();
    return antwoord(*dialoog);
}

void DialoogBeantwoorder::Exit(wxDialog*) {}
