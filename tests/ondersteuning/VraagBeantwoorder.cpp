#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <gtest/gtest.h>
#include <wx/defs.h>

namespace
{
const char* naamVan(VraagBeantwoorder::Soort soort)
{
    switch (soort)
    {
    case VraagBeantwoorder::Soort::Vraag:
        return "question";
    case VraagBeantwoorder::Soort::Bestand:
        return "file dialog";
    case VraagBeantwoorder::Soort::Map:
        return "folder dialog";
    case VraagBeantwoorder::Soort::Tekst:
        return "text";
    case VraagBeantwoorder::Soort::Getal:
        return "number";
    case VraagBeantwoorder::Soort::Kleur:
        return "colour";
    case VraagBeantwoorder::Soort::Font:
        return "font";
    case VraagBeantwoorder::Soort::Symbool:
        return "symbol";
    case VraagBeantwoorder::Soort::Keuze:
        return "choice";
    }
    return "?";
}

VraagBeantwoorder::Gevraagd maakVraag(VraagBeantwoorder::Soort soort, const wxString& titel, const wxString& bericht,
                                      wxWindow* ouder)
{
    VraagBeantwoorder::Gevraagd vraag;
    vraag.soort = soort;
    vraag.titel = titel;
    vraag.bericht = bericht;
    vraag.ouder = ouder;
    return vraag;
}
} // namespace

VraagBeantwoorder::VraagBeantwoorder() : m_vorige(DesktopVraag::zet(this)) {}

VraagBeantwoorder::~VraagBeantwoorder()
{
    DesktopVraag::zet(m_vorige);
    // A test that stopped half-way has said what went wrong already.
    if (::testing::Test::HasFatalFailure())
        return;
    const struct
    {
        size_t aantal;
        Soort soort;
    } over[] = {{m_antwoorden.size(), Soort::Vraag}, {m_paden.size(), Soort::Bestand}, {m_teksten.size(), Soort::Tekst},
                {m_getallen.size(), Soort::Getal},   {m_kleuren.size(), Soort::Kleur}, {m_fonts.size(), Soort::Font},
                {m_symbolen.size(), Soort::Symbool}, {m_keuzes.size(), Soort::Keuze}};
    for (const auto& rij : over)
        if (rij.aantal > 0)
            ADD_FAILURE() << rij.aantal << " queued answer(s) to a " << naamVan(rij.soort)
                          << " left unused: the code did not ask what the test expected";
}

void VraagBeantwoorder::antwoord(int antwoord)
{
    m_antwoorden.push_back(antwoord);
}

void VraagBeantwoorder::kies(const wxString& pad, int filter)
{
    m_paden.push_back(GekozenBestand{pad, filter});
}

void VraagBeantwoorder::antwoordTekst(std::optional<wxString> tekst)
{
    m_teksten.push_back(std::move(tekst));
}

void VraagBeantwoorder::antwoordGetal(std::optional<long> getal)
{
    m_getallen.push_back(getal);
}

void VraagBeantwoorder::antwoordKleur(std::optional<wxColour> kleur)
{
    m_kleuren.push_back(std::move(kleur));
}

void VraagBeantwoorder::antwoordFont(std::optional<wxFont> font)
{
    m_fonts.push_back(std::move(font));
}

void VraagBeantwoorder::antwoordSymbool(std::optional<Symbool> symbool)
{
    m_symbolen.push_back(std::move(symbool));
}

void VraagBeantwoorder::antwoordKeuze(std::optional<int> index)
{
    m_keuzes.push_back(index);
}

bool VraagBeantwoorder::isGevraagd(const wxString& deel) const
{
    for (const wxString& vraag : m_gesteld)
        if (vraag.Contains(deel))
            return true;
    return false;
}

size_t VraagBeantwoorder::geefOnbeantwoord() const
{
    return m_antwoorden.size() + m_paden.size() + m_teksten.size() + m_getallen.size() + m_kleuren.size() +
           m_fonts.size() + m_symbolen.size() + m_keuzes.size();
}

void VraagBeantwoorder::noteer(const Gevraagd& vraag, const wxString& tekst)
{
    m_vragen.push_back(vraag);
    m_gesteld.push_back(tekst);
}

template <class Waarde>
std::optional<Waarde> VraagBeantwoorder::neem(std::deque<std::optional<Waarde>>& rij, const Gevraagd& vraag)
{
    noteer(vraag, vraag.bericht);
    if (rij.empty())
    {
        ADD_FAILURE() << "unexpected " << naamVan(vraag.soort) << " asked: " << vraag.bericht.utf8_str();
        return std::nullopt;
    }
    std::optional<Waarde> antwoord = std::move(rij.front());
    rij.pop_front();
    return antwoord;
}

