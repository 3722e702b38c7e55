#include "DataSet.h"

namespace saldovia {

DataSetModel::DataSetModel(DataSet& ds) : ds_(ds) {}

void DataSetModel::setColumns(QList<GridColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    fieldIndexes_.clear();
    endResetModel();
    reset();
}

void DataSetModel::reset() {
    beginResetModel();
    fieldIndexes_.clear();
    for (const GridColumn& c : columns_)
        fieldIndexes_ << ds_.rows().columnIndex(c.field);
    endResetModel();
}

int DataSetModel::fieldIndex(int column) const {
    if (columns_.isEmpty())
        return column;
    return column < fieldIndexes_.size() ? fieldIndexes_[column] : -1;
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ds_.rows().rowCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return columns_.isEmpty() ? ds_.rows().columnCount() : static_cast<int>(columns_.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int field = fieldIndex(index.column());
    if (role == Qt::DisplayRole) {
        if (field < 0 || field >= ds_.rows().columnCount())
            return {};
        return ds_.rows().text(index.row(), field);
    }
    if (role == Qt::TextAlignmentRole && !columns_.isEmpty())
        return QVariant::fromValue(columns_[index.column()].alignment);
    return {};
}

QVariant DataSetModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::DisplayRole) {
        if (!columns_.isEmpty())
            return columns_.value(section).title;
        return ds_.rows().columns().value(section);
    }
    if (role == Qt::TextAlignmentRole && !columns_.isEmpty()) {
        const GridColumn c = columns_.value(section);
        return QVariant::fromValue(c.titleAlignment ? c.titleAlignment : c.alignment);
    }
    return {};
}

DataSet::DataSet(Connection& connection, const QString& name, const QString& sql, QObject* parent)
    : QObject(parent), connection_(connection), sql_(sql), model_(*this) {
    setObjectName(name);
}

void DataSet::open() {
    ResultSet rows = connection_.query(sql_);
    rows_ = std::move(rows);
    open_ = true;
    current_ = rows_.rowCount() > 0 ? 0 : -1;
    model_.reset();
    emit dataChanged();
}

void DataSet::close() {
    rows_ = ResultSet();
    open_ = false;
    current_ = -1;
    model_.reset();
    emit dataChanged();
}

void DataSet::refresh() {
    const int keep = current_;
    open();
    if (keep >= 0 && rows_.rowCount() > 0)
        setRecNo(std::min(keep, rows_.rowCount() - 1) + 1);
}

void DataSet::setRecNo(int recNo) {
    if (recNo < 1 || recNo > rows_.rowCount())
        return;
    if (current_ != recNo - 1) {
        current_ = recNo - 1;
        emit dataChanged();
    }
}

bool DataSet::locate(const QString& field, const QString& value) {
    const int col = rows_.columnIndex(field);
    if (col < 0)
        return false;
    for (int r = 0; r < rows_.rowCount(); ++r) {
        if (rows_.text(r, col) == value) {
            setRecNo(r + 1);
            return true;
        }
    }
    return false;
}

const QVariant& DataSet::currentValue(const QString& field) const {
    static const QVariant none;
    const int col = rows_.requireColumn(field);
    if (current_ < 0)
        return none;
    return rows_.value(current_, col);
}

QString DataSet::text(const QString& field) const {
    return valueText(currentValue(field));
}
qint64 DataSet::integer(const QString& field) const {
    return valueInteger(currentValue(field));
}

QString DataSet::text(int row, const QString& field) const {
    return rows_.text(row, rows_.requireColumn(field));
}

SettingsRow::SettingsRow(Connection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {
    setObjectName(QStringLiteral("tblAgendaNastavenie"));
}

void SettingsRow::open() {
    row_ = connection_.query(QStringLiteral("SELECT rowid AS RowIdNastavenia, * FROM "
                                            "AgendaNastavenie ORDER BY rowid LIMIT 1;"));
    open_ = true;
    editing_ = false;
    pending_.clear();
    emit dataChanged();
}

void SettingsRow::close() {
    row_ = ResultSet();
    open_ = false;
    editing_ = false;
    pending_.clear();
    emit dataChanged();
}

QString SettingsRow::text(const QString& field) const {
    const int col = row_.columnIndex(field);
    if (col < 0 || row_.rowCount() == 0)
        return {};
    if (editing_) {
        auto it = pending_.find(col);
        if (it != pending_.end())
            return *it;
    }
    return row_.text(0, col);
}

void SettingsRow::edit() {
    if (!open_)
        throw DbError(QStringLiteral("Nastavenia agendy nie sú otvorené."));
    editing_ = true;
}

void SettingsRow::setText(const QString& field, const QString& value) {
    if (!editing_)
        edit();
    const int col = row_.requireColumn(field);
    if (col == 0)
        throw DbError(QStringLiteral("Pole '%1' sa nedá zmeniť.").arg(field));
    pending_[col] = value;
}

void SettingsRow::post() {
    if (!editing_)
        return;
    if (!pending_.isEmpty()) {
        if (row_.rowCount() == 0)
            throw DbError(QStringLiteral("Tabuľka AgendaNastavenie neobsahuje žiadny riadok."));
        QStringList sets;
        QVariantList params;
        for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
            sets << row_.columns()[it.key()] + QStringLiteral(" = ?");
            params << it.value();
        }
        params << row_.value(0, 0);
        connection_.execBound(QStringLiteral("UPDATE AgendaNastavenie SET %1 WHERE rowid = ?;")
                                  .arg(sets.join(QStringLiteral(", "))),
                              params);
    }
    open(); // reread: the stored row is the truth
}

void SettingsRow::cancel() {
    pending_.clear();
    editing_ = false;
    emit dataChanged();
}

} // namespace saldovia
