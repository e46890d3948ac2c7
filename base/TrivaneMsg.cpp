#include "base/TrivaneMsg.h"

TrivaneMsg::TrivaneMsg() {}

TrivaneMsg::TrivaneMsg(const TrivaneMsg&) : TrivaneMsgBericht() {}

TrivaneMsg::TrivaneMsg(unsigned long long, unsigned int*, TrivaneMsgType) {}

bool TrivaneMsg::kanWordenVerstuurd() const
{
    return kanWordenGebruikt();
}

int TrivaneMsg::verstuur() const
{
    return kcOk;
}
