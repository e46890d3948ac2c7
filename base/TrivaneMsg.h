#ifndef BASE_TRIVANEMSG_H
#define BASE_TRIVANEMSG_H

#include "base/TrivaneMsgBericht.h"

// The message that a task sends through the OS. The desktop has no other
// tasks: every constructor builds the empty message and nothing is sent.
class TrivaneMsg : public TrivaneMsgBericht
{
public:
    TrivaneMsg();
    TrivaneMsg(const TrivaneMsg& ander);
    TrivaneMsg(unsigned long long aantal, unsigned int* woorden, TrivaneMsgType type);
    TrivaneMsg& operator=(const TrivaneMsg& bron) = default;

    bool kanWordenVerstuurd() const;
    // 0: done; there is nobody to send it to.
    [[nodiscard]] int verstuur() const;
};

#endif
