#include "tests/ondersteuning/LogVanger.h"

std::vector<LogVanger::Regel> LogVanger::geefRegels() const
{
    std::lock_guard<std::mutex> slot(m_slot);
    return m_regels;
}

wxString LogVanger::geefAlles() const
{
    wxString alles;
    for (const Regel& regel : geefRegels())
        alles << "[" << static_cast<unsigned long>(regel.niveau) << "] " << regel.tekst << "\n";
    return alles;
}

bool LogVanger::bevat(const wxString& deel, wxLogLevel niveau) const
{
    for (const Regel& regel : geefRegels())
        if ((niveau == wxLOG_Max || regel.niveau == niveau) && regel.tekst.Contains(deel))
            return true;
    return false;
}

size_t LogVanger::geefAantal(wxLogLevel niveau) const
{
    size_t aantal = 0;
    for (const Regel& regel : geefRegels())
        if (regel.niveau == niveau)
            ++aantal;
    return aantal;
}

void LogVanger::wis()
{
    std::lock_guard<std::mutex> slot(m_slot);
    m_regels.clear();
}

void LogVanger::DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&)
{
    std::lock_guard<std::mutex> slot(m_slot);
    m_regels.push_back({level, msg});
}
