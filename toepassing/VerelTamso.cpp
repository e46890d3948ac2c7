// The program: the application object of the requirements tool with its main
// window. The window lives a layer above the application object, so the
// program tells the application how to make it before the toolkit starts.
#include "swexternals/desktop/AssertMelder.h"
#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <optional>
#include <wx/app.h>

wxIMPLEMENT_APP_NO_MAIN(VerelTamsoApp);

namespace
{
VensterKoppeling* maakHoofdVenster(VerelTamsoApp& app)
{
    return new VerelTamsoVenster(nullptr, &app, VerelTamsoVenster::ID_VERELTAMSOVENSTER, _("Verel Tamso"),
                                 wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxBORDER_THEME);
}
} // namespace

int main(int argc, char** argv)
{
    AssertMelder::installeer();
    if (const std::optional<int> beantwoord = VerelTamsoApp::beantwoordCommandoRegel(argc, argv))
        return *beantwoord;
    VerelTamsoApp::zetVensterMaker(maakHoofdVenster);
    const int status = wxEntry(argc, argv);
    // A start-up that ended on purpose (version, usage, a restart in another
    // language) is no failure, though the toolkit counts it as one.
    return VerelTamsoApp::geefEindStatus().value_or(status);
}
