#pragma once

#include "Connection.h"
#include "DataSet.h"

#include <QObject>

namespace saldovia {

// The result of the last SELECT run through Store::SQL: open on its first row, fields
// read by name, rows chosen by record number counted from 1.
class GeneralQuery {
public:
    bool isOpen() const { return open_; }
    int recordCount() const { return rows_.rowCount(); }
    int recNo() const { return current_ + 1; }
    void setRecNo(int recNo);
    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    const ResultSet& rows() const { return rows_; }
    void close();

private:
    friend class Store;
    const QVariant& current(const QString& field) const;
    ResultSet rows_;
    int current_ = -1;
    bool open_ = false;
};

// The agenda store: the connection, the general statement entry and the shared data
// sets that windows bind to. The main window owns one.
class Store : public QObject {
    Q_OBJECT
    Connection connection_; // first: the data sets below are built on it

public:
    explicit Store(QObject* parent = nullptr);
    ~Store() override;

    // Closes any open agenda, then opens the file and its settings row.
    void connectAgenda(const QString& path);
    // Opens the file, checks it on the same connection (jeAgenda: the checks of
    // kontrolaDatabazy) and, when it is accepted, keeps that connection and opens the settings row:
    // the key is derived once. A file that is not accepted leaves nothing open and gives false.
    bool connectCheckedAgenda(const QString& path);
    // Closes the connection and every data set on it.
    void disconnectAgenda();
    bool isConnected() const { return connection_.isOpen(); }
    const QString& path() const { return connection_.path(); }

    // The general statement entry (a statement with bound values goes to connection()
    // instead). A text whose first six characters are exactly "SELECT"
    // is run as a query: its row count is returned and ADOQuery stays open on its first
    // row. Anything else is executed and gives -1. Each call discards the previous
    // result. Engine errors are thrown as DbError.
    int SQL(const QString& statement);

    Connection& connection() { return connection_; }

    GeneralQuery ADOQuery;
    SettingsRow tblAgendaNastavenie;
    DataSet qryDoklady;
    DataSet qryUctovnyDennik;
    DataSet qryUctovaOsnova;
    DataSet qryDokladyPolozky;
};

} // namespace saldovia
