#include "tests/ondersteuning/DialoogBeantwoorder.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

DialoogBeantwoorder& dialoogBeantwoorder()
{
    static DialoogBeantwoorder beantwoorder;
    return beantwoorder;
}

void DialoogBeantwoorder::verwacht(int antwoordId)
{
    m_antwoorden.push_back([antwoordId](wxDialog&) { return antwoordId; });
}

void DialoogBeantwoorder::verwacht(Antwoord antwoord)
{
    m_antwoorden.push_back(std::move(antwoord));
}

void DialoogBeantwoorder::wis()
{
    m_antwoorden.clear();
    m_getoond.clear();
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

void DialoogBeantwoorder::Exit(wxDialog*)
{
}
