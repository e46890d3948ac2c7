#ifndef TOEPASSING_KERN_VENSTERKOPPELING_H
#define TOEPASSING_KERN_VENSTERKOPPELING_H

class wxFrame;

// What the application object asks of its main window. The window is built a
// layer above the application object, which therefore knows it only through
// this: the program registers a maker (VerelTamsoApp::zetVensterMaker) that
// builds the real window.
class VensterKoppeling
{
public:
    virtual ~VensterKoppeling() = default;

    // The frame itself: shown, registered as the main window, destroyed.
    virtual wxFrame& geefFrame() = 0;
    // Shows the open project (or that none is open).
    virtual void start() = 0;
    // Shows the project as it can be read while its start waits before it
    // brings the file up to date; the start shows it again once it is.
    virtual void toonVoorlopig() {}
    // Before the open project is closed by someone other than the window:
    // 0 when it may be closed; else the user kept it (a cancelled save of a
    // project in memory) or it could not be saved, and it stays open.
    [[nodiscard]] virtual int stop() = 0;
    // Closes the open project as the window's Close command does, with its
    // questions: 0 closed, 1 none was open, else it stays open (the user
    // kept it, or it could not be closed).
    [[nodiscard]] virtual int sluitProjekt() = 0;
    // Ends the program in order: the project closed, the window destroyed.
    // False when the user kept the project (a cancelled save of a project in
    // memory) or it could not be closed: the program then goes on.
    [[nodiscard]] virtual bool gewoneStop() = 0;
};

#endif
