// The journal mode and the synchronous setting, read and switched by name.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <wx/intl.h>

namespace
{
// The first column of the first row of a pragma, empty when it cannot be read
// (the query has reported why).
wxString leesPragma(SQLite3Basis& db, const wxString& pragma)
{
    wxSQLite3ResultSet resultaat = db.executeQuery(pragma, true);
    if (!resultaat.IsOk())
        return wxString();
    try
    {
        return resultaat.NextRow() ? resultaat.GetString(0, wxString()) : wxString();
    }
    catch (const wxSQLite3Exception&)
    {
        return wxString();
    }
}
} // namespace

SQLite3Basis::Journaal SQLite3Basis::zoekJournaal(const wxString& naam) const
{
    const int plaats = journalModes.Index(naam.Upper(), true);
    return plaats == wxNOT_FOUND ? huidigeJournaalMode : static_cast<Journaal>(plaats);
}

SQLite3Basis::Journaal SQLite3Basis::leesHuidigeJournaalMode()
{
    const wxString naam = leesPragma(*this, "pragma journal_mode");
    if (!naam.empty())
        huidigeJournaalMode = zoekJournaal(naam);
    return huidigeJournaalMode;
}

SQLite3Basis::Synchronisatie SQLite3Basis::leesHuidigeSynchronisatie()
{
    static const wxString opdracht = "pragma synchronous";
    const wxString waarde = leesPragma(*this, opdracht);
    if (waarde.empty())
        return huidigeSynchronisatie;
    const int plaats = synchronisatieModes.Index(waarde.Upper(), true);
    const unsigned int getal =
        plaats != wxNOT_FOUND ? static_cast<unsigned int>(plaats) : DesktopFunkties::leesInteger(waarde);
    if (getal <= SynchronisatieExtra)
        huidigeSynchronisatie = static_cast<Synchronisatie>(getal);
    return huidigeSynchronisatie;
}

int SQLite3Basis::schakelMode(Journaal journaal, Synchronisatie synchronisatie)
{
    if (journaal > JournaalOff || synchronisatie > SynchronisatieExtra)
        return 2;
    leesHuidigeJournaalMode();
    leesHuidigeSynchronisatie();
    const unsigned int vorigeTransaktieMode = transaktieMode;
    // SQLite keeps its journal mode inside a transaction.
    if (transaktieMode == TransaktieHandmatig && isTransaktieOpenInDB() && sluitAfTransakties() != 0)
        return 2;

    int journaalResultaat = 5;
    if (huidigeJournaalMode != journaal)
    {
        // A database in memory keeps its MEMORY journal, and a read-only one
        // cannot change its file's journal. Nor does a file go into WAL mode
        // without room for the log's index, where nothing could be read
        // after the switch, or for its first change, which the journal it
        // has would take with less. It keeps its journal until a start
        // with room.
        if ((isMemoryDB() && journaal != JournaalMemory) || isAlleenLezenDB() ||
            (journaal == JournaalWAL && !heeftRuimteVoorLog()))
            journaalResultaat = 1;
        else
            journaalResultaat = zetJournaal(journaal);
    }
    const int synchronisatieResultaat = huidigeSynchronisatie != synchronisatie ? zetSynchronisatie(synchronisatie) : 5;

    const bool terugNaarHandmatig =
        vorigeTransaktieMode == TransaktieHandmatig && transaktieMode != TransaktieHandmatig;
    if (terugNaarHandmatig && schakelHandmatigeTransaktie(StandAan, wxString()) != 0)
        return 2;
    // A failed journal switch stays a failure whatever the synchronous
    // setting did; a refused one counts only when nothing else changed.
    if (journaalResultaat == 2 || synchronisatieResultaat == 2)
        return 2;
    return synchronisatieResultaat == 0 ? 0 : journaalResultaat;
}

// SQLite answers a journal mode it cannot take with the mode it keeps,
// without an error: the mode read back decides whether it worked.
int SQLite3Basis::zetJournaal(Journaal journaal)
{
    // What the log holds goes into the file first; a checkpoint that fails
    // (reported) leaves the journal as it is.
    if (huidigeJournaalMode == JournaalWAL && doeWALCheckpoint() != 0)
        return 2;
    if (executeUpdate("pragma journal_mode=" + quotes(journalModesStr[journaal]), -1) != 0)
        return 2;
    if (leesHuidigeJournaalMode() == journaal)
        return 0;
    DesktopFunkties::wxErrorVeilig(_("The journal mode could not be changed to") + DesktopAppBasis::sp +
                                   DesktopFunkties::dubbeleQuotes(journalModesStr[journaal], false) + ".");
    return 2;
}

int SQLite3Basis::zetSynchronisatie(Synchronisatie synchronisatie)
{
    if (executeUpdate("pragma synchronous=" + quotes(synchroModesStr[synchronisatie]), -1) != 0)
        return 2;
    if (leesHuidigeSynchronisatie() == synchronisatie)
        return 0;
    DesktopFunkties::wxErrorVeilig(_("The synchronous setting could not be changed to") + DesktopAppBasis::sp +
                                   DesktopFunkties::dubbeleQuotes(synchroModesStr[synchronisatie], false) + ".");
    return 2;
}

int SQLite3Basis::zetGoedeSynchronisatieBijJournalling()
{
    const Journaal journaal = leesHuidigeJournaalMode();
    const Synchronisatie goed = journaal == JournaalWAL ? SynchronisatieNormal : SynchronisatieFull;
    if (leesHuidigeSynchronisatie() == goed)
        return 0;
    return schakelMode(journaal, goed);
}

int SQLite3Basis::doeWALCheckpoint()
{
    static const wxString opdracht = "pragma wal_checkpoint";
    return executeUpdate(opdracht, -1);
}
