#include "Store.h"

#include "Agenda.h"

#include <QFileInfo>

namespace saldovia {

void GeneralQuery::setRecNo(int recNo) {
    if (recNo >= 1 && recNo <= rows_.rowCount())
        current_ = recNo - 1;
}

const QVariant& GeneralQuery::current(const QString& field) const {
    static const QVariant none;
    const int col = rows_.requireColumn(field);
    return current_ < 0 ? none : rows_.value(current_, col);
}

QString GeneralQuery::text(const QString& field) const {
    return valueText(current(field));
}
qint64 GeneralQuery::integer(const QString& field) const {
    return valueInteger(current(field));
}

void GeneralQuery::close() {
    rows_ = ResultSet();
    current_ = -1;
    open_ = false;
}

Store::Store(QObject* parent)
    : QObject(parent), tblAgendaNastavenie(connection_, this),
      qryDoklady(connection_, QStringLiteral("qryDoklady"),
                 QStringLiteral("SELECT * FROM Doklady;"), this),
      qryUctovnyDennik(connection_, QStringLiteral("qryUctovnyDennik"),
                       QStringLiteral("SELECT * FROM UctovnyDennik ORDER BY Riadok;"), this),
      qryUctovaOsnova(connection_, QStringLiteral("qryUctovaOsnova"),
                      QStringLiteral("SELECT * FROM UctovaOsnova WHERE Cislo NOT LIKE '%0000' "
                                     "ORDER BY Cislo;"),
                      this),
      qryDokladyPolozky(connection_, QStringLiteral("qryDokladyPolozky"),
                        QStringLiteral("SELECT * FROM DokladyPolozky ORDER BY Cislo;"), this) {}

Store::~Store() {
    disconnectAgenda();
}

void Store::connectAgenda(const QString& path) {
    disconnectAgenda();
    connection_.open(path);
    try {
        tblAgendaNastavenie.open();
    } catch (...) {
        disconnectAgenda();
        throw;
    }
}

bool Store::connectCheckedAgenda(const QString& path) {
    disconnectAgenda();
    try {
        if (!QFileInfo(path).isFile())
            return false;
        connection_.open(path);
        std::vector<qint64> riadky;
        if (!jeAgenda(connection_, &riadky)) {
            disconnectAgenda();
            return false;
        }
        // The journal window, usually opened next, takes the row numbers the check has read.
        rememberKeys(connection_, RiadkyDennika + u';', std::move(riadky));
        tblAgendaNastavenie.open();
        return true;
    } catch (const std::exception&) {
        disconnectAgenda();
        return false;
    }
}

void Store::disconnectAgenda() {
    ADOQuery.close();
    for (DataSet* ds : {&qryDoklady, &qryUctovnyDennik, &qryUctovaOsnova, &qryDokladyPolozky})
        if (ds->isOpen())
            ds->close();
    if (tblAgendaNastavenie.isOpen())
        tblAgendaNastavenie.close();
    connection_.close();
}

int Store::SQL(const QString& statement) {
    ADOQuery.close();
    if (statement.left(6) == QLatin1String("SELECT")) {
        ADOQuery.rows_ = connection_.query(statement);
        ADOQuery.open_ = true;
        ADOQuery.current_ = ADOQuery.rows_.rowCount() > 0 ? 0 : -1;
        return ADOQuery.rows_.rowCount();
    }
    connection_.exec(statement);
    return -1;
}

} // namespace saldovia
