#ifndef TESTS_ONDERSTEUNING_WEBOPNEMER_H
#define TESTS_ONDERSTEUNING_WEBOPNEMER_H

#include "swexternals/desktop/platform/Platform.h"

#include <vector>

// Records the web and mail addresses the program opens instead of starting
// a browser. Only what Platform::openWebAdres lets through arrives here; a
// refused address leaves an error in the log instead. Put in place for its
// own lifetime.
class WebOpnemer
{
public:
    WebOpnemer();
    ~WebOpnemer();

    WebOpnemer(const WebOpnemer&) = delete;
    WebOpnemer& operator=(const WebOpnemer&) = delete;

    const std::vector<wxString>& geefAdressen() const { return m_adressen; }
    // The next address fails to open, as when no browser is installed.
    void laatMislukken() { m_mislukt = true; }

private:
    Platform::WebOpener m_vorige;
    std::vector<wxString> m_adressen;
    bool m_mislukt = false;
};

#endif
