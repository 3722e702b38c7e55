#pragma once

#include "Connection.h"

#include <QAbstractTableModel>
#include <QObject>

namespace saldovia {

class DataSet;

// How a grid shows one field of a data set.
struct GridColumn {
    QString field;
    QString title;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int width = 0;                     // pixels; 0 leaves the grid's choice
    Qt::Alignment titleAlignment = {}; // none: as the cells
};

// A table model over the rows of a data set, for grids. Without columns set it shows
// every field under its own name.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(DataSet& ds);
    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    friend class DataSet;
    void reset();
    int fieldIndex(int column) const;
    DataSet& ds_;
    QList<GridColumn> columns_;
    QList<int> fieldIndexes_;
};

// A shared data set: a statement, its fully read rows and a current row. Grids bind to
// model(); windows read the current row's fields by name.
class DataSet : public QObject {
    Q_OBJECT
public:
    DataSet(Connection& connection, const QString& name, const QString& sql,
            QObject* parent = nullptr);

    void setSQL(const QString& sql) { sql_ = sql; }
    const QString& sql() const { return sql_; }

    // Runs the statement; the current row becomes the first (none when empty).
    void open();
    void close();
    // Runs the statement again and keeps the current position where it still exists.
    void refresh();
    bool isOpen() const { return open_; }

    int recordCount() const { return rows_.rowCount(); }
    bool isEmpty() const { return rows_.rowCount() == 0; }
    // Current row counted from 1; 0 when there is none.
    int recNo() const { return current_ + 1; }
    void setRecNo(int recNo);
    // Moves to the first row whose field equals the value exactly; false if none.
    bool locate(const QString& field, const QString& value);

    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    QString text(int row, const QString& field) const;
    const ResultSet& rows() const { return rows_; }

    DataSetModel* model() { return &model_; }

signals:
    // The rows or the current row changed.
    void dataChanged();

private:
    const QVariant& currentValue(const QString& field) const;
    Connection& connection_;
    QString sql_;
    ResultSet rows_;
    int current_ = -1;
    bool open_ = false;
    DataSetModel model_;
};

// The one settings row of AgendaNastavenie, read and written in place.
class SettingsRow : public QObject {
    Q_OBJECT
public:
    explicit SettingsRow(Connection& connection, QObject* parent = nullptr);

    void open();
    void close();
    bool isOpen() const { return open_; }
    bool isEditing() const { return editing_; }

    // A field of the current row ("" for null, a missing row or a closed table).
    QString text(const QString& field) const;

    void edit();
    // Sets a field in the edit buffer; the row is written by post().
    void setText(const QString& field, const QString& value);
    void post();
    void cancel();

signals:
    void dataChanged();

private:
    Connection& connection_;
    ResultSet row_;
    QHash<int, QString> pending_;
    bool open_ = false;
    bool editing_ = false;
};

} // namespace saldovia
