#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVersieNummer.h"
#include "swexternals/desktop/TaalKeuzeDialoog.h"
#include "toepassing/kern/VensterKoppeling.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/cmdline.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgout.h>
#include <wx/richtext/richtexthtml.h>
#include <wx/richtext/richtextxml.h>
#include <wx/splash.h>
#include <wx/translation.h>

namespace
{
const wxSize minGrootte(800, 600);
const unsigned short plonsTijdMs = 2000;
const char* const plonsBeeld = "afbeeldingen/plons.png";

VerelTamsoApp::VensterMaker& vensterMaker()
{
    static VerelTamsoApp::VensterMaker maker;
    return maker;
}

std::optional<int>& eindStatus()
{
    static std::optional<int> status;
    return status;
}

// The usage and the version go to standard error as they stand: a GUI port
// would otherwise pick a message box (which nobody reads from a terminal),
// and a log target would put a time stamp before every line.
void toonGebruik(const wxCmdLineParser& parser)
{
    wxMessageOutputStderr().Output(parser.GetUsageString());
}

void toonVersie()
{
    wxMessageOutputStderr uit;
    uit.Output(DesktopApp::geefRechtenNotitie());
    uit.Output(_("Release date and version:") + DesktopAppBasis::sp + DesktopAppBasis::geefVersie(true));
}

void beschrijfCommandoRegel(wxCmdLineParser& parser)
{
    parser.AddSwitch("v", "version", _("Show the application copyright and version."));
    parser.AddSwitch("h", "help", _("Show all command line options."));
    parser.AddParam(_("Verel Tamso file (*.vtd)"), wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

// Says nothing: the first reading of the command line, before anything of
// the toolkit is set up, only decides whether it is to be answered.
class StilleUitvoer : public wxMessageOutput
{
public:
    StilleUitvoer() : vorige(wxMessageOutput::Set(this)) {}
    ~StilleUitvoer() override { wxMessageOutput::Set(vorige); }
    StilleUitvoer(const StilleUitvoer&) = delete;
    StilleUitvoer& operator=(const StilleUitvoer&) = delete;

    void Output(const wxString&) override {}

private:
    wxMessageOutput* vorige;
};

int leesCommandoRegel(wxCmdLineParser& parser)
{
    beschrijfCommandoRegel(parser);
    // A command line that cannot be read is answered with the usage, not
    // with the parser's own message.
    wxLogNull stil;
    return parser.Parse(false);
}

// What the command line asks to be answered rather than started: the usage
// (asked for, or after a command line that cannot be read) and the version.
// The exit status then; nothing when the program is to start.
std::optional<int> beantwoordSchakelaars(const wxCmdLineParser& parser, int parseResultaat)
{
    if (parseResultaat != 0)
    {
        toonGebruik(parser);
        return 1;
    }
    const bool hulp = parser.Found("h");
    const bool versie = parser.Found("v");
    if (hulp)
        toonGebruik(parser);
    if (versie)
        toonVersie();
    // Asked for the usage or the version, the user is answered; ending then
    // is no failure.
    if (hulp || versie)
        return 0;
    return std::nullopt;
}

// The long version without its release date: "1.4.0.a".
wxString geefKorteVersieMetLetter()
{
    return DesktopVersieNummer().geefVersieString();
}

void voegHandlersToe()
{
    DesktopBeeldLader::zorgVoorHandlers();
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler("XML", "xml", wxRICHTEXT_TYPE_XML));
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_HTML))
        wxRichTextBuffer::AddHandler(new wxRichTextHTMLHandler("HTML", "html", wxRICHTEXT_TYPE_HTML));
}
} // namespace

std::optional<int> VerelTamsoApp::beantwoordCommandoRegel(int argc, char** argv)
{
    {
        const StilleUitvoer stil;
        wxCmdLineParser proef(argc, argv);
        const int resultaat = leesCommandoRegel(proef);
        if (resultaat == 0 && !proef.Found("h") && !proef.Found("v"))
            return std::nullopt;
    }
    // A console application, which starts no toolkit, only to find the
    // user's language and its catalogues; it goes with the initializer.
    auto* konsole = new wxAppConsole;
    wxAppConsole::SetInstance(konsole);
    wxInitializer basis(argc, argv);
    if (!basis.IsOk())
        return 1;
    konsole->SetAppName(applikatieNaam);
    DesktopAppBasis::zetKonsoleTaal(applikatieNaam);
    // Anew, now that the descriptions can be translated.
    wxCmdLineParser parser(argc, argv);
    const int parseResultaat = leesCommandoRegel(parser);
    const std::optional<int> status = beantwoordSchakelaars(parser, parseResultaat);
    // The catalogues go with the console application.
    wxTranslations::Set(nullptr);
    return status;
}

void VerelTamsoApp::zetVensterMaker(VensterMaker maker)
{
    vensterMaker() = std::move(maker);
}

std::optional<int> VerelTamsoApp::geefEindStatus()
{
    return eindStatus();
}

