#include "TestTlac.h"

using namespace saldovia;

QStringList stlpec(const QList<ReportPage>& pages, const QString& name) {
    QStringList values;
    for (const ReportPage& p : pages)
        for (const ReportItem* item : p.findAll(name))
            values << item->text;
    return values;
}
