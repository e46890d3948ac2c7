#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

VraagBeantwoorder::VraagBeantwoorder() : m_vorige(DesktopVraag::zet(this))
{
}

VraagBeantwoorder::~VraagBeantwoorder()
{
    DesktopVraag::zet(m_vorige);
}

void VraagBeantwoorder::antwoord(int antwoord)
{
    m_antwoorden.push_back(antwoord);
}

void VraagBeantwoorder::kies(const wxString& pad)
{
    m_paden.push_back(pad);
}

bool VraagBeantwoorder::isGevraagd(const wxString& deel) const
{
    for (const wxString& vraag : m_gesteld)
        if (vraag.Contains(deel))
            return true;
    return false;
}

int VraagBeantwoorder::stelVraag(const wxString& bericht, const wxString& titel, long, wxWindow*,
                                 const Knoppen& knoppen)
{
    wxString vraag = titel + "\n" + bericht;
    for (const wxString& label : {knoppen.ja, knoppen.nee, knoppen.annuleer})
        if (!label.empty())
            vraag += "\n[" + label + "]";
    m_gesteld.push_back(vraag);
    if (m_antwoorden.empty())
    {
        ADD_FAILURE() << "unexpected question: " << bericht.utf8_str();
        return wxCANCEL;
    }
    const int antwoord = m_antwoorden.front();
    m_antwoorden.pop_front();
    return antwoord;
}

wxString VraagBeantwoorder::kiesBestand(const wxString& bericht, const wxString&, const wxString&, const wxString&,
                                        long, wxWindow*)
{
    m_gesteld.push_back(bericht);
    if (m_paden.empty())
    {
        ADD_FAILURE() << "unexpected file dialog: " << bericht.utf8_str();
        return wxString();
    }
    const wxString pad = m_paden.front();
    m_paden.pop_front();
    return pad;
}

wxString VraagBeantwoorder::kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder)
{
    return kiesBestand(bericht, standaardMap, wxString(), wxString(), 0, ouder);
}
