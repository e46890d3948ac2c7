#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEREST_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEREST_H

#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

// What a copy of the update package for the user can leave behind: where a
// disk cannot hold a file without a name while it is written, the copy
// writes it under a hidden name that carries the package's name and version,
// ".VerelTamso_1.4.1_Linux_x86_64.deb.a1B2c3.kopie", locked while it is
// written. A program killed meanwhile leaves it, and ruimOp removes it later.
//
// Only such a name is taken, and under it only the very file that was
// listed and checked: of this user, one link, a regular file no copy holds
// locked. A file the user puts under the name meanwhile is never removed in
// its place: the file looked at must be the one listed, the file opened the
// one looked at, and the file is moved to a name of the clean-up's own
// before it is removed; when what lies under the clean-up's name is not the
// file checked, it goes back under its name, over nothing, and nothing is
// removed.
class TrivaneFTPUpdateRest
{
public:
    // The names of this program's packages, of any version.
    TrivaneFTPUpdateRest();

    // The hidden name of a copy of the package `pakket` for mkostemps: six
    // X's before an ending of sjabloonEindeLengte characters.
    static std::string maakSjabloon(const std::string& pakket);
    static constexpr int sjabloonEindeLengte = 6;

    // Whether `naam` is the hidden name of a copy of one of this program's
    // packages.
    bool isRest(const char* naam) const;

    // Removes the rests from `mappen`. It asks nothing of the toolkit and
    // takes no memory, so that it may run in a process of its own, split
    // off from the program. The number removed.
    int ruimOp(const std::vector<std::string>& mappen) const;

    // The steps of a rest's removal between which tests act.
    enum class Stap
    {
        Gelijst,     // listed, not yet looked at
        Bekeken,     // looked at, not yet opened
        Vergrendeld, // opened, checked and locked, not yet moved away
    };

    // Tests act here, with the step and the rest's name. The previous one is
    // returned.
    static std::function<void(Stap stap, const char* naam)>
    zetHaak(std::function<void(Stap stap, const char* naam)> haak);

private:
    int ruimMapOp(const char* map) const;
    bool verwijder(int map, const char* naam, ino_t gelijst) const;
    bool verwijderGecontroleerd(int map, const char* naam, const struct stat& gecontroleerd) const;

    // ".VerelTamso_" and "_Linux_x86_64.deb.", around the version.
    std::string begin;
    std::string einde;
};

#endif
