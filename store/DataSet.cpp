#include "DataSet.h"

#include <sqlite3.h>

#include <algorithm>

namespace saldovia {

namespace {

constexpr int BlockSize = 256;   // rows read by one statement
constexpr size_t MaxBlocks = 64; // blocks kept: the rows a grid shows and some around them

// The keys of the last key statement run: the two data sets of one list ask for the same
// keys one after the other, and reading them is the dearest part of opening. They are
// reused while nothing has been written since, on this connection or any other.
struct KeyCache {
    quint64 connection = 0; // Connection::serial()
    QString sql;
    int changes = -1;
    qint64 version = -1;
    std::weak_ptr<const std::vector<qint64>> keys;
    // keys remembered by rememberKeys: held until the first open takes them
    std::shared_ptr<const std::vector<qint64>> remembered;
};
KeyCache& keyCache() {
    static KeyCache cache;
    return cache;
}

qint64 dataVersion(Connection& c) {
    return c.query(QStringLiteral("PRAGMA data_version;")).integer(0, 0);
}

std::shared_ptr<const std::vector<qint64>> sortedKeys(std::vector<qint64> keys) {
    // Row numbers come in the order of whatever answers the statement: sorted already when
    // the table itself is read.
    if (!std::is_sorted(keys.begin(), keys.end()))
        std::sort(keys.begin(), keys.end());
    return std::make_shared<const std::vector<qint64>>(std::move(keys));
}

std::shared_ptr<const std::vector<qint64>> readKeys(Connection& c, const QString& sql) {
    const qint64 version = dataVersion(c);
    const int changes = sqlite3_total_changes(c.handle());
    KeyCache& cache = keyCache();
    const bool same = cache.connection == c.serial() && cache.sql == sql &&
                      cache.changes == changes && cache.version == version;
    auto remembered = std::move(cache.remembered);
    if (same && remembered)
        return remembered;
    if (auto kept = cache.keys.lock(); same && kept)
        return kept;
    auto keys = sortedKeys(c.integers(sql));
    cache = {c.serial(), sql, changes, version, keys, nullptr};
    return keys;
}

QString keyField(const QString& keyColumn) {
    return keyColumn.mid(keyColumn.lastIndexOf(u'.') + 1);
}

const QVariant& noValue() {
    static const QVariant none;
    return none;
}

} // namespace

void rememberKeys(Connection& c, const QString& keysSql, std::vector<qint64> keys) {
    auto sorted = sortedKeys(std::move(keys));
    keyCache() = {c.serial(),     keysSql, sqlite3_total_changes(c.handle()),
                  dataVersion(c), sorted,  sorted};
}

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
        fieldIndexes_ << ds_.columnIndex(c.field);
    endResetModel();
}

