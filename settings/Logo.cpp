#include "Logo.h"

#include "store/Store.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace saldovia {

namespace {

// Reads a picture from a reader, asking for a smaller size up front when the picture
// is bigger than the limit, so that a huge file is never decoded at full size where the
// format allows it.
QImage precitat(QImageReader& reader, const QSize& najviac) {
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {};
    const QSize velkost = reader.size();
    if (najviac.isValid() && velkost.isValid() &&
        (velkost.width() > najviac.width() || velkost.height() > najviac.height()))
        reader.setScaledSize(velkost.scaled(najviac, Qt::KeepAspectRatio).expandedTo({1, 1}));
    QImage obrazok = reader.read();
    if (obrazok.isNull())
        return {};
    if (najviac.isValid() &&
        (obrazok.width() > najviac.width() || obrazok.height() > najviac.height()))
        obrazok = obrazok.scaled(najviac, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return obrazok;
}

} // namespace

QImage NacitatLogo(Store& store, const QString& cislo) {
    bool ok = false;
    const qint64 n = cislo.toLongLong(&ok);
    if (!ok || n <= 0)
        return {};
    const ResultSet r =
        store.connection().query(QStringLiteral("SELECT Obrazok FROM Logo WHERE Cislo = ?;"), {n});
    if (r.rowCount() == 0)
        return {};
    const QVariant& v = r.value(0, 0);
    if (v.typeId() != QMetaType::QByteArray)
        return {};
    QByteArray bytes = v.toByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return precitat(reader, QSize());
}

QByteArray bmpLoga(const QImage& obrazok) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!obrazok.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw DbError(QStringLiteral("Logo sa nepodarilo uložiť ako bitmapu."));
    return bytes;
}

void UlozitLogo(Store& store, int cislo, const QImage& obrazok) {
    store.connection().execBound(QStringLiteral("INSERT INTO Logo (Cislo, Obrazok) VALUES (?, ?);"),
                                 {cislo, bmpLoga(obrazok)});
}

QImage obrazokLoga(const QString& cesta) {
    QImageReader reader(cesta);
    reader.setDecideFormatFromContent(true);
    const QImage obrazok = precitat(reader, NajvacsieLogo);
    if (obrazok.isNull())
        return {};
    // Printouts are white: transparent parts become white instead of black.
    QImage biely(obrazok.size(), QImage::Format_RGB32);
    biely.fill(Qt::white);
    QPainter p(&biely);
    p.drawImage(0, 0, obrazok);
    p.end();
    return biely;
}

} // namespace saldovia
