#include "IdentitaFirmy.h"

#include "store/DataSet.h"

namespace saldovia {

namespace {

QString* pole(IdentitaFirmy& i, const QString& stlpec) {
    static const QStringList& s = IdentitaFirmy::stlpce();
    QString* polia[] = {&i.NazovFirmy, &i.SidloUlica, &i.SidloPSC, &i.SidloMesto, &i.SidloStat,
                        &i.ICO,        &i.DIC,        &i.ICDPH,    &i.Telefon,    &i.Fax,
                        &i.Mobil,      &i.Email,      &i.Web,      &i.Ucet,       &i.IBAN,
                        &i.SWIFT,      &i.Logo};
    const auto k = s.indexOf(stlpec);
    return k < 0 ? nullptr : polia[k];
}

template <class Citat> IdentitaFirmy precitat(Citat citat) {
    IdentitaFirmy i;
    for (const QString& s : IdentitaFirmy::stlpce())
        i.nastavit(s, citat(s));
    if (i.Logo.isEmpty())
        i.Logo = QStringLiteral("0");
    return i;
}

} // namespace

const QStringList& IdentitaFirmy::stlpceAdresy() {
    static const QStringList s = {QStringLiteral("NazovFirmy"), QStringLiteral("SidloUlica"),
                                  QStringLiteral("SidloPSC"),   QStringLiteral("SidloMesto"),
                                  QStringLiteral("SidloStat"),  QStringLiteral("ICO"),
                                  QStringLiteral("DIC"),        QStringLiteral("ICDPH")};
    return s;
}

const QStringList& IdentitaFirmy::stlpce() {
    static const QStringList s =
        stlpceAdresy() + stlpceKontaktov() + QStringList{QStringLiteral("Logo")};
    return s;
}

const QStringList& IdentitaFirmy::stlpceKontaktov() {
    static const QStringList s = {QStringLiteral("Telefon"), QStringLiteral("Fax"),
                                  QStringLiteral("Mobil"),   QStringLiteral("Email"),
                                  QStringLiteral("Web"),     QStringLiteral("Ucet"),
                                  QStringLiteral("IBAN"),    QStringLiteral("SWIFT")};
    return s;
}

IdentitaFirmy IdentitaFirmy::zNastavenia(const SettingsRow& s) {
    return precitat([&s](const QString& stlpec) { return s.text(stlpec); });
}

IdentitaFirmy IdentitaFirmy::zDokladu(const ResultSet& doklad) {
    return precitat([&doklad](const QString& stlpec) {
        const int k = doklad.columnIndex(stlpec);
        return doklad.rowCount() > 0 && k >= 0 ? doklad.text(0, k) : QString();
    });
}

QString IdentitaFirmy::hodnota(const QString& stlpec) const {
    const QString* p = pole(const_cast<IdentitaFirmy&>(*this), stlpec);
    return p ? *p : QString();
}

void IdentitaFirmy::nastavit(const QString& stlpec, const QString& hodnota) {
    if (QString* p = pole(*this, stlpec))
        *p = hodnota;
}

qint64 IdentitaFirmy::cisloLoga() const {
    if (Logo.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = Logo.toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie je platné číslo loga.").arg(Logo));
    return n;
}

} // namespace saldovia
