#include "Logo.h"

#include "store/Store.h"

namespace saldovia {

QImage NacitatLogo(Store& store, const QString& cislo) {
    if (cislo.isEmpty() || cislo == QLatin1String("0"))
        return {};
    bool ok = false;
    const qlonglong number = cislo.toLongLong(&ok);
    if (!ok)
        return {};
    const ResultSet rows = store.connection().query(
        QStringLiteral("SELECT Obrazok FROM Logo WHERE Cislo = ?;"), {number});
    if (rows.rowCount() == 0)
        return {};
    const QVariant& value = rows.value(0, 0);
    const QByteArray bytes =
        value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
    return QImage::fromData(bytes);
}

} // namespace saldovia
