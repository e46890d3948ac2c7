#include "swexternals/desktop/DesktopGebruikersMappen.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace
{
const char thuisVariabele[] = "$HOME";

std::string geefThuis()
{
    if (const char* thuis = std::getenv("HOME"); thuis && *thuis)
        return thuis;
    // As the login gives it, where the environment has none.
    std::vector<char> buffer(16384);
    passwd invoer{};
    passwd* gevonden = nullptr;
    if (getpwuid_r(geteuid(), &invoer, buffer.data(), buffer.size(), &gevonden) == 0 && gevonden && gevonden->pw_dir)
        return gevonden->pw_dir;
    return std::string();
}

std::string geefKonfigMap()
{
    const char* map = std::getenv("XDG_CONFIG_HOME");
    return map ? map : "";
}

// "/a/b/" and "/a/b" are one folder.
std::string zonderSlotStreep(std::string pad)
{
    while (pad.size() > 1 && pad.back() == '/')
        pad.pop_back();
    return pad;
}

// The shell's double quotes as the file writes them: a backslash keeps the
// character after it.
std::string leesAanhalingen(const std::string& regel, std::size_t begin)
{
    std::string waarde;
    for (std::size_t i = begin; i < regel.size() && regel[i] != '"'; ++i)
    {
        if (regel[i] == '\\' && i + 1 < regel.size())
            ++i;
        waarde += regel[i];
    }
    return waarde;
}
} // namespace

DesktopGebruikersMappen::DesktopGebruikersMappen() : DesktopGebruikersMappen(geefThuis(), geefKonfigMap()) {}

DesktopGebruikersMappen::DesktopGebruikersMappen(std::string thuis_, std::string konfigMap_)
    : thuis(zonderSlotStreep(std::move(thuis_))), konfigMap(std::move(konfigMap_))
{
    // Only a full path counts, as the desktop's own tools take it.
    if (konfigMap.empty() || konfigMap.front() != '/')
        konfigMap = thuis + "/.config";
}

std::vector<std::string> DesktopGebruikersMappen::geefMappen() const
{
    const std::string inhoud = leesBestand();
    std::vector<std::string> mappen;
    for (std::string map : {leesMap(inhoud, "XDG_DOWNLOAD_DIR"), leesMap(inhoud, "XDG_DOCUMENTS_DIR"), thuis})
    {
        map = zonderSlotStreep(map.empty() ? thuis : map);
        if (!map.empty() && std::find(mappen.begin(), mappen.end(), map) == mappen.end())
            mappen.push_back(map);
    }
    return mappen;
}

std::string DesktopGebruikersMappen::leesBestand() const
{
    std::ifstream bestand(konfigMap + "/user-dirs.dirs");
    std::ostringstream inhoud;
    inhoud << bestand.rdbuf();
    return inhoud.str();
}

std::string DesktopGebruikersMappen::leesMap(const std::string& inhoud, const std::string& sleutel) const
{
    std::string gevonden;
    std::istringstream regels(inhoud);
    for (std::string regel; std::getline(regels, regel);)
    {
        const std::size_t begin = regel.find_first_not_of(" \t");
        if (begin == std::string::npos || regel.compare(begin, sleutel.size(), sleutel) != 0)
            continue;
        std::size_t waarde = regel.find_first_not_of(" \t", begin + sleutel.size());
        if (waarde == std::string::npos || regel[waarde] != '=')
            continue;
        waarde = regel.find_first_not_of(" \t", waarde + 1);
        if (waarde == std::string::npos || regel[waarde] != '"')
            continue;
        std::string map = leesAanhalingen(regel, waarde + 1);
        const std::size_t lengte = sizeof(thuisVariabele) - 1;
        if (map.compare(0, lengte, thuisVariabele) == 0 && (map.size() == lengte || map[lengte] == '/'))
            map = thuis + map.substr(lengte);
        // The last line of the key counts, as the shell that reads the file
        // takes it.
        gevonden = !map.empty() && map.front() == '/' ? map : std::string();
    }
    return gevonden;
}
