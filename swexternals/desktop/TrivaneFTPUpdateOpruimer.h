#ifndef SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEOPRUIMER_H
#define SWEXTERNALS_DESKTOP_TRIVANEFTPUPDATEOPRUIMER_H

#include "swexternals/desktop/DesktopGebruikersMappen.h"

#include <functional>
#include <string>
#include <vector>

// The clean-up of the user's folders (TrivaneFTPUpdateRest) that every
// update check starts, beside the check. A folder on a network share that
// does not answer holds whoever touches it inside the kernel, beyond any
// signal, for as long as the share takes; a program with a thread held so
// cannot end, and its windows stay on the screen, dead. So the folders are
// looked up on a thread of its own, and touched only by a process of its
// own, split off from the program: the window never waits for it, and the
// program ends without it, and without its output or its working folder,
// which that process lets go of as it starts. One at a time: a request while
// one runs is kept (the last one) and carried out after it.
class TrivaneFTPUpdateOpruimer
{
public:
    TrivaneFTPUpdateOpruimer() = delete;

    // Asks for the clean-up of the folders of `mappen`; returns at once.
    static void vraag(const DesktopGebruikersMappen& mappen);

    // Tests hold a clean-up up here, before it looks for the folders, as a
    // folder that answers slowly would. The previous one is returned.
    static std::function<void()> zetRem(std::function<void()> rem);

private:
    struct Verzoek
    {
        DesktopGebruikersMappen mappen;
        std::function<void()> rem;
    };

    static void voerUit(Verzoek verzoek);
    static void ruimOpApart(const std::vector<std::string>& mappen);
};

#endif
