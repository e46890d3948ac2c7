#ifndef TESTS_ONDERSTEUNING_VOLLESCHIJFVFS_H
#define TESTS_ONDERSTEUNING_VOLLESCHIJFVFS_H

#include <functional>

// A disk that fills up in the middle of a write, as SQLite's own tests make
// one: a VFS that wraps the default one, registered as the default for the
// connections opened while it lives. Once it is limited, a write that would
// pass the limit of bytes written since fails with SQLITE_FULL, as a full
// disk's would. As on a real disk, a write within a file's present size
// takes no room, and what a file gives up (truncated or deleted) is room
// again. Unlimited it only passes everything on. It can be slow to sync as
// well. One at a time.
class VolleSchijfVFS
{
public:
    VolleSchijfVFS();
    ~VolleSchijfVFS();

    VolleSchijfVFS(const VolleSchijfVFS&) = delete;
    VolleSchijfVFS& operator=(const VolleSchijfVFS&) = delete;

    // From now on the files grow by at most this many bytes; then the disk
    // is full.
    void beperk(long long bytes);
    void hefOp();
    // A write failed for want of room since the last limit.
    bool isVolGeweest() const;
    // What runs before every sync of a file, on the thread that asks for
    // it: a disk slow to sync keeps a commit waiting. Empty: nothing.
    void zetVoorSync(std::function<void()> wacht);
    // The same before every read: a disk slow to read keeps the check of a
    // whole file, on a thread of its own, from its end. Set before the files
    // are opened.
    void zetVoorLezen(std::function<void()> wacht);
};

#endif
