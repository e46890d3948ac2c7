#ifndef TESTS_ONDERSTEUNING_KORTEWACHTTIJDEN_H
#define TESTS_ONDERSTEUNING_KORTEWACHTTIJDEN_H

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <chrono>

// Lock waits of a fraction of a second, for the tests in which another
// connection holds a lock on purpose: the database layer gives up as it
// would after its seconds, without the test waiting them out.
class KorteWachtTijden
{
public:
    KorteWachtTijden()
        : m_vorige(SQLite3Basis::zetWachtTijden({std::chrono::milliseconds(50), std::chrono::milliseconds(100)}))
    {
    }
    ~KorteWachtTijden() { SQLite3Basis::zetWachtTijden(m_vorige); }
    KorteWachtTijden(const KorteWachtTijden&) = delete;
    KorteWachtTijden& operator=(const KorteWachtTijden&) = delete;

private:
    SQLite3Basis::WachtTijden m_vorige;
};

#endif
