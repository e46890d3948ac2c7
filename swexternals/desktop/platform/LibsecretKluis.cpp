#include "swexternals/desktop/platform/LibsecretKluis.h"

#include <libsecret/secret.h>
#include <memory>
#include <wx/intl.h>

namespace
{
const char* const secretService = "org.freedesktop.secrets";

// Our items in the keyring; lookups find only items of this schema.
const SecretSchema* geefSchema()
{
    static const SecretSchema schema = {"nl.trivane.desktop.Wachtwoord",
                                        SECRET_SCHEMA_NONE,
                                        {
                                            {"dienst", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {"gebruiker", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        },
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

struct GFoutWeg
{
    void operator()(GError* fout) const { g_error_free(fout); }
};
using GFout = std::unique_ptr<GError, GFoutWeg>;

struct GObjectWeg
{
    void operator()(void* object) const { g_object_unref(object); }
};

struct GVariantWeg
{
    void operator()(GVariant* waarde) const { g_variant_unref(waarde); }
};
using GWaarde = std::unique_ptr<GVariant, GVariantWeg>;

// A password as libsecret hands it out: wiped when it goes.
struct WachtwoordWeg
{
    void operator()(gchar* wachtwoord) const { secret_password_free(wachtwoord); }
};

wxString alsTekst(const GError* fout)
{
    return fout ? wxString::FromUTF8(fout->message) : wxString();
}

// Asks the bus itself: NameHasOwner or ListActivatableNames.
GWaarde vraagBus(GDBusConnection* bus, const char* methode, GVariant* argumenten, const char* antwoordType,
                 GError** fout)
{
    return GWaarde(g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", methode, argumenten,
        G_VARIANT_TYPE(antwoordType), G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, fout));
}

bool isStartbaar(GDBusConnection* bus, GError** fout)
{
    const GWaarde namen = vraagBus(bus, "ListActivatableNames", nullptr, "(as)", fout);
    if (!namen)
        return false;
    GVariantIter* lijst = nullptr;
    g_variant_get(namen.get(), "(as)", &lijst);
    bool gevonden = false;
    const gchar* naam = nullptr;
    while (g_variant_iter_loop(lijst, "&s", &naam))
        gevonden = gevonden || g_strcmp0(naam, secretService) == 0;
    g_variant_iter_free(lijst);
    return gevonden;
}
} // namespace

WachtwoordKluis::Staat LibsecretKluis::geefStaat()
{
    GError* ruw = nullptr;
    std::unique_ptr<GDBusConnection, GObjectWeg> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &ruw));
    GFout busFout(ruw);
    if (!bus)
    {
        fout = _("there is no D-Bus session to reach the Secret Service through:") + " " + alsTekst(busFout.get());
        return Staat::nietBereikbaar;
    }
    const GWaarde eigenaar = vraagBus(bus.get(), "NameHasOwner", g_variant_new("(s)", secretService), "(b)", &ruw);
    GFout vraagFout(ruw);
    gboolean draait = FALSE;
    if (eigenaar)
        g_variant_get(eigenaar.get(), "(b)", &draait);
    if (!draait && !(eigenaar && isStartbaar(bus.get(), &ruw)))
    {
        GFout startFout(ruw);
        const GError* reden = vraagFout ? vraagFout.get() : startFout.get();
        fout = reden ? alsTekst(reden) : _("no Secret Service (such as GNOME Keyring) is running");
        return Staat::nietBereikbaar;
    }
    fout.clear();
    return Staat::bruikbaar;
}

wxString LibsecretKluis::geefFout() const
{
    return fout;
}

bool LibsecretKluis::bewaar(const wxString& dienst, const wxString& gebruiker, const wxString& wachtwoord)
{
    // One password per service: what another login stored under it goes.
    if (!verwijder(dienst))
        return false;
    const wxString label = dienst + " (" + gebruiker + ")";
    GError* ruw = nullptr;
    const gboolean bewaard =
        secret_password_store_sync(geefSchema(), SECRET_COLLECTION_DEFAULT, label.utf8_str(), wachtwoord.utf8_str(),
                                   nullptr, &ruw, "dienst", static_cast<const char*>(dienst.utf8_str()), "gebruiker",
                                   static_cast<const char*>(gebruiker.utf8_str()), nullptr);
    const GFout bewaarFout(ruw);
    fout = alsTekst(bewaarFout.get());
    return bewaard;
}

bool LibsecretKluis::laad(const wxString& dienst, wxString& wachtwoord)
{
    GError* ruw = nullptr;
    const std::unique_ptr<gchar, WachtwoordWeg> gevonden(secret_password_lookup_sync(
        geefSchema(), nullptr, &ruw, "dienst", static_cast<const char*>(dienst.utf8_str()), nullptr));
    const GFout laadFout(ruw);
    fout = alsTekst(laadFout.get());
    if (!gevonden)
        return false;
    wachtwoord = wxString::FromUTF8(gevonden.get());
    return true;
}

bool LibsecretKluis::verwijder(const wxString& dienst)
{
    GError* ruw = nullptr;
    // False with no error is "nothing was stored": gone all the same.
    secret_password_clear_sync(geefSchema(), nullptr, &ruw, "dienst", static_cast<const char*>(dienst.utf8_str()),
                               nullptr);
    const GFout wisFout(ruw);
    fout = alsTekst(wisFout.get());
    return !wisFout;
}
