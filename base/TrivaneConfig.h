#ifndef BASE_TRIVANECONFIG_H
#define BASE_TRIVANECONFIG_H

#include "base/TrivaneCRC.h"
#include "base/TrivaneCString.h"
#include "base/TrivaneCode.h"
#include "base/TrivaneString.h"
#include "base/TrivaneTijdStempel.h"

#include <array>

// The header of a stored configuration: a start marker, a name of at most 23
// characters, when it was made, and a CRC to check it by when it comes back.
class TrivaneConfig
{
public:
    static constexpr unsigned int startMarkering = 0xDEAD;
    static constexpr unsigned long long naamGrootte = 24;

    // At most 23 characters of the name; the CRC starts at 0.
    TrivaneConfig(const TrivaneCString& naam, const TrivaneTijdStempel& stempel);

    // At most 23 characters of the text; the field always ends in NUL.
    void zetNaam(const TrivaneString& naam);
    TrivaneString geefNaam() const;
    void zetTijdStempel(const TrivaneTijdStempel& stempel);
    TrivaneTijdStempel geefTijdStempel() const;

    // The CRC of start marker, name field and stamp, taken as an explicit
    // byte block so that padding never counts.
    void berekenZetCRC();
    // kcOk when the held CRC still fits the contents, else kcFout.
    [[nodiscard]] TrivaneCode controleerCRC() const;
    // kcOk when both hold the same CRC, else kcFout.
    [[nodiscard]] TrivaneCode vergelijkCRC(const TrivaneConfig& ander) const;
    // kcOk when the start marker is intact, else kcFout.
    [[nodiscard]] TrivaneCode beginControleIsGoed() const;

private:
    // Start marker, name field and stamp, least significant byte first.
    using CRCBlok = std::array<unsigned char, 4 + naamGrootte + 8>;

    CRCBlok maakCRCBlok() const;
    unsigned int berekenCRC() const;

    TrivaneCRC crc;
    unsigned int startMarker;
    char naam[naamGrootte];
    TrivaneTijdStempel stempel;
};

#endif
