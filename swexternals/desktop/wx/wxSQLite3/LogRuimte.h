#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LOGRUIMTE_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LOGRUIMTE_H

// The room on the disk that a database switched to the write-ahead log
// takes up to its first change committed and written back into the file.
// With less, the switch itself succeeds and that change is refused, where
// the rollback journal, which needs less, would have stored it: the file
// keeps its journal then.
class LogRuimte
{
public:
    // `paginaGrootte`: the file's page size; `bomen`: the tables and indexes
    // that a first change writes into (those of one table); `blok`: the
    // disk's unit of room, which every file takes whole.
    LogRuimte(unsigned long long paginaGrootte, unsigned long long bomen, unsigned long long blok);

    unsigned long long geefNodig() const;

private:
    unsigned long long paginaGrootte;
    unsigned long long bomen;
    unsigned long long blok;

    unsigned long long inBlokken(unsigned long long bytes) const;
};

#endif
