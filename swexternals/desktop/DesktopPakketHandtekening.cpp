#include "swexternals/desktop/DesktopPakketHandtekening.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sodium.h>
#include <sstream>
#include <vector>

namespace
{
const char hashVorm[] = "ED";
const char sleutelVorm[] = "Ed";
const std::string onbetrouwd = "untrusted comment: ";
const std::string betrouwd = "trusted comment: ";
// A signature file is a few hundred bytes; a long trusted comment included.
const std::size_t maxTekstLengte = 8192;
const std::size_t stukGrootte = 64 * 1024;

bool decodeer(const std::string& tekst, std::vector<unsigned char>& bytes, std::size_t verwacht)
{
    bytes.assign(verwacht + 1, 0);
    std::size_t lengte = 0;
    const char* einde = nullptr;
    if (sodium_base642bin(bytes.data(), bytes.size(), tekst.data(), tekst.size(), nullptr, &lengte, &einde,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        einde != tekst.data() + tekst.size() || lengte != verwacht)
        return false;
    bytes.resize(lengte);
    return true;
}

std::vector<std::string> leesRegels(const std::string& tekst)
{
    std::vector<std::string> regels;
    std::istringstream stroom(tekst);
    std::string regel;
    while (std::getline(stroom, regel))
    {
        if (!regel.empty() && regel.back() == '\r')
            regel.pop_back();
        regels.push_back(regel);
    }
    while (!regels.empty() && regels.back().empty())
        regels.pop_back();
    return regels;
}
} // namespace

DesktopPakketHandtekening::DesktopPakketHandtekening(const wxString& publiekeSleutel)
{
    if (sodium_init() < 0)
        return;
    const std::vector<std::string> regels = leesRegels(std::string(publiekeSleutel.utf8_str()));
    std::vector<unsigned char> bytes;
    if (regels.empty() || !decodeer(regels.back(), bytes, 2 + sleutelId.size() + sleutel.size()) ||
        std::memcmp(bytes.data(), sleutelVorm, 2) != 0)
        return;
    std::copy_n(bytes.begin() + 2, sleutelId.size(), sleutelId.begin());
    std::copy_n(bytes.begin() + 2 + sleutelId.size(), sleutel.size(), sleutel.begin());
    sleutelGeldig = true;
}

DesktopPakketHandtekening::Oordeel DesktopPakketHandtekening::lees(const std::string& tekst)
{
    gelezen = false;
    if (!sleutelGeldig)
        return Oordeel::GeenSleutel;
    const std::vector<std::string> regels = leesRegels(tekst);
    std::vector<unsigned char> deel1;
    std::vector<unsigned char> deel2;
    if (tekst.size() > maxTekstLengte || regels.size() != 4 || regels[0].rfind(onbetrouwd, 0) != 0 ||
        regels[2].rfind(betrouwd, 0) != 0 || !decodeer(regels[1], deel1, 2 + sleutelId.size() + handtekening.size()) ||
        !decodeer(regels[3], deel2, globaleHandtekening.size()))
        return Oordeel::Onleesbaar;
    // The older form signs the file itself, which would have to be read
    // into memory whole.
    if (std::memcmp(deel1.data(), hashVorm, 2) != 0)
        return Oordeel::Onleesbaar;
    if (!std::equal(sleutelId.begin(), sleutelId.end(), deel1.begin() + 2))
        return Oordeel::AndereSleutel;
    std::copy_n(deel1.begin() + 2 + sleutelId.size(), handtekening.size(), handtekening.begin());
    std::copy(deel2.begin(), deel2.end(), globaleHandtekening.begin());
    vertrouwdCommentaar = regels[2].substr(betrouwd.size());
    gelezen = true;
    return Oordeel::Goed;
}

bool DesktopPakketHandtekening::berekenHash(const wxString& bestand, std::array<unsigned char, 64>& hash,
                                            const std::function<bool()>& gestopt, bool& afgebroken) const
{
    afgebroken = false;
    std::ifstream stroom(static_cast<const char*>(bestand.fn_str()), std::ios::binary);
    if (!stroom)
        return false;
    crypto_generichash_state staat;
    if (crypto_generichash_init(&staat, nullptr, 0, hash.size()) != 0)
        return false;
    std::vector<char> stuk(stukGrootte);
    while (stroom)
    {
        if (gestopt && gestopt())
        {
            afgebroken = true;
            return false;
        }
        stroom.read(stuk.data(), static_cast<std::streamsize>(stuk.size()));
        const auto aantal = static_cast<unsigned long long>(stroom.gcount());
        if (aantal > 0 &&
            crypto_generichash_update(&staat, reinterpret_cast<const unsigned char*>(stuk.data()), aantal) != 0)
            return false;
    }
    return stroom.eof() && crypto_generichash_final(&staat, hash.data(), hash.size()) == 0;
}

DesktopPakketHandtekening::Oordeel DesktopPakketHandtekening::controleer(const wxString& bestand, const wxString& naam,
                                                                         const wxString& versie,
                                                                         const std::function<bool()>& gestopt) const
{
    if (!sleutelGeldig)
        return Oordeel::GeenSleutel;
    if (!gelezen)
        return Oordeel::Onleesbaar;
    // The trusted comment is signed together with the signature: checked
    // first, it may be believed below.
    std::vector<unsigned char> globaal(handtekening.begin(), handtekening.end());
    globaal.insert(globaal.end(), vertrouwdCommentaar.begin(), vertrouwdCommentaar.end());
    if (crypto_sign_verify_detached(globaleHandtekening.data(), globaal.data(), globaal.size(), sleutel.data()) != 0)
        return Oordeel::KloptNiet;
    std::array<unsigned char, 64> hash{};
    bool afgebroken = false;
    if (!berekenHash(bestand, hash, gestopt, afgebroken))
        return afgebroken ? Oordeel::Gestopt : Oordeel::Onbereikbaar;
    if (crypto_sign_verify_detached(handtekening.data(), hash.data(), hash.size(), sleutel.data()) != 0)
        return Oordeel::KloptNiet;
    // A good signature of an older package must not pass for a newer one.
    if (!noemt("file:" + naam) || !noemt("version:" + versie))
        return Oordeel::AnderPakket;
    return Oordeel::Goed;
}

bool DesktopPakketHandtekening::noemt(const wxString& veld) const
{
    const std::string gezocht(veld.utf8_str());
    std::istringstream velden(vertrouwdCommentaar);
    std::string gevonden;
    while (velden >> gevonden)
        if (gevonden == gezocht)
            return true;
    return false;
}
