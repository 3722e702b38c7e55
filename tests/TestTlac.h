#pragma once

#include "reports/Report.h"

#include <QList>
#include <QStringList>

// The texts of every item of that name on all laid-out pages, in page order.
QStringList stlpec(const QList<saldovia::ReportPage>& pages, const QString& name);