int DataSetModel::fieldIndex(int column) const {
    if (columns_.isEmpty())
        return column;
    return column < fieldIndexes_.size() ? fieldIndexes_[column] : -1;
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ds_.recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return columns_.isEmpty() ? static_cast<int>(ds_.columns().size())
                              : static_cast<int>(columns_.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int field = fieldIndex(index.column());
    if (role == Qt::DisplayRole) {
        if (field < 0 || field >= ds_.columns().size())
            return {};
        try {
            return ds_.text(index.row(), field);
        } catch (const DbError&) {
            return {}; // a block that cannot be read shows empty cells, not a crash mid-paint
        }
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
        return ds_.columns().value(section);
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
    if (onDemand_.isEmpty()) {
        ResultSet rows = connection_.query(sql_);
        rows_ = std::move(rows);
        whole_ = true;
        keys_.reset();
        blocks_.clear();
        columns_ = rows_.columns();
        count_ = rows_.rowCount();
    } else {
        auto keys = readKeys(connection_, onDemand_.keys);
        // the fields, from a statement that reads no row
        const ResultSet none = connection_.query(onDemand_.select + QStringLiteral(" WHERE 0;"));
        none.requireColumn(keyField(onDemand_.keyColumn));
        rows_ = ResultSet();
        whole_ = false;
        keys_ = std::move(keys);
        blocks_.clear();
        columns_ = none.columns();
        count_ = static_cast<int>(keys_->size());
    }
    open_ = true;
    current_ = count_ > 0 ? 0 : -1;
    model_.reset();
    emit dataChanged();
}

void DataSet::close() {
    rows_ = ResultSet();
    keys_.reset();
    blocks_.clear();
    columns_.clear();
    count_ = 0;
    open_ = false;
    current_ = -1;
    model_.reset();
    emit dataChanged();
}

void DataSet::refresh() {
    const int keep = current_;
    open();
    if (keep >= 0 && count_ > 0)
        setRecNo(std::min(keep, count_ - 1) + 1);
}

void DataSet::setRecNo(int recNo) {
    if (recNo < 1 || recNo > count_)
        return;
    if (current_ != recNo - 1) {
        current_ = recNo - 1;
        emit dataChanged();
    }
}

bool DataSet::locate(const QString& field, const QString& value) {
    const int col = columnIndex(field);
    if (col < 0)
        return false;
    for (int r = 0; r < count_; ++r) {
        if (text(r, col) == value) {
            setRecNo(r + 1);
            return true;
        }
    }
    return false;
}

int DataSet::columnIndex(const QString& field) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int DataSet::requireColumn(const QString& field) const {
    const int i = columnIndex(field);
    if (i < 0)
        throw DbError(QStringLiteral("Pole '%1' sa nenašlo.").arg(field));
    return i;
}

const DataSet::Block& DataSet::block(int index) const {
    if (auto it = blocks_.find(index); it != blocks_.end()) {
        it->second.used = ++uses_;
        return it->second;
    }
    if (blocks_.size() >= MaxBlocks) {
        auto oldest = blocks_.begin();
        for (auto it = blocks_.begin(); it != blocks_.end(); ++it)
            if (it->second.used < oldest->second.used)
                oldest = it;
        blocks_.erase(oldest);
    }
    const std::vector<qint64>& keys = *keys_;
    const int first = index * BlockSize;
    const int n = std::min(BlockSize, count_ - first);
    QString list;
    list.reserve(n * 8);
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            list += u',';
        list += QString::number(keys[static_cast<size_t>(first + i)]);
    }
    Block b;
    b.rows = connection_.query(onDemand_.select + QStringLiteral(" WHERE ") + onDemand_.keyColumn +
                               QStringLiteral(" IN (") + list + QStringLiteral(") ORDER BY ") +
                               onDemand_.keyColumn + QStringLiteral(";"));
    // Both the rows and the positions are in key order; a key whose row has gone since the
    // keys were read keeps its position with no row.
    const int keyCol = b.rows.requireColumn(keyField(onDemand_.keyColumn));
    b.rowOf.fill(-1, n);
    int r = 0;
    for (int i = 0; i < n && r < b.rows.rowCount(); ++i) {
        const qint64 key = keys[static_cast<size_t>(first + i)];
        while (r < b.rows.rowCount() && b.rows.integer(r, keyCol) < key)
            ++r;
        if (r < b.rows.rowCount() && b.rows.integer(r, keyCol) == key)
            b.rowOf[i] = r++;
    }
    b.used = ++uses_;
    return blocks_.emplace(index, std::move(b)).first->second;
}

const QVariant& DataSet::value(int row, int column) const {
    if (row < 0 || row >= count_ || column < 0 || column >= columns_.size())
        return noValue();
    if (whole_)
        return rows_.value(row, column);
    const Block& b = block(row / BlockSize);
    const int r = b.rowOf[row % BlockSize];
    return r < 0 ? noValue() : b.rows.value(r, column);
}

const ResultSet& DataSet::rows() const {
    if (!whole_)
        throw DbError(QStringLiteral("Údaje %1 sa čítajú po častiach.").arg(objectName()));
    return rows_;
}

int DataSet::rowsHeld() const {
    if (whole_)
        return count_;
    int n = 0;
    for (const auto& [index, b] : blocks_)
        n += b.rows.rowCount();
    return n;
}

const QVariant& DataSet::currentValue(const QString& field) const {
    const int col = requireColumn(field);
    if (current_ < 0)
        return noValue();
    return value(current_, col);
}

QString DataSet::text(const QString& field) const {
    return valueText(currentValue(field));
}
qint64 DataSet::integer(const QString& field) const {
    return valueInteger(currentValue(field));
}

QString DataSet::text(int row, const QString& field) const {
    return text(row, requireColumn(field));
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
