#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_FOUTMELDING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_FOUTMELDING_H

// The database layer's own failures, for code that wants to raise one beside
// the wrapper's exceptions; the executors report them by number.
enum FoutMelding : unsigned char
{
    FoutGeenDatabase = 1,
    FoutOngeldigeOpdracht = 2
};

#endif
