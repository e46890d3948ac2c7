#ifndef TOEPASSING_KERN_VOORTGANG_H
#define TOEPASSING_KERN_VOORTGANG_H

class wxString;

// Whoever follows long work on the project for the user (the main window
// shows it): the application object tells it that such work begins and what
// it does, now and then that it goes on, and that it is done (LangWerk).
// While the work runs a statement of it may be running: nothing here may
// use the project's connection.
class Voortgang
{
public:
    virtual ~Voortgang() = default;

    // `wat` as the user may read it.
    virtual void begin(const wxString& wat) = 0;
    virtual void meld() = 0;
    virtual void eind() = 0;
};

#endif
