#include "swexternals/desktop/wx/wxSQLite3/LogRuimte.h"

#include <algorithm>
#include <cmath>
#include <sqlite3.h>

namespace
{
// SQLite gives the index of a log its first region before any connection
// reads in WAL mode.
const unsigned long long indexRegio = 32768;
// The log begins with a header, and each page in it with a frame header.
const unsigned long long logKop = 32;
const unsigned long long frameKop = 24;
// Page 1, whose header counts the pages and the free ones, and the page of
// the free list that a page freed or taken again is written into.
const unsigned long long vastePaginas = 2;
} // namespace

LogRuimte::LogRuimte(unsigned long long paginaGrootte_, unsigned long long bomen_, unsigned long long lagen_,
                     unsigned long long blok_)
    : paginaGrootte(paginaGrootte_), bomen(bomen_), lagen(lagen_), blok(std::max(blok_, 1ULL))
{
}

// The first change goes into the log page by page, and at the close, when
// the checkpoint writes them back and the log still lies beside the file,
// the pages it added make the file longer. (The switch itself writes the
// first page through the rollback journal, which is gone before the log
// begins, and needs less.)
unsigned long long LogRuimte::geefNodig() const
{
    return inBlokken(indexRegio) + inBlokken(logKop + geefFrames() * (paginaGrootte + frameKop)) +
           inBlokken(geefNieuwePaginas() * paginaGrootte);
}

// What SQLite writes into a tree for a row, as it balances the tree:
// - a page that overflows is spread with up to two beside it over up to
//   five, and their parent takes an entry more, so it may overflow in turn;
// - an entry taken out elsewhere (a title moved in its index) leaves a page
//   that may be merged with up to two beside it, its parent losing one;
// - the root, when it overflows, moves into a new page below it, which is
//   spread over up to three.
// So eight pages at each level below the root, and four at the root. A
// record that overflows its page writes its overflow pages, and the ones
// of the record it replaces once more: SQLite, as distributions build it,
// overwrites the pages it frees.
unsigned long long LogRuimte::geefFrames() const
{
    return 4 * bomen + 8 * lagen + vastePaginas + 2 * geefOverloopPaginas();
}

// Pages that the file had not: three at the root, two at each level below.
unsigned long long LogRuimte::geefNieuwePaginas() const
{
    return 3 * bomen + 2 * lagen + geefOverloopPaginas();
}

// SQLite keeps at least its minimum of a record on the page and chains the
// rest over pages that each give four bytes to the link.
unsigned long long LogRuimte::geefOverloopPaginas() const
{
    const unsigned long long minimum = (paginaGrootte - 12) * 32 / 255 - 23;
    const unsigned long long perPagina = paginaGrootte - 4;
    return langsteRecord > minimum ? (langsteRecord - minimum + perPagina - 1) / perPagina : 0;
}

unsigned long long LogRuimte::inBlokken(unsigned long long bytes) const
{
    return (bytes + blok - 1) / blok * blok;
}

// SQLite's dbstat tells a tree's levels by the path of its first leaf,
// which it reaches without reading the rest. Where SQLite was built
// without it, the file's pages tell how many levels there can be: each
// page above the leaves has two below it at least.
std::string LogRuimte::geefBomenPerTabel(long long paginas)
{
    const std::string lagen =
        sqlite3_compileoption_used("ENABLE_DBSTAT_VTAB")
            ? "(select (length(path)-1)/4 from dbstat where name==m.name and pagetype=='leaf' limit 1)"
            : std::to_string(static_cast<long long>(std::log2(static_cast<double>(std::max(paginas, 1LL)))));
    return "select count(*) as bomen,sum(" + lagen +
           ") as lagen from main.sqlite_master m where rootpage>0 group by tbl_name";
}
