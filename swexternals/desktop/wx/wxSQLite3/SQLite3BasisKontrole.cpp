// The check of the whole file at its end: what it found is taken over once,
// whoever comes first (a write, the program's idle time, the close).
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

void SQLite3Basis::laatKontroleLos()
{
    if (!kontrole)
        return;
    if (kontrole->isKlaar() && kontrole->geefUitkomst() == BestandsKontrole::Uitkomst::Gaaf)
        static_cast<void>(controleerBestand());
    else
        stopKontrole();
}
