#ifndef TESTS_TOEPASSING_PROGRAMMAPROCES_H
#define TESTS_TOEPASSING_PROGRAMMAPROCES_H

#include <string>
#include <sys/types.h>
#include <vector>

// The built program run as a user runs it: its own process on the test's
// X server, its output kept in files, its windows closed through the
// window manager's close request (as a click on the close box).
class ProgrammaProces
{
public:
    // Starts the program with the arguments in the test's folder.
    explicit ProgrammaProces(const std::vector<std::string>& argumenten);
    // A program still running then is killed.
    ~ProgrammaProces();

    ProgrammaProces(const ProgrammaProces&) = delete;
    ProgrammaProces& operator=(const ProgrammaProces&) = delete;

    // Waits at most the time; true when the program has ended.
    bool wachtOpEinde(int milliseconden);
    // The exit status, or -1 while it runs or when it ended on a signal.
    int geefStatus() const { return status; }
    std::string geefUitvoer() const;
    std::string geefFouten() const;

    // Waits for a window of the program whose title ends in the text.
    bool wachtOpVenster(const std::string& titel, int milliseconden);
    // Asks the program's windows to close the way a close box does, other
    // windows (message boxes) before the one of the title, until the program
    // ends or the time runs out. The number of close requests the window of
    // the title got.
    int sluitTotEinde(const std::string& titel, int milliseconden);

private:
    pid_t proces;
    int status;
    std::string map;
};

#endif
