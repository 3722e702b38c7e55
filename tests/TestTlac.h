#pragma once

#include "reports/Report.h"

#include <QList>
#include <QStringList>

// The texts of every item of that name on all laid-out pages, in page order.
QStringList stlpec(const QList<saldovia::ReportPage>& pages, const QString& name);

// The frame of a printout of `riadkov` numbered lines (qrDbTxtRiadok): the title on the first
// page only, the signature on the last page only and under the last line, the licence and page
// number in every footer, the lines numbered 1, 2, ... in page order.
void overitRamecRiadkov(const QList<saldovia::ReportPage>& pages, int riadkov);
