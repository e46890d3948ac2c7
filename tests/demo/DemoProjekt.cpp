// Not a test: makes the demo project of the README's pictures (see
// scripts/schermafdrukken.sh), the way a user makes one: a new project in
// memory, its requirements added through the store, the name and currency
// set, the whole committed and saved as a file. The rich texts are written
// into the editor the properties dialog uses and stored as it stores them,
// so the project keeps up with the program's own schema and forms.
//
//     demo_projekt <file.vtd>     (on an X display: the editor needs one)
#include "swexternals/desktop/DesktopValuta.h"
#include "swexternals/desktop/RichFunkties.h"
#include "tests/ondersteuning/TijdelijkeApp.h"
#include "toepassing/kern/RequirementLijst.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <vector>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextxml.h>

namespace
{
class ZaaiApplicatie : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// One requirement of the demo. The texts use a small mark-up of their own:
// a line is a paragraph, "- " at its start makes it a bullet, and the parts
// between "**" are bold.
struct DemoRequirement
{
    int SR;
    const char* titel;
    Requirement::Status status;
    Requirement::Type type;
    Requirement::FunkType funkType;
    unsigned int prioriteit;
    unsigned int kosten;
    const char* auteur;
    const char* ingenieur;
    const char* tester;
    const char* datum;
    const char* beschrijving;
    const char* implementatie;
    const char* validatie;
    const char* logboek;
};

const char* const analist = "Ingrid Bakker";

// A greenhouse climate controller: four zones, sensors, actuators, an
// operator panel and a remote link, at every level of completion.
const DemoRequirement demo[] = {
    {10, "Measure the air temperature per zone", Requirement::StatusKlaar, Requirement::TypeSysteem,
     Requirement::FunkTypeFunktioneel, 95, 1800, analist, "Mei Chen", "Sofia Rossi", "2025-01-13",
     "The controller shall measure the air temperature in each of the **four zones** once per second.\n"
     "- Range: -10 °C to +50 °C\n- Accuracy: **±0.5 °C** over the whole range\n- A failed sensor is reported "
     "within 5 s",
     "Two PT1000 sensors per zone on the 24-bit ADC board; the median of both is used.\n"
     "A sensor outside 20 % of the other one is flagged as failed.",
     "Climate chamber run at -10, 0, 20 and 50 °C against the reference thermometer.",
     "**Passed** on 2025-03-04: largest deviation 0.31 °C (zone 3, 50 °C)."},
    {20, "Measure the relative humidity", Requirement::StatusKlaar, Requirement::TypeSysteem,
     Requirement::FunkTypeFunktioneel, 85, 1250, analist, "Mei Chen", "Sofia Rossi", "2025-01-13",
     "The controller shall measure the relative humidity in each zone between **10 % and 98 %** with an accuracy "
     "of ±3 %.\nCondensation on the sensor must not damage it.",
     "Capacitive sensors with a heated cap, read over I²C every 2 s.",
     "Humidity generator at 20, 50 and 90 % RH; condensation test of 24 h.", "**Passed** on 2025-03-06."},
    {30, "Open and close the roof vents", Requirement::StatusGetest, Requirement::TypeSysteem,
     Requirement::FunkTypeFunktioneel, 90, 4200, analist, "Lars Holm", "Sofia Rossi", "2025-01-20",
     "The controller shall drive the roof vents of each zone to any opening between **0 % and 100 %**.\n"
     "- Position error below 2 %\n- Vents close within **60 s** when the wind exceeds 12 m/s\n"
     "- Vents close when the rain sensor reports rain",
     "24 V DC motors with end switches and a 10-bit position potentiometer; wind and rain inputs override the "
     "climate loop.",
     "Full stroke test, 200 cycles per vent; wind override with the anemometer simulator.",
     "All vents within 1.4 %; wind override closed in 41 s. Awaiting sign-off."},
    {40, "Heating valve control", Requirement::StatusGetest, Requirement::TypeSysteem, Requirement::FunkTypePrestatie,
     90, 3600, analist, "Tomás Ruiz", "Jan de Vries", "2025-01-22",
     "The controller shall keep the zone temperature within **±1 °C** of its set point by driving the heating "
     "valve of the zone.\nOvershoot after a set-point step of 5 °C shall stay below 1.5 °C.",
     "PI loop at 1 Hz with anti-windup; the valve is a 0-10 V mixing valve.",
     "Step responses of 2 °C and 5 °C in zone 1 and 4, night and day.", "Overshoot 1.1 °C at 5 °C steps: passed."},
    {50, "Frost protection alarm", Requirement::StatusKlaar, Requirement::TypeGebruiker, Requirement::FunkTypeKwaliteit,
     100, 900, analist, "Tomás Ruiz", "Jan de Vries", "2025-01-08",
     "When the air temperature of any zone falls below **+2 °C**, the controller shall\n"
     "- open every heating valve fully\n- close every vent\n- sound the alarm relay and send an SMS to the "
     "grower on duty",
     "Watchdog task independent of the climate loop; the alarm relay is fail-safe (released on alarm).",
     "Zone sensor forced to 1.5 °C with the simulator; power cut during the alarm.",
     "**Passed** on 2025-02-27, SMS received after 9 s."},
    {60, "Recover after a power failure", Requirement::StatusGeimplementeerd, Requirement::TypeSysteem,
     Requirement::FunkTypeKwaliteit, 80, 1500, analist, "Lars Holm", "Jan de Vries", "2025-02-03",
     "After a power failure the controller shall resume with the **last set points** within 30 s, without "
     "moving any vent before the positions are known.",
     "Set points in FRAM; vents are referenced on their end switches at start.", "", ""},
    {70, "Operator touch panel", Requirement::StatusGeimplementeerd, Requirement::TypeGebruiker,
     Requirement::FunkTypeFunktioneel, 70, 5400, analist, "Mei Chen", "Sofia Rossi", "2025-02-10",
     "A 10\" touch panel at the entrance shall show every zone's temperature, humidity, vent opening and "
     "heating, and let the grower change the set points.\n- Readable in direct sunlight\n- Usable with gloves",
     "Industrial panel with a capacitive glove mode; the screens are served by the controller.", "", ""},
    {80, "Log the climate for a year", Requirement::StatusGeimplementeerd, Requirement::TypeBusiness,
     Requirement::FunkTypePrestatie, 60, 700, analist, "Tomás Ruiz", "Sofia Rossi", "2025-02-12",
     "The controller shall log every measured value and every actuator position **once per minute** and keep "
     "the log for **365 days**.",
     "Ring buffer on an industrial SD card, one file per day, CSV.", "", ""},
    {90, "Remote access over Modbus TCP", Requirement::StatusGedefinieerd, Requirement::TypeSysteem,
     Requirement::FunkTypeFunktioneel, 55, 2100, analist, "Lars Holm", "Jan de Vries", "2025-02-24",
     "The building management system shall read all values and write the set points over **Modbus TCP**.\n"
     "Writing set points needs the remote mode switched on at the panel.",
     "", "", ""},
    {100, "Enclosure protection IP65", Requirement::StatusGedefinieerd, Requirement::TypeBusiness,
     Requirement::FunkTypeBeperking, 75, 650, analist, "Mei Chen", "Jan de Vries", "2025-02-24",
     "The controller's enclosure shall meet **IP65** and work between -20 °C and +55 °C at up to 100 % humidity.", "",
     "", ""},
    {110, "CO₂ dosing", Requirement::StatusGedefinieerd, Requirement::TypeGebruiker, Requirement::FunkTypeFunktioneel,
     40, 3900, analist, "Tomás Ruiz", "Sofia Rossi", "2025-03-03",
     "While the vents are closed and the sun shines, the controller shall keep the CO₂ level at **800 ppm** "
     "(adjustable 400-1200 ppm).",
     "", "", ""},
    {120, "Shade screen control", Requirement::StatusGeimplementeerd, Requirement::TypeGebruiker,
     Requirement::FunkTypeFunktioneel, 65, 2300, analist, "Lars Holm", "Sofia Rossi", "2025-02-17",
     "The shade screens of each zone shall close when the outside radiation exceeds **650 W/m²** and open again "
     "below 450 W/m².\nThe grower may hold them at any position from the panel.",
     "Radiation from the weather station, 5 min moving average; hysteresis as specified.", "", ""},
    {130, "Alarm log and acknowledgement", Requirement::StatusGetest, Requirement::TypeGebruiker,
     Requirement::FunkTypeKwaliteit, 70, 1100, analist, "Mei Chen", "Jan de Vries", "2025-01-29",
     "Every alarm shall be logged with its time, zone and value, and stay on the panel until the grower "
     "**acknowledges** it.",
     "Alarm table in FRAM, 500 entries; acknowledgement with the grower's PIN.",
     "Alarms forced in every zone; power cut before the acknowledgement.",
     "All alarms kept and shown again after the power cut."},
    {140, "User roles and PIN codes", Requirement::StatusGedefinieerd, Requirement::TypeBusiness,
     Requirement::FunkTypeBeperking, 50, 800, analist, "Mei Chen", "Jan de Vries", "2025-03-05",
     "Three roles shall be known: **grower**, **service engineer** and **viewer**.\n- Viewers change nothing\n"
     "- Only service engineers change the calibration",
     "", "", ""},
    {150, "Irrigation schedule per zone", Requirement::StatusOntwikkeling, Requirement::TypeGebruiker,
     Requirement::FunkTypeFunktioneel, 20, 2800, analist, "Mei Chen", "Sofia Rossi", "2025-03-12",
     "The grower shall plan up to **eight irrigation periods** per zone and day.", "", "", ""},
    {160, "Weather station input", Requirement::StatusOntwikkeling, Requirement::TypeSysteem,
     Requirement::FunkTypeFunktioneel, 45, 1600, analist, "Lars Holm", "Sofia Rossi", "2025-03-12",
     "The controller shall read wind speed, wind direction, rain and radiation from the roof weather station.", "", "",
     ""},
    {170, "Firmware update over the network", Requirement::StatusOntwikkeling, Requirement::TypeSysteem,
     Requirement::FunkTypeKwaliteit, 35, 1900, analist, "Lars Holm", "Jan de Vries", "2025-03-17",
     "A new firmware shall be installed over the network **without losing the set points** or the climate log.\n"
     "- The image is signed: an unsigned or damaged image is **refused**\n"
     "- A failed update falls back to the previous firmware within 60 s\n"
     "- The climate control keeps running during the download\n"
     "**Open question:** may an update start while a frost alarm is active?",
     "", "", ""},
};

// The editor's content as the properties dialog stores it, from the mark-up.
wxString alsRijk(wxRichTextCtrl& editor, const wxString& opmaak)
{
    editor.Clear();
    if (opmaak.empty())
        return wxString();
    const wxArrayString regels = wxSplit(opmaak, '\n', '\0');
    std::vector<size_t> kogels;
    for (size_t r = 0; r < regels.size(); ++r)
    {
        if (r > 0)
            editor.Newline();
        wxString regel = regels[r];
        if (regel.StartsWith("- ", &regel))
            kogels.push_back(r);
        // Between each pair of "**" the text is bold. An empty text is never
        // written: the editor would make a paragraph of it.
        bool vet = false;
        for (size_t van = 0; van <= regel.length(); vet = !vet)
        {
            const size_t tot = std::min(regel.find("**", van), regel.length());
            const wxString deel = regel.substr(van, tot - van);
            if (!deel.empty())
            {
                if (vet)
                    editor.BeginBold();
                editor.WriteText(deel);
                if (vet)
                    editor.EndBold();
            }
            van = tot + 2;
        }
    }
    // The bullets once the paragraphs are there, as the list tool of the
    // dialog sets them on a selection.
    wxRichTextAttr kogel;
    kogel.SetBulletStyle(wxTEXT_ATTR_BULLET_STYLE_STANDARD);
    kogel.SetBulletName("standard/circle");
    kogel.SetLeftIndent(60, 40);
    for (const size_t r : kogels)
    {
        const wxRichTextObject* alinea = editor.GetBuffer().GetChild(r);
        editor.SetStyleEx(alinea->GetRange(), kogel, wxRICHTEXT_SETSTYLE_PARAGRAPHS_ONLY);
    }
    wxString opgeslagen;
    if (RichFunkties::bewaarTekst(opgeslagen, &editor) != 0)
        std::cerr << "A rich text could not be stored\n";
    return opgeslagen;
}

wxDateTime alsDatum(const char* tekst)
{
    wxDateTime datum;
    datum.ParseISODate(tekst);
    return datum;
}

RequirementLijst maakRequirements(wxRichTextCtrl& editor)
{
    RequirementLijst lijst;
    for (const DemoRequirement& d : demo)
    {
        Requirement rek;
        rek.SR = d.SR;
        rek.naam = wxString::FromUTF8(d.titel);
        rek.status = d.status;
        rek.type = d.type;
        rek.funkType = d.funkType;
        rek.prioriteit = d.prioriteit;
        rek.totaleKosten = d.kosten;
        rek.auteur = wxString::FromUTF8(d.auteur);
        rek.implementatieIngenieur = wxString::FromUTF8(d.ingenieur);
        rek.testIngenieur = wxString::FromUTF8(d.tester);
        rek.datum = alsDatum(d.datum);
        rek.versie = d.status >= Requirement::StatusGetest ? "1.2.0" : "1.0.0";
        rek.beschrijving = alsRijk(editor, wxString::FromUTF8(d.beschrijving));
        rek.implementatie = alsRijk(editor, wxString::FromUTF8(d.implementatie));
        rek.validatie_test = alsRijk(editor, wxString::FromUTF8(d.validatie));
        rek.testLogboek = alsRijk(editor, wxString::FromUTF8(d.logboek));
        rek.externeRef = wxString::Format("https://gc4.example/r/%d", d.SR);
        if (d.status == Requirement::StatusKlaar)
        {
            rek.aftekenaar = wxString::FromUTF8(analist);
            rek.afgetekendDatum = alsDatum("2025-03-14");
        }
        lijst.Add(rek);
    }
    return lijst;
}

// 0 the project is in the file.
int zaai(VerelTamsoApp& app, const wxFileName& bestand, wxRichTextCtrl& editor)
{
    app.sluitDB();
    if (app.nieuweMemDB(wxString()) != 0 || app.startDatabase() != 0)
        return 2;
    if (app.voegToe(maakRequirements(editor), true) != 0 || app.zetProjektNaam("Climate controller GC-4") != 0 ||
        app.zetProjektValuta(DesktopValuta("EUR", "European Union Euro", L"\u20AC", 1.08f)) != 0 ||
        app.stopTransaktie() != 0)
        return 2;
    if (app.slaOpAls(bestand, true) != 0)
        return 2;
    app.sluitDB();
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " <file.vtd>\n";
        return 2;
    }
    if (!std::getenv("DISPLAY"))
    {
        std::cerr << "No X display: run this program with scripts/eigenXserver.sh\n";
        return 2;
    }
    wxFileName bestand(wxString::FromUTF8(argv[1]));
    bestand.MakeAbsolute();
    if (bestand.FileExists())
    {
        std::cerr << bestand.GetFullPath().utf8_string() << " exists already\n";
        return 2;
    }
    wxApp::SetInstance(new ZaaiApplicatie);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
    {
        std::cerr << "wxWidgets could not start\n";
        return 2;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler("XML", "xml", wxRICHTEXT_TYPE_XML));

    int resultaat = 2;
    {
        TijdelijkeApp<VerelTamsoApp> app;
        auto* houder = new wxFrame(nullptr, wxID_ANY, "demo");
        auto* editor = new wxRichTextCtrl(houder, wxID_ANY);
        resultaat = zaai(*app, bestand, *editor);
        houder->Destroy();
    }
    wxLog::FlushActive();
    wxTheApp->OnExit();
    wxEntryCleanup();
    if (resultaat != 0)
        std::cerr << "The demo project could not be made\n";
    return resultaat;
}
