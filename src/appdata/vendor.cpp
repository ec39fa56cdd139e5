#include "vendor.h"

namespace {
const QString Site = QStringLiteral("https://www.brentola.example/");
} // namespace

QList<SpotEntry> Vendor::spots()
{
    const SpotEntry fatture{QStringLiteral("Brentola Fatture: le tue fatture pronte in un clic."),
                            Site + QStringLiteral("fatture")};
    const SpotEntry agenda{QStringLiteral("Brentola Agenda: appuntamenti e scadenze sempre a portata di mano."),
                           Site + QStringLiteral("agenda")};
    const SpotEntry paghe{QStringLiteral("Brentola Paghe: cedolini e contributi per il piccolo ufficio."),
                          Site + QStringLiteral("paghe")};
    // The programs most asked about come round more than once.
    return {
        fatture,
        agenda,
        {QStringLiteral("Brentola Magazzino: carichi, scarichi e inventario senza fatica."),
         Site + QStringLiteral("magazzino")},
        paghe,
        {QStringLiteral("Brentola Etichette: indirizzi ed etichette stampati su ogni foglio."),
         Site + QStringLiteral("etichette")},
        fatture,
        {QStringLiteral("Brentola Prima Nota: entrate e uscite di cassa sempre in ordine."),
         Site + QStringLiteral("primanota")},
        agenda,
        {QStringLiteral("Brentola Ricevute: ricevute e quietanze in un attimo."),
         Site + QStringLiteral("ricevute")},
        paghe,
    };
}

QString Vendor::postalAddress()
{
    return QStringLiteral("Via dei Tipografi, 14\r\n36100 Castelrovo (VI)");
}

QString Vendor::webCaption()
{
    return QStringLiteral("www.brentola.example");
}

QString Vendor::webAddress()
{
    return Site;
}
