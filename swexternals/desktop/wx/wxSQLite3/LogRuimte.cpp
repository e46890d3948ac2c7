#include "swexternals/desktop/wx/wxSQLite3/LogRuimte.h"

#include <algorithm>

namespace
{
// SQLite gives the index of a log its first region before any connection
// reads in WAL mode.
const unsigned long long indexRegio = 32768;
// The log begins with a header, and each page in it with a frame header.
const unsigned long long logKop = 32;
const unsigned long long frameKop = 24;
} // namespace

LogRuimte::LogRuimte(unsigned long long paginaGrootte_, unsigned long long bomen_, unsigned long long blok_)
    : paginaGrootte(paginaGrootte_), bomen(bomen_), blok(std::max(blok_, 1ULL))
{
}

// A first change writes a page of each tree it goes into, and the first
// page as well when it adds one to the file (the header counts them): so
// many frames in the log, and at the close, when the checkpoint writes them
// back and the log still lies beside the file, one page more in the file.
// (The switch itself writes the first page through the rollback journal,
// which is gone before the log begins, and needs less.)
unsigned long long LogRuimte::geefNodig() const
{
    const unsigned long long frames = bomen + 1;
    return inBlokken(indexRegio) + inBlokken(logKop + frames * (paginaGrootte + frameKop)) + inBlokken(paginaGrootte);
}

unsigned long long LogRuimte::inBlokken(unsigned long long bytes) const
{
    return (bytes + blok - 1) / blok * blok;
}
