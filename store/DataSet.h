#pragma once

#include "Connection.h"

#include <QAbstractTableModel>
#include <QObject>

#include <memory>
#include <unordered_map>
#include <vector>

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

// How a data set with very many rows reads them: the keys of all its rows up front (one
// integer column, cheap), the rows themselves in blocks as they are asked for. The rows are
// those of the data set's statement, in ascending key order.
struct OnDemand {
    QString keys;      // the key of every row, in any order: "SELECT T.Id FROM T WHERE ...;"
    QString select;    // the statement up to its condition: "SELECT ... FROM T LEFT JOIN ..."
    QString keyColumn; // the key as `select` names it: "T.Id"
    bool isEmpty() const { return keys.isEmpty(); }
};

// The journal's row numbers, as the journal window and the acceptance check read them (the
// window adds its filter and ";").
inline const QString RiadkyDennika =
    QStringLiteral("SELECT UctovnyDennik.Riadok FROM UctovnyDennik");

// Keeps `keys` as the answer of `keysSql` on `c` until anything is written: a pass that read
// every row anyway (the acceptance check) spares the next on-demand open the dearest read.
void rememberKeys(Connection& c, const QString& keysSql, std::vector<qint64> keys);

// A shared data set: a statement, its rows and a current row. Grids bind to model();
// windows read the current row's fields by name. The rows are read whole when the data set
// opens, or, with an OnDemand description, in blocks when they are first asked for.
class DataSet : public QObject {
    Q_OBJECT
public:
    DataSet(Connection& connection, const QString& name, const QString& sql,
            QObject* parent = nullptr);

    // Sets the statement; the rows will be read whole (any OnDemand is forgotten).
    void setSQL(const QString& sql) {
        sql_ = sql;
        onDemand_ = {};
    }
    const QString& sql() const { return sql_; }
    // Reads the rows of the statement set by setSQL as `d` describes (after setSQL).
    void setOnDemand(OnDemand d) { onDemand_ = std::move(d); }
    const OnDemand& onDemand() const { return onDemand_; }

    // Runs the statement; the current row becomes the first (none when empty).
    void open();
    void close();
    // Runs the statement again and keeps the current position where it still exists.
    void refresh();
    bool isOpen() const { return open_; }

    int recordCount() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    // Current row counted from 1; 0 when there is none.
    int recNo() const { return current_ + 1; }
    void setRecNo(int recNo);
    // Moves to the first row whose field equals the value exactly; false if none.
    bool locate(const QString& field, const QString& value);

    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    QString text(int row, const QString& field) const;

    // The fields, and a value by row (counted from 0) and field index; a row that has
    // gone from the table since the data set opened reads as nulls.
    const QStringList& columns() const { return columns_; }
    int columnIndex(const QString& field) const;
    int requireColumn(const QString& field) const;
    const QVariant& value(int row, int column) const;
    QString text(int row, int column) const { return valueText(value(row, column)); }
    // Every row, for data sets read whole; a DbError for one read on demand.
    const ResultSet& rows() const;
    // Rows held in memory at the moment (all of them unless read on demand).
    int rowsHeld() const;

    DataSetModel* model() { return &model_; }

signals:
    // The rows or the current row changed.
    void dataChanged();

private:
    struct Block {
        ResultSet rows;
        QList<int> rowOf; // for each position of the block, its row in `rows`, or -1
        quint64 used = 0;
    };
    const Block& block(int index) const;
    const QVariant& currentValue(const QString& field) const;
    Connection& connection_;
    QString sql_;
    OnDemand onDemand_;
    bool whole_ = true;
    ResultSet rows_; // the whole result, when not read on demand
    std::shared_ptr<const std::vector<qint64>> keys_;
    mutable std::unordered_map<int, Block> blocks_;
    mutable quint64 uses_ = 0;
    QStringList columns_;
    int count_ = 0;
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
