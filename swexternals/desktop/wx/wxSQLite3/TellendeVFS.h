#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TELLENDEVFS_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_TELLENDEVFS_H

#include <cstddef>
#include <memory>
#include <string>

// A file system of SQLite's under a name of its own, for the connections
// that open a file with it (the URI parameter "vfs"): it passes everything
// on to the one that was the default when it was made, and counts the bytes
// its files read, on whichever thread reads them. SQLite reads most of a
// file in a single step of its machine, during which it tells nothing else.
// Registered while it lives: the connections that use it close first.
class TellendeVFS
{
public:
    TellendeVFS();
    ~TellendeVFS();

    TellendeVFS(const TellendeVFS&) = delete;
    TellendeVFS& operator=(const TellendeVFS&) = delete;

    // Empty when it could not be registered: then nothing is counted.
    const std::string& geefNaam() const;
    size_t geefGelezen() const;

    // What SQLite's calls reach: the file system below and the count.
    struct Telling;

private:
    std::unique_ptr<Telling> telling;
};

#endif
