#include "toepassing/venster/RekLijstInhoud.h"

#include <algorithm>
#include <unordered_map>

RekLijstInhoud::RekLijstInhoud(LijstSelektie selektie_, PaginaLezer lezer_)
    : selektie(std::move(selektie_)), lezer(std::move(lezer_))
{
}

int RekLijstInhoud::geefNummer(long rij) const
{
    if (rij < 0 || rij >= geefAantal())
        return -1;
    return selektie.nummers[static_cast<size_t>(rij)];
}

long RekLijstInhoud::geefRij(int nummer) const
{
    if (!rijVanNummerGemaakt)
    {
        rijVanNummer.reserve(selektie.nummers.size());
        for (size_t rij = 0; rij < selektie.nummers.size(); ++rij)
            rijVanNummer.emplace_back(selektie.nummers[rij], static_cast<long>(rij));
        std::sort(rijVanNummer.begin(), rijVanNummer.end());
        rijVanNummerGemaakt = true;
    }
    const auto gevonden = std::lower_bound(rijVanNummer.begin(), rijVanNummer.end(), std::make_pair(nummer, 0L));
    return gevonden != rijVanNummer.end() && gevonden->first == nummer ? gevonden->second : -1;
}

const Requirement* RekLijstInhoud::geefRequirement(long rij)
{
    if (rij < 0 || rij >= geefAantal())
        return nullptr;
    const Pagina* pagina = leesPagina(rij / paginaGrootte);
    if (!pagina)
        return nullptr;
    const size_t plaats = static_cast<size_t>(rij % paginaGrootte);
    return pagina->aanwezig[plaats] ? &pagina->rijen[plaats] : nullptr;
}

const RekLijstInhoud::Pagina* RekLijstInhoud::leesPagina(long index)
{
    const auto gevonden =
        std::find_if(paginas.begin(), paginas.end(), [index](const Pagina& p) { return p.index == index; });
    if (gevonden != paginas.end())
        return &*gevonden;
    if (!lezer || alleenBewaard)
        return nullptr;
    const size_t vanaf = static_cast<size_t>(index * paginaGrootte);
    const size_t aantal = std::min(selektie.geefAantal() - vanaf, static_cast<size_t>(paginaGrootte));
    RequirementLijst gelezen;
    const int resultaat = lezer(selektie, vanaf, aantal, gelezen);
    if (resultaat == 1)
        verouderd = true;
    // Placed by number, the rows of one number in the order given (a file
    // of another tool may give two rows one number): a row that is gone, or
    // a page that failed (reported once by the reader and kept empty), shows
    // empty cells.
    std::unordered_map<int, std::vector<size_t>> opNummer;
    for (size_t i = gelezen.size(); i-- > 0;)
        opNummer[gelezen[i].SR].push_back(i);
    Pagina pagina{index, std::vector<Requirement>(aantal), std::vector<bool>(aantal, false)};
    for (size_t i = 0; i < aantal && (resultaat == 0 || resultaat == 1); ++i)
    {
        const auto rek = opNummer.find(selektie.nummers[vanaf + i]);
        if (rek == opNummer.end() || rek->second.empty())
            continue;
        pagina.rijen[i] = std::move(gelezen[rek->second.back()]);
        rek->second.pop_back();
        pagina.aanwezig[i] = true;
    }
    if (paginas.size() >= bewaardePaginas)
        paginas.erase(paginas.begin());
    paginas.push_back(std::move(pagina));
    return &paginas.back();
}
