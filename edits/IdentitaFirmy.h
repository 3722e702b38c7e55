#pragma once

#include <QString>
#include <QStringList>

namespace saldovia {

class ResultSet;
class SettingsRow;

// The company's identity as a document carries it: read from the settings row for a new
// document, or from a document's stored row of Doklady. The editors show it and save from
// it; the printouts' frame prints it.
struct IdentitaFirmy {
    QString NazovFirmy, SidloUlica, SidloPSC, SidloMesto, SidloStat, ICO, DIC, ICDPH;
    // Contacts and the bank account (kept with invoices and cash documents).
    QString Telefon, Fax, Mobil, Email, Web, Ucet, IBAN, SWIFT;
    // The number of the logo in table Logo; "0" is none.
    QString Logo = QStringLiteral("0");

    // The columns above, in this order, as Doklady and AgendaNastavenie name them.
    static const QStringList& stlpce();
    static const QStringList& stlpceAdresy();    // NazovFirmy … ICDPH
    static const QStringList& stlpceKontaktov(); // Telefon … SWIFT

    static IdentitaFirmy zNastavenia(const SettingsRow& s);
    // The first row of `doklad` (a row of Doklady); no row gives empty values.
    static IdentitaFirmy zDokladu(const ResultSet& doklad);

    QString hodnota(const QString& stlpec) const;
    void nastavit(const QString& stlpec, const QString& hodnota);
    // The logo's number; throws DbError for a stored text that is not one.
    qint64 cisloLoga() const;
};

} // namespace saldovia
