#ifndef TOEPASSING_KERN_VERELTAMSOAPP_H
#define TOEPASSING_KERN_VERELTAMSOAPP_H

#include "swexternals/desktop/DesktopValuta.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"
#include "swexternals/desktop/wx/wxSQLite3/Sortering.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <wx/arrstr.h>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>
#include <wx/wxsqlite3.h>

class VerelTamsoVenster;

// The one application object of the requirements tool: the wxWidgets
// application, the holder of the configuration file and the connection to
// the open project, all at once. The windows reach the requirement store,
// the project settings and the list's colours and font through it.
class VerelTamsoApp : public SQLite3App
{
public:
    // The columns of the requirement list, in the order the list shows them.
    enum Kolommen : unsigned int
    {
        KolomID = 0,
        KolomTitel = 1,
        KolomAuteur = 2,
        KolomImplementatie = 3,
        KolomTestValidatie = 4,
        KolomPrioriteit = 5,
        KolomKosten = 6,
        KolomStatus = 7,
        KolomBijdrage = 8,
        KolomVoortgang = 9,
        KolomDatum = 10
    };
    static constexpr unsigned int aantalKolommen = 11;
    static constexpr unsigned int aantalStatusWaarden = 5;

    // --- Shared constants ---

    // Titles as English source texts: whoever shows one translates it then.
    static const wxString KolommenNamenVelden[aantalKolommen];
    // The columns of the view RekZicht behind each list column.
    static const wxString KolommenDBNamenVelden[aantalKolommen];
    static const wxString VasteStatusWaarden[aantalStatusWaarden];
    static const wxArrayString vasteStatusWaardenArray;

    static const wxString ConfigTabelNaam;
    static const wxString ConfigTabelZicht;
    static const wxString TamsoTabelNaam;
    static const wxString TamsoTabelZicht;
    static const wxString safepointNaam;

    static const wxColour wit;
    static const wxColour groen;
    static const wxColour lichtblauw;
    static const wxColour donkerblauw;
    static const wxColour donkerrood;
    static const wxColour rood;
    static const wxColour geel;
    static const wxColour lichtgeel;
    static const wxColour veiligRoze;

    static wxArrayString geefKolomNamen();
    // The database layer's column names of a table stay in reach.
    using SQLite3Basis::geefKolomNamen;
    // An empty text for a value outside the columns.
    static wxString geefKolomNaam(Kolommen kolom);
    static wxArrayString geefDBKolomNamen();
    static wxString geefDBKolomNaam(Kolommen kolom);
    // Translated at the time of the call.
    static wxArrayString geefAlleStatusAanduidingen();

    // --- The application object: construction and list settings ---

    // Opens the project of the configuration and reads the list's colours
    // and font; writes them back when it goes.
    VerelTamsoApp();
    ~VerelTamsoApp() override;

    wxFont geefFont() const { return lijstFont; }
    wxColour geefTekstKleur() const { return lijstTekstKleur; }
    // The list background for the project's state: read-only wins over
    // safe operation.
    wxColour geefAchtergrondKleur() const;

    // --- Project schema, views and project settings ---

    // Modes, tables, the view KonfZicht, the configuration row and manual
    // transactions. 0 done; 1 no database open; 2 a step failed.
    int startDatabase() override;
    // Offers to save a project in memory, then commits. 0 done; 1 no
    // database or cancelled; 5 the save dialog cancelled; 3 another answer;
    // otherwise the failed save's code.
    int stopDatabase() override;
    // Renews the view RekZicht when the search condition changed or the view
    // does not hold it. 1 nothing to do, else 0 done or 2 failed.
    int maakRekZicht();
    // Empty when it cannot be read.
    wxString geefProjektNaam();
    // 2 when no change can be started, else the update's 0 or 2.
    int zetProjektNaam(const wxString& naam);
    DesktopValuta geefProjektValuta();
    int zetProjektValuta(const DesktopValuta& valuta);

    // The list's font and colours: the font and colour dialog of the main
    // window assigns them directly; they reach the configuration file when
    // the application ends.
    wxFont lijstFont;
    wxColour lijstTekstKleur;
    wxColour leesSchrijfAchtergrondKleur;
    wxColour slechtsLeesAchtergrondKleur;
    wxColour savePointAchtergrondKleur;

protected:
    // Not owned: the toolkit destroys the frame.
    VerelTamsoVenster* venster;
    wxArrayString konfKolomNamen;
    wxArrayString rekKolomNamen;
    // " (naam,...,funkType) values (?,...,?)": every column but the row id.
    wxString rekInsertTekst;

    // The search cache: the criteria the condition was last built from.
    // The initial status, type and functional type are values no search
    // passes, so the first search always builds it.
    wxString vorigeZoekTekst;
    wxString vorigeZoekPersoon;
    Requirement::Status vorigeZoekStatus;
    Requirement::Type vorigeZoekType;
    Requirement::FunkType vorigeZoekFunkType;
    unsigned int vorigeMinPrioriteit;
    // The database layer's two search switches change the comparison the
    // condition is made of, so they belong to the criteria as well.
    bool vorigeHoofdletterGevoelig;
    bool vorigeExactOvereenkomen;
    // Without the word "where".
    wxString zoekVoorwaarde;
    bool zoekVoorwaardeVeranderd;

private:
    void leesKleuren();
    void leesFont();
    void bewaarKleuren();
    void bewaarFont();

    int maakKonfiguratieTabel();
    int maakRequirementsTabel();
    int vraagBewarenVanGeheugenDB();
    // The statement that makes the view RekZicht for the current condition.
    wxString maakRekZichtOpdracht() const;
    // True when the view on the connection is the one of the current
    // condition. An undo also takes back a view renewed in its transaction.
    bool isRekZichtActueel();
    wxString leesKonfiguratie(const wxString& kolom);
    int zetKonfiguratie(const wxString& kolom, const wxString& waarde);
};

#endif