bool VerelTamsoApp::OnInit()
{
    // The program's main answers these before the toolkit starts; a start
    // that comes here with them all the same is answered alike.
    wxCmdLineParser parser(argc, argv);
    const int parseResultaat = leesCommandoRegel(parser);
    if (const std::optional<int> status = beantwoordSchakelaars(parser, parseResultaat))
    {
        eindStatus() = status;
        return false;
    }

    // What the program reports goes to the window's message boxes and also
    // to standard error, where a start from a terminal or a desktop
    // launcher's log keeps it.
    new wxLogChain(new wxLogStderr(nullptr, wxConvWhateverWorks));

    if (onInitRoutines(minGrootte, false) != 0)
        return false;
    voegHandlersToe();

    if (!vensterMaker())
    {
        DesktopFunkties::wxErrorVeilig(_("The main window of the application cannot be made."));
        return false;
    }
    wxFrame& frame = vensterMaker()(*this)->geefFrame();
    SafeYield(&frame, true);
    SetTopWindow(&frame);
    zetHoofdVenster(&frame, false, false);

    static const wxString kopiemelding =
        "VerelTamso" + sp + _("version") + sp + geefKorteVersieMetLetter() + ". " + geefRechtenNotitie();
    maakPlonsScherm(kopiemelding, DesktopBeeldLader::leesBeeld(plonsBeeld), plonsTijdMs,
                    wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT);
    const bool getoond = frame.Show(true);

    if (parser.GetParamCount() == 1)
        openCommandoRegelBestand(wxFileName(parser.GetParam(0)));
    else if (!isTaalGekozen())
    {
        // Before the window started the project, nothing the user made can
        // be lost: the chosen language needs no question and no save.
        if (const std::optional<wxLanguage> gekozen = vraagTaal())
        {
            if (isNietsTeVerliezen())
                zetEersteTaal(*gekozen);
            else
                zetTaal(*gekozen);
        }
        // The new instance starts once this one has gone; a main loop that
        // has not run yet cannot be asked to end, so the start-up ends here.
        if (isHerstartGevraagd())
        {
            frame.Destroy();
            eindStatus() = 0;
            return false;
        }
    }

    // The language dialog ran an event loop of its own: the window is asked
    // for anew.
    VensterKoppeling* venster = geefVenster();
    if (getoond && venster)
        venster->start();
    return getoond;
}

void VerelTamsoApp::openCommandoRegelBestand(wxFileName bestand)
{
    if (!bestand.FileExists())
    {
        DesktopFunkties::wxErrorVeilig(_("The presented path is not a readable file."));
        return;
    }
    sluitDB();
    bestand.MakeAbsolute();
    if (open(bestand, false, wxString()) == 0)
        return;
    // A full disk or a lock is no fault of the file, and has been said.
    if (!isFoutUitgelegd())
        DesktopFunkties::wxErrorVeilig(_("The presented file is not a Verel Tamso DB file.") + vr +
                                       _("Loading the file was cancelled."));
    laatGeweigerdBestandLos();
}

// A file that proved no project may hold the connection the open began, and
// must not be opened again at the next start as the project of the
// configuration.
void VerelTamsoApp::laatGeweigerdBestandLos()
{
    sluitVoorgoedDB();
}

void VerelTamsoApp::toonTaalDialoog()
{
    if (const std::optional<wxLanguage> gekozen = vraagTaal())
        zetTaal(*gekozen);
}

bool VerelTamsoApp::isNietsTeVerliezen()
{
    if (!isDBOpen())
        return true;
    if (rolTerugMogelijk() || isSavePointBezig())
        return false;
    return !isMemoryDB() || !bestaatTabel(TamsoTabelNaam, wxString()) || geefAantalRequirements() == 0;
}

std::optional<wxLanguage> VerelTamsoApp::vraagTaal()
{
    static const wxLanguage VerelTamsoAppTalen[] = {
        wxLANGUAGE_GERMAN,  wxLANGUAGE_ENGLISH, wxLANGUAGE_DUTCH,    wxLANGUAGE_FRENCH, wxLANGUAGE_ITALIAN,
        wxLANGUAGE_SPANISH, wxLANGUAGE_SWEDISH, wxLANGUAGE_JAPANESE, wxLANGUAGE_KOREAN, wxLANGUAGE_RUSSIAN};
    wxArrayInt talen;
    for (wxLanguage taal : VerelTamsoAppTalen)
        talen.Add(taal);
    VensterKoppeling* venster = geefVenster();
    wxWindow* ouder = venster ? &venster->geefFrame() : nullptr;
    TaalKeuzeDialoog dialoog(ouder, talen, wxID_ANY, _("Please select the language for using this application"),
                             wxDefaultPosition, wxSize(200, 150),
                             wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER | wxTAB_TRAVERSAL);
    if (dialoog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialoog.geefTaal();
}

void VerelTamsoApp::MacOpenFiles(const wxArrayString& bestanden)
{
    VensterKoppeling* venster = geefVenster();
    if (bestanden.empty() || !venster)
        return;
    const wxFileName bestand(bestanden[0]);
    if (!bestand.FileExists())
    {
        DesktopFunkties::wxErrorVeilig(_("The presented path is not a readable file."));
        return;
    }
    // The user may keep the open project (a project in memory whose save
    // was cancelled): then the handed-over file waits.
    if (venster->stop() != 0)
        return;
    sluitDB();
    if (open(bestand, true, wxString()) != 0)
    {
        if (!isFoutUitgelegd())
            DesktopFunkties::wxErrorVeilig(_("The presented file is not a VerelTamsoApp DB file.") + vr +
                                           _("Loading the file was cancelled."));
        laatGeweigerdBestandLos();
        // The window shows that no project is open, not the closed one's name.
        venster->start();
        return;
    }
    venster->start();
}

void VerelTamsoApp::MacNewFile() {}

// The toolkit's own answer on the original platform: bring the program's
// window forward.
void VerelTamsoApp::MacReopenApp()
{
    if (VensterKoppeling* venster = geefVenster())
        venster->geefFrame().Raise();
}
