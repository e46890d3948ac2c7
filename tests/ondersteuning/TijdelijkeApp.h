#ifndef TESTS_ONDERSTEUNING_TIJDELIJKEAPP_H
#define TESTS_ONDERSTEUNING_TIJDELIJKEAPP_H

#include "swexternals/desktop/DesktopApp.h"

#include <memory>
#include <type_traits>
#include <utility>
#include <wx/app.h>

// An application object of the test's own beside the runner's. wxWidgets
// takes every new application object for the current one and forgets it
// when it goes; the runner's, which runs the event loop and owns its idle
// handling, is put back both times. As at a real start, a desktop
// application gets its settings that need the display once it is made (the
// toolkit is up already).
template <class App> class TijdelijkeApp
{
public:
    template <class... Argumenten>
    explicit TijdelijkeApp(Argumenten&&... argumenten)
        : m_vorige(wxApp::GetInstance()), m_app(std::make_unique<App>(std::forward<Argumenten>(argumenten)...))
    {
        wxApp::SetInstance(m_vorige);
        if constexpr (std::is_base_of_v<DesktopApp, App>)
            m_app->zetSchermInstellingen();
    }
    ~TijdelijkeApp() { beeindig(); }

    TijdelijkeApp(const TijdelijkeApp&) = delete;
    TijdelijkeApp& operator=(const TijdelijkeApp&) = delete;

    App* operator->() const { return m_app.get(); }
    App& operator*() const { return *m_app; }

    // Ends the application now, as the end of the program would: its
    // destructors write the settings.
    void beeindig()
    {
        if (!m_app)
            return;
        m_app.reset();
        wxApp::SetInstance(m_vorige);
    }

private:
    wxAppConsole* m_vorige;
    std::unique_ptr<App> m_app;
};

#endif
