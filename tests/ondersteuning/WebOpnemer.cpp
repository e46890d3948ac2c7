#include "tests/ondersteuning/WebOpnemer.h"

#include <utility>

WebOpnemer::WebOpnemer()
{
    m_vorige = Platform::zetWebOpener(
        [this](const wxString& adres)
        {
            m_adressen.push_back(adres);
            return !std::exchange(m_mislukt, false);
        });
}

WebOpnemer::~WebOpnemer()
{
    Platform::zetWebOpener(m_vorige);
}
