#ifndef TOEPASSING_VENSTER_REKLIJSTINHOUD_H
#define TOEPASSING_VENSTER_REKLIJSTINHOUD_H

#include "toepassing/kern/LijstSelektie.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <functional>
#include <utility>
#include <vector>

// What the requirement list shows: the selection of one refill (the I.D
// numbers in list order and the figures under the list), and the list
// columns of the rows, read a page at a time when the list paints them. Only
// the numbers are kept for every row; a few pages of records are kept for
// the rows around the visible ones.
class RekLijstInhoud
{
public:
    // Reads the rows at positions `vanaf` to `vanaf + aantal` of the
    // selection: 0 read, 1 the selection is stale (the rows still there are
    // given), another value a failure (reported by the reader).
    using PaginaLezer =
        std::function<int(const LijstSelektie& selektie, size_t vanaf, size_t aantal, RequirementLijst& rijen)>;

    static constexpr long paginaGrootte = 64;
    static constexpr size_t bewaardePaginas = 8;

    RekLijstInhoud() = default;
    RekLijstInhoud(LijstSelektie selektie, PaginaLezer lezer);

    long geefAantal() const { return static_cast<long>(selektie.geefAantal()); }
    const LijstSelektie& geefSelektie() const { return selektie; }
    // The number of a row; -1 beyond the rows.
    int geefNummer(long rij) const;
    // -1 when no row has the number.
    long geefRij(int nummer) const;
    // The list columns of the row; null beyond the rows, or when its page
    // could not be read or the row is no longer in the project.
    const Requirement* geefRequirement(long rij);
    // A page met rows that are gone: the list no longer shows the project.
    bool isVerouderd() const { return verouderd; }
    // While set, the rows come from the pages kept, and nothing is read: a
    // search holds the connection while the window paints meanwhile. A row
    // of a page not kept is then empty, and its page is read once this ends.
    void zetAlleenBewaard(bool aan) { alleenBewaard = aan; }

private:
    struct Pagina
    {
        long index;
        std::vector<Requirement> rijen;
        // Per row: read and still in the project.
        std::vector<bool> aanwezig;
    };
    const Pagina* leesPagina(long index);

    LijstSelektie selektie;
    // (number, row), sorted by number: the row of a requirement without a
    // search through the list. Made when first asked: most refills are not.
    mutable std::vector<std::pair<int, long>> rijVanNummer;
    mutable bool rijVanNummerGemaakt = false;
    PaginaLezer lezer;
    // The newest at the back.
    std::vector<Pagina> paginas;
    bool verouderd = false;
    bool alleenBewaard = false;
};

#endif
