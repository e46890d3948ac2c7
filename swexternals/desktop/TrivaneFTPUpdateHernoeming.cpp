#include "swexternals/desktop/TrivaneFTPUpdateHernoeming.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace
{
std::function<void(const char*)> tweeStappenHaak;

// In one step, where the disk can refuse to replace.
bool hernoemInEenStap(int vanMap, const char* van, int naarMap, const char* naar)
{
    if (tweeStappenHaak)
    {
        errno = EINVAL;
        return false;
    }
    return renameat2(vanMap, van, naarMap, naar, RENAME_NOREPLACE) == 0;
}
} // namespace

bool TrivaneFTPUpdateHernoeming::hernoemZonderVervangen(int vanMap, const char* van, int naarMap, const char* naar)
{
    if (hernoemInEenStap(vanMap, van, naarMap, naar))
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (tweeStappenHaak)
        tweeStappenHaak(naar);
    if (linkat(vanMap, van, naarMap, naar, 0) != 0)
        return false;
    // The file has its new name: an old one that stays is a second link to
    // it, not a loss.
    static_cast<void>(unlinkat(vanMap, van, 0));
    return true;
}

std::function<void(const char*)> TrivaneFTPUpdateHernoeming::zetTweeStappenHaak(std::function<void(const char*)> haak)
{
    return std::exchange(tweeStappenHaak, std::move(haak));
}
