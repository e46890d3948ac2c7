#ifndef TOEPASSING_KERN_REQUIREMENT_H
#define TOEPASSING_KERN_REQUIREMENT_H

#include <wx/datetime.h>
#include <wx/string.h>

class wxFileName;

// One requirement as a value. Its fields carry the names of the columns of
// the table Requirements, in the order of the exchange file; werkVerricht and
// laagFruit are computed by the view RekZicht and never stored.
class Requirement
{
public:
    // Stored as 32-bit integers; a search uses values beyond the last one.
    enum Status : int
    {
        StatusOntwikkeling = 0,
        StatusGedefinieerd = 1,
        StatusGeimplementeerd = 2,
        StatusGetest = 3,
        StatusKlaar = 4,
        StatusAlle = 5 // search filter only: no status condition
    };
    enum Type : int
    {
        TypeBusiness = 0,
        TypeGebruiker = 1,
        TypeSysteem = 2,
        TypeAlle = 3 // search filter only
    };
    enum FunkType : int
    {
        FunkTypeFunktioneel = 0,
        FunkTypePrestatie = 1,
        FunkTypeKwaliteit = 2,
        FunkTypeBeperking = 3,
        FunkTypeAlle = 4 // search filter only
    };

    // A status, type or functional type read from a file may lie outside the
    // known values (a damaged or foreign file, an exchange file of another
    // writer). It is kept and stored as it is, but never used to index a
    // table of names or colours: test it with these first.
    static bool isBekend(Status status) { return status >= StatusOntwikkeling && status <= StatusKlaar; }
    static bool isBekend(Type type) { return type >= TypeBusiness && type <= TypeSysteem; }
    static bool isBekend(FunkType funkType) { return funkType >= FunkTypeFunktioneel && funkType <= FunkTypeBeperking; }

    // Today at 00:00 as its date, signed off one year later.
    Requirement();
    Requirement(const Requirement&) = default;
    Requirement(Requirement&&) = default;
    // A default record filled from an exchange file; a file that cannot be
    // read leaves the default record.
    explicit Requirement(const wxFileName& bestand);
    ~Requirement() = default;

    Requirement& operator=(const Requirement&) = default;
    // Member by member, so no field is ever left out. wxString has no move
    // of its own: its texts are copied, and the source keeps them.
    Requirement& operator=(Requirement&&) = default;

    // The exchange file: 22 fields, each between "<<##" and "##>>".
    // 0 read or written; 2 the file could not be opened, read or closed.
    [[nodiscard]] int leesVanDisk(const wxFileName& bestand);
    [[nodiscard]] int bewaarOpDisk(const wxFileName& bestand) const;

    wxString naam;
    wxString auteur;
    int SR = 0;
    wxString versie;
    unsigned int prioriteit = 50;
    unsigned int totaleKosten = 50;
    wxString beschrijving;
    wxString implementatie;
    wxString implementatieIngenieur;
    wxString validatie_test;
    wxString testLogboek;
    wxString testIngenieur;
    wxString externeRef;
    wxString kommentaar;
    wxString aftekenaar;
    wxDateTime afgetekendDatum;
    int SR_ouder = -1;
    int SR_gerelateerd = -1;
    Status status = StatusOntwikkeling;
    Type type = TypeGebruiker;
    FunkType funkType = FunkTypeFunktioneel;
    wxDateTime datum;
    float werkVerricht = 0.0f;
    float laagFruit = 0.0f;
};

#endif
