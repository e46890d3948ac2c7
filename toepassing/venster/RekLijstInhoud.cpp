#include "toepassing/venster/RekLijstInhoud.h"

#include <algorithm>

RekLijstInhoud::RekLijstInhoud(std::vector<int> nummers_, PaginaLezer lezer_)
    : nummers(std::move(nummers_)), lezer(std::move(lezer_))
{
    rijVanNummer.reserve(nummers.size());
    for (size_t rij = 0; rij < nummers.size(); ++rij)
        rijVanNummer.emplace(nummers[rij], static_cast<long>(rij));
}

int RekLijstInhoud::geefNummer(long rij) const
{
    if (rij < 0 || rij >= geefAantal())
        return -1;
    return nummers[static_cast<size_t>(rij)];
}

long RekLijstInhoud::geefRij(int nummer) const
{
    const auto gevonden = rijVanNummer.find(nummer);
    return gevonden == rijVanNummer.end() ? -1 : gevonden->second;
}

const Requirement* RekLijstInhoud::geefRequirement(long rij)
{
    if (rij < 0 || rij >= geefAantal())
        return nullptr;
    const Pagina* pagina = leesPagina(rij / paginaGrootte);
    if (!pagina)
        return nullptr;
    const size_t plaats = static_cast<size_t>(rij % paginaGrootte);
    if (plaats >= pagina->rijen.size())
        return nullptr;
    const Requirement& rek = pagina->rijen[plaats];
    // A row deleted since the fill would shift the rest of the page.
    return rek.SR == nummers[static_cast<size_t>(rij)] ? &rek : nullptr;
}

const RekLijstInhoud::Pagina* RekLijstInhoud::leesPagina(long index)
{
    const auto gevonden =
        std::find_if(paginas.begin(), paginas.end(), [index](const Pagina& p) { return p.index == index; });
    if (gevonden != paginas.end())
        return &*gevonden;
    if (!lezer)
        return nullptr;
    const size_t begin = static_cast<size_t>(index * paginaGrootte);
    const size_t eind = std::min(nummers.size(), begin + static_cast<size_t>(paginaGrootte));
    const std::vector<int> gevraagd(nummers.begin() + static_cast<std::ptrdiff_t>(begin),
                                    nummers.begin() + static_cast<std::ptrdiff_t>(eind));
    const RequirementLijst gelezen = lezer(gevraagd);
    // Placed by number: a number that is gone leaves an empty record whose
    // number tells the row it is not its own.
    std::unordered_map<int, const Requirement*> opNummer;
    for (size_t i = 0; i < gelezen.size(); ++i)
        opNummer.emplace(gelezen[i].SR, &gelezen[i]);
    Pagina pagina{index, {}};
    pagina.rijen.reserve(gevraagd.size());
    for (int nummer : gevraagd)
    {
        const auto rek = opNummer.find(nummer);
        if (rek != opNummer.end())
            pagina.rijen.push_back(*rek->second);
        else
        {
            pagina.rijen.emplace_back();
            pagina.rijen.back().SR = -1;
        }
    }
    if (paginas.size() >= bewaardePaginas)
        paginas.erase(paginas.begin());
    paginas.push_back(std::move(pagina));
    return &paginas.back();
}
