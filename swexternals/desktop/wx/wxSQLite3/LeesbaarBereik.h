#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LEESBAARBEREIK_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_LEESBAARBEREIK_H

// What a scan of a damaged table reached, in the order of its row ids: the
// rows from its start up to the damage, and those from its end back to it.
// Counters only: the scan of a table of millions of rows keeps no list.
struct LeesbaarBereik
{
    enum class Einde
    {
        // Both scans ran to the damage, or the first to the table's end.
        Volledig,
        // The user stopped the scan.
        Afgebroken,
        // A failure other than the damage stopped it (reported).
        Mislukt
    };

    // The scan from the start met no damage: every row is read.
    bool heel = false;
    Einde einde = Einde::Volledig;
    // The rows reached from the start, the last of them; those reached from
    // the end, the last of them (the lowest row id).
    unsigned long long vooraan = 0;
    long long totRijId = 0;
    unsigned long long achteraan = 0;
    long long vanafRijId = 0;
    // Their short columns were copied into a temporary table; not where
    // SQLite's temporary folder had no room for them.
    bool gekopieerd = false;

    unsigned long long geefAantal() const { return vooraan + achteraan; }
};

#endif
