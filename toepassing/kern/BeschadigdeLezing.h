#ifndef TOEPASSING_KERN_BESCHADIGDELEZING_H
#define TOEPASSING_KERN_BESCHADIGDELEZING_H

#include "toepassing/kern/LangWerk.h"

#include <optional>

class VerelTamsoApp;

// A read of a damaged project, which may read every row of a large file:
// while it lives, it is work the user can follow and stop (LangWerk), its
// Cancel stopping the statement that runs. Its end says that the read was
// stopped, when it was. In a sound project, or within other work, it does
// nothing of its own.
class BeschadigdeLezing
{
public:
    explicit BeschadigdeLezing(VerelTamsoApp& app);
    ~BeschadigdeLezing();

    BeschadigdeLezing(const BeschadigdeLezing&) = delete;
    BeschadigdeLezing& operator=(const BeschadigdeLezing&) = delete;

    bool isAfgebroken() const { return werk && werk->isAfgebroken(); }

private:
    std::optional<LangWerk> werk;
};

#endif
