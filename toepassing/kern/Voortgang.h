#ifndef TOEPASSING_KERN_VOORTGANG_H
#define TOEPASSING_KERN_VOORTGANG_H

#include <cstddef>

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
    // As begin, for work that the user may stop: isAfgebroken says when the
    // user asked to, until the work ends.
    virtual void beginAfbreekbaar(const wxString& wat) { begin(wat); }
    virtual bool isAfgebroken() const { return false; }
    // It goes on: a statement runs long, or a step of work that does not
    // know how much there is to do.
    virtual void meld() = 0;
    // `gedaan` of the `totaal` steps of the work are done.
    virtual void meldStap(size_t gedaan, size_t totaal) = 0;
    virtual void eind() = 0;
};

#endif
