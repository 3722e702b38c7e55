#include "Cislovanie.h"

#include "store/Connection.h"

namespace saldovia {

std::optional<QString> dalsieCisloDokladu(const QString& prefix, const QString& rok,
                                          const QStringList& existujuce,
                                          const std::function<bool(const QString&)>& obsadene) {
    int poradie = 1;
    if (!existujuce.isEmpty()) {
        const QString najvyssie = existujuce.constLast();
        bool ok = false;
        const int posledne = najvyssie.right(2).toInt(&ok);
        if (!ok || najvyssie.size() < 2)
            throw DbError(
                QStringLiteral("Číslo dokladu '%1' nekončí poradovým číslom.").arg(najvyssie));
        poradie = posledne + 1;
    }
    const QString roky = rok.mid(2, 2);
    for (; poradie <= NajviacDokladov; ++poradie) {
        const QString cislo = prefix + roky + QStringLiteral("%1").arg(poradie, 2, 10, QChar(u'0'));
        if (!obsadene || !obsadene(cislo))
            return cislo;
    }
    return std::nullopt;
}

} // namespace saldovia
