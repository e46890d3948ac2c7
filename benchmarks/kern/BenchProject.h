#ifndef BENCHMARKS_KERN_BENCHPROJECT_H
#define BENCHMARKS_KERN_BENCHPROJECT_H

#include "toepassing/kern/VerelTamsoApp.h"

#include <memory>
#include <wx/string.h>

// The application object of the measurements and the seeded projects it
// works on: one file per size and rich-text length, made once per run (or
// taken from the folder of an earlier run) and opened when a measurement
// asks for another one than the open one.
class BenchProject
{
public:
    // The application object of the run; made on first use.
    static VerelTamsoApp& app();
    // Ends the application object before wxWidgets goes.
    static void beeindig();

    // Opens the project of `aantal` requirements with about `richTekst`
    // bytes of rich text each, numbered 1 to `aantal`, as the main window
    // starts it. False when it cannot be made.
    static bool open(long aantal, long richTekst = 2048);
    // Closes the open project; the next open() opens it anew.
    static void sluit();
    static wxString pad(long aantal, long richTekst);
    // Rich text of about `lengte` bytes in the stored form of the editor;
    // the word "needle" appears in one requirement of every hundred.
    static wxString richTekst(long nummer, long lengte);
    // The map the projects live in; set by the program's main.
    static wxString map;

private:
    static bool zaai(const wxString& bestand, long aantal, long richTekst);
};

#endif
