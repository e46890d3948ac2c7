#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEHERNOEMING_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEHERNOEMING_H

#include <functional>

// A new name for a file that never takes the place of another file: the
// copy for the user gives its package a name with it, and the clean-up of
// what copies left moves a file with it and puts one back. Where the disk
// cannot refuse a replacement in the rename itself (sshfs, NFS and bindfs
// answer EINVAL), the new name is made as a second link, which the kernel
// refuses when the name is taken, and the old one removed after it: a check
// whether the name is free, followed by a rename, would replace a file that
// took the name in between.
class TrivaneFTPUpdateHernoeming
{
public:
    TrivaneFTPUpdateHernoeming() = delete;

    // Renames `van` in the folder `vanMap` to `naar` in `naarMap` (open
    // folders, or AT_FDCWD for paths), unless `naar` is taken: then EEXIST.
    // It asks nothing of the toolkit and takes no memory, so that the
    // clean-up's process split off from the program may use it. False with
    // errno set when nothing was renamed.
    static bool hernoemZonderVervangen(int vanMap, const char* van, int naarMap, const char* naar);

    // Tests rename as on a disk that cannot refuse a replacement in the
    // rename: while `haak` is set, that rename is taken as refused, and
    // `haak` runs with the new name just before it is made. The previous one
    // is returned.
    static std::function<void(const char* naar)> zetTweeStappenHaak(std::function<void(const char* naar)> haak);
};

#endif
