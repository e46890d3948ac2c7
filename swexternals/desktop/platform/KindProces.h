#ifndef SWEXTERNALS_DESKTOP_PLATFORM_KINDPROCES_H
#define SWEXTERNALS_DESKTOP_PLATFORM_KINDPROCES_H

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Every program this one starts (the desktop's opener for folders, files
// and web addresses, the package installer, dpkg-deb, and the program itself
// after a language change) is started here and nowhere else, so that each
// gets the user's environment and not what this program set for itself: it
// puts LANGUAGE and LC_ALL to its own interface language, and a browser or an
// installer started with those would speak the program's language instead of
// the user's. Nor does a child get this program's signal handling: every
// signal starts at its default and none is blocked (this program ignores
// SIGPIPE, and a child that inherited that would not end when its reader
// goes).
class KindProces
{
public:
    // LANGUAGE and LC_ALL as the user's session gave them to this program,
    // taken before main, before the program put its own in place. Nothing
    // where the user had none.
    struct Omgeving
    {
        std::optional<std::string> language;
        std::optional<std::string> lcAll;
    };

    struct Opties
    {
        // The child's standard output: a descriptor of this process; -1
        // leaves it this process's own.
        int uitvoer = -1;
        // Standard input and error go to /dev/null.
        bool stil = false;
        // A process group of its own, so that it can be ended together with
        // every program it starts in turn (beeindigGroep).
        bool eigenGroep = false;
    };

    KindProces() = delete;

    // Starts `argumenten[0]`, a path as it stands (no shell, no search on
    // the PATH), with the arguments after it. Its process id, 0 when it
    // could not be started; the caller waits for it.
    static pid_t start(const std::vector<std::string>& argumenten, const Opties& opties);
    // The same for a program nobody waits for: it is reaped when it ends.
    // True when it was started.
    static bool startLos(const std::vector<std::string>& argumenten);
    // A child started with `start` that the caller no longer waits for: it
    // is reaped when it ends, so that it does not stay behind as a zombie.
    static void laatOogsten(pid_t kind);
    // Ends a child started with eigenGroep and everything it started, and
    // waits for the child. False when it could not be waited for.
    static bool beeindigGroep(pid_t kind);

    // The environment a started program gets: this process's, with the
    // user's own LANGUAGE and LC_ALL, left out where the user had none.
    static std::vector<std::string> geefOmgeving();

    static Omgeving geefGebruikersOmgeving();
    // Tests put the user's values here; the previous ones are returned.
    static Omgeving zetGebruikersOmgeving(Omgeving omgeving);
};

#endif
