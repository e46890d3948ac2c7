#ifndef BASE_TRIVANEMSGTYPE_H
#define BASE_TRIVANEMSGTYPE_H

// The kind of a task message. The tasks agree on the other values among
// themselves.
enum TrivaneMsgType : unsigned char
{
    MsgTypeLeeg = 1,
    MsgTypeBroadcast = 3
};

#endif
