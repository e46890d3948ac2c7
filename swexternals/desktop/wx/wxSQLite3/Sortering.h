#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SORTERING_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SORTERING_H

// The sort direction of a query and of the list that shows it.
enum Sortering : unsigned int
{
    SorteringGeen = 0,
    SorteringOplopend = 1,
    SorteringAflopend = 2
};

#endif
