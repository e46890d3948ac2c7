#ifndef TOEPASSING_VENSTER_REKLIJSTINHOUD_H
#define TOEPASSING_VENSTER_REKLIJSTINHOUD_H

#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <functional>
#include <unordered_map>
#include <vector>

// What the requirement list shows: the I.D numbers of the rows in list
// order, and the list columns of the rows, read a page at a time when the
// list paints them. Only the numbers are kept for every row; a few pages of
// records are kept for the rows around the visible ones.
class RekLijstInhoud
{
public:
    // Reads the list columns of the given numbers, in their order. A number
    // that no longer exists is missing from the result.
    using PaginaLezer = std::function<RequirementLijst(const std::vector<int>& nummers)>;

    static constexpr long paginaGrootte = 64;
    static constexpr size_t bewaardePaginas = 8;

    RekLijstInhoud() = default;
    RekLijstInhoud(std::vector<int> nummers, PaginaLezer lezer);

    long geefAantal() const { return static_cast<long>(nummers.size()); }
    // The number of a row; -1 beyond the rows.
    int geefNummer(long rij) const;
    // -1 when no row has the number.
    long geefRij(int nummer) const;
    // The list columns of the row; null beyond the rows or when its page
    // could not be read.
    const Requirement* geefRequirement(long rij);

private:
    struct Pagina
    {
        long index;
        std::vector<Requirement> rijen;
    };
    const Pagina* leesPagina(long index);

    std::vector<int> nummers;
    std::unordered_map<int, long> rijVanNummer;
    PaginaLezer lezer;
    // The newest at the back.
    std::vector<Pagina> paginas;
};

#endif
