#include "TestTlac.h"

#include "reports/ReportFrame.h"

#include <QTest>

using namespace saldovia;

QStringList stlpec(const QList<ReportPage>& pages, const QString& name) {
    QStringList values;
    for (const ReportPage& p : pages)
        for (const ReportItem* item : p.findAll(name))
            values << item->text;
    return values;
}

void overitRamecRiadkov(const QList<ReportPage>& pages, int riadkov) {
    QVERIFY(!pages.isEmpty());
    for (const ReportPage& p : pages) {
        QCOMPARE(p.find(QStringLiteral("qrSysStrana"))->text,
                 QStringLiteral("Strana %1").arg(p.number));
        QCOMPARE(p.find(QStringLiteral("qrLblLicenciaNazov"))->text, LicenciaNazov);
        QCOMPARE(p.find(QStringLiteral("qrLblNazovDokladu")) != nullptr, p.number == 1);
        QCOMPARE(p.find(QStringLiteral("qrLblPodpis")) != nullptr, p.number == pages.size());
    }
    QStringList ocakavane;
    for (int i = 1; i <= riadkov; ++i)
        ocakavane << QString::number(i);
    QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtRiadok")), ocakavane);
    const ReportPage& last = pages.last();
    QVERIFY(last.find(QStringLiteral("qrShpPodpis"))->rect.top() >
            last.findAll(QStringLiteral("qrDbTxtRiadok")).last()->rect.bottom());
}