int VraagBeantwoorder::stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                                 const Knoppen& knoppen)
{
    wxString vraag = titel + "\n" + bericht;
    for (const wxString& label : {knoppen.ja, knoppen.nee, knoppen.annuleer})
        if (!label.empty())
            vraag += "\n[" + label + "]";
    Gevraagd gevraagd = maakVraag(Soort::Vraag, titel, bericht, ouder);
    gevraagd.stijl = stijl;
    noteer(gevraagd, vraag);
    if (m_antwoorden.empty())
    {
        ADD_FAILURE() << "unexpected question: " << bericht.utf8_str();
        return wxCANCEL;
    }
    const int antwoord = m_antwoorden.front();
    m_antwoorden.pop_front();
    return antwoord;
}

DesktopVraag::GekozenBestand VraagBeantwoorder::kiesBestandEnFilter(const wxString& bericht,
                                                                    const wxString& standaardMap,
                                                                    const wxString& standaardNaam,
                                                                    const wxString& wildcard, long stijl,
                                                                    wxWindow* ouder)
{
    Gevraagd gevraagd = maakVraag(Soort::Bestand, wxString(), bericht, ouder);
    gevraagd.stijl = stijl;
    gevraagd.voorstel = standaardMap;
    gevraagd.naam = standaardNaam;
    gevraagd.wildcard = wildcard;
    noteer(gevraagd, bericht);
    if (m_paden.empty())
    {
        ADD_FAILURE() << "unexpected file dialog: " << bericht.utf8_str();
        return GekozenBestand();
    }
    const GekozenBestand gekozen = m_paden.front();
    m_paden.pop_front();
    return gekozen;
}

wxString VraagBeantwoorder::kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder)
{
    const wxString pad = kiesBestand(bericht, standaardMap, wxString(), wxString(), 0, ouder);
    m_vragen.back().soort = Soort::Map;
    return pad;
}

std::optional<wxString> VraagBeantwoorder::vraagTekst(const wxString& bericht, const wxString& titel,
                                                      const wxString& voorstel, wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Tekst, titel, bericht, ouder);
    vraag.voorstel = voorstel;
    return neem(m_teksten, vraag);
}

std::optional<long> VraagBeantwoorder::vraagGetal(const wxString& bericht, const wxString& prompt,
                                                  const wxString& titel, long voorstel, long min, long max,
                                                  wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Getal, titel, bericht, ouder);
    vraag.voorstel = prompt;
    vraag.getal = voorstel;
    vraag.min = min;
    vraag.max = max;
    const std::optional<long> getal = neem(m_getallen, vraag);
    // The real dialog takes nothing outside the limits.
    EXPECT_TRUE(!getal || (*getal >= min && *getal <= max))
        << "the test answered " << *getal << ", outside " << min << ".." << max;
    return getal;
}

std::optional<wxColour> VraagBeantwoorder::kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Kleur, titel, titel, ouder);
    vraag.kleur = begin;
    return neem(m_kleuren, vraag);
}

std::optional<wxFont> VraagBeantwoorder::kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Font, titel, titel, ouder);
    vraag.font = begin;
    return neem(m_fonts, vraag);
}

std::optional<DesktopVraag::Symbool> VraagBeantwoorder::kiesSymbool(const wxString& symbool, const wxString& fontNaam,
                                                                    const wxString& normaleFont, const wxString& titel,
                                                                    wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Symbool, titel, titel, ouder);
    vraag.voorstel = symbool;
    vraag.fontNaam = fontNaam;
    vraag.normaleFont = normaleFont;
    return neem(m_symbolen, vraag);
}

std::optional<int> VraagBeantwoorder::kiesUitLijst(const wxString& bericht, const wxString& titel,
                                                   const wxArrayString& keuzes, int begin, wxWindow* ouder)
{
    Gevraagd vraag = maakVraag(Soort::Keuze, titel, bericht, ouder);
    vraag.getal = begin;
    vraag.keuzes = keuzes;
    const std::optional<int> index = neem(m_keuzes, vraag);
    EXPECT_TRUE(!index || (*index >= 0 && static_cast<size_t>(*index) < keuzes.size()))
        << "the test chose " << *index << " of " << keuzes.size() << " choices";
    return index;
}

void VraagBeantwoorder::toonAboutBox(const wxAboutDialogInfo& info, wxWindow*)
{
    m_aboutBoxen.push_back(info);
}
