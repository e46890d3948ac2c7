#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LOGRUIMTE_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LOGRUIMTE_H

#include <string>

// The room on the disk that a database switched to the write-ahead log
// takes up to its first change committed and written back into the file.
// With less, the switch itself succeeds and that change is refused, where
// the rollback journal, which needs less, would have stored it: the file
// keeps its journal then.
//
// The first change counted writes one row: added, or changed with its
// entries moved in the indexes, a record up to langsteRecord long in place
// of one as long. Nothing bounds what one change may write (many rows at
// once, a picture pasted into a text): a larger first change may still find
// the log short of room where the journal would have stored it.
class LogRuimte
{
public:
    // The longest record of a first change that the room is counted for:
    // a few pages of formatted text, with the values it gives its indexes
    // short enough for their pages (some thousand bytes at 4 KB a page).
    static const unsigned long long langsteRecord = 32768;

    // `paginaGrootte`: the file's page size; `bomen`: the table and indexes
    // that a first change writes into (those of one table); `lagen`: the
    // levels of their pages below their roots, added up; `blok`: the disk's
    // unit of room, which every file takes whole.
    LogRuimte(unsigned long long paginaGrootte, unsigned long long bomen, unsigned long long lagen,
              unsigned long long blok);

    unsigned long long geefNodig() const;

    // A query that gives for each table of the file its `bomen` and their
    // `lagen`; `paginas`: the file's pages.
    static std::string geefBomenPerTabel(long long paginas);

private:
    unsigned long long paginaGrootte;
    unsigned long long bomen;
    unsigned long long lagen;
    unsigned long long blok;

    unsigned long long geefFrames() const;
    unsigned long long geefNieuwePaginas() const;
    unsigned long long geefOverloopPaginas() const;
    unsigned long long inBlokken(unsigned long long bytes) const;
};

#endif
