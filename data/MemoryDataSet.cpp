#include "MemoryDataSet.h"

#include "DatabaseError.h"

namespace {

QString textOf(const QVariant& value) {
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

} // namespace

QString TField::FieldName() const {
    return dataSet_->fieldNames_.at(column_);
}

QVariant TField::Value() const {
    const QVariant* value = dataSet_->currentValue(column_);
    return value ? *value : QVariant();
}

bool TField::IsNull() const {
    return Value().isNull();
}

QString TField::AsString() const {
    return textOf(Value());
}

qint64 TField::AsInteger() const {
    const QVariant value = Value();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return qRound64(value.toDouble());
    default:
        break;
    }
    const QString text = textOf(value).trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok)
        throw DatabaseError(
            QStringLiteral("字段“%1”的值“%2”不是有效的整数。").arg(FieldName(), text));
    return number;
}

double TField::AsFloat() const {
    const QVariant value = Value();
    if (value.isNull())
        return 0.0;
    const QString text = textOf(value).trimmed();
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok)
        throw DatabaseError(
            QStringLiteral("字段“%1”的值“%2”不是有效的数字。").arg(FieldName(), text));
    return number;
}

QByteArray TField::AsBytes() const {
    const QVariant value = Value();
    if (value.isNull())
        return QByteArray();
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    return value.toString().toUtf8();
}

QDate TField::AsDate() const {
    const QString text = AsString().trimmed();
    if (text.isEmpty() || text == QStringLiteral("00000000") ||
        text == QStringLiteral("0000-00-00"))
        return QDate();
    QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw DatabaseError(
            QStringLiteral("字段“%1”的值“%2”不是有效的日期。").arg(FieldName(), text));
    return date;
}

void TField::SetValue(const QVariant& value) {
    dataSet_->assign(column_, value);
}

void TMemoryDataSet::load(const QStringList& fieldNames, QList<Row> rows) {
    fieldNames_ = fieldNames;
    rows_ = std::move(rows);
    for (Row& row : rows_) {
        row.serial = nextSerial_++;
        row.assigned = QList<bool>(fieldNames_.size(), false);
    }
    active_ = true;
    state_ = State::Browse;
    First();
}

void TMemoryDataSet::clear() {
    fieldNames_.clear();
    rows_.clear();
    active_ = false;
    state_ = State::Browse;
    current_ = -1;
    bof_ = eof_ = true;
}

void TMemoryDataSet::First() {
    Post();
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
}

void TMemoryDataSet::Next() {
    Post();
    if (current_ + 1 < rows_.size()) {
        ++current_;
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void TMemoryDataSet::Prior() {
    Post();
    if (current_ > 0) {
        --current_;
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void TMemoryDataSet::Last() {
    Post();
    current_ = rows_.size() - 1;
    eof_ = true;
    bof_ = rows_.isEmpty();
}

qsizetype TMemoryDataSet::columnIndex(const QString& name) const {
    const QString wanted = name.trimmed();
    for (qsizetype i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TField TMemoryDataSet::FieldByName(const QString& name) {
    const qsizetype column = columnIndex(name);
    if (column < 0)
        throw DatabaseError(QStringLiteral("找不到字段“%1”。").arg(name));
    return TField(this, column);
}

std::optional<TField> TMemoryDataSet::FindField(const QString& name) {
    const qsizetype column = columnIndex(name);
    if (column < 0)
        return std::nullopt;
    return TField(this, column);
}

const QVariant* TMemoryDataSet::currentValue(qsizetype column) const {
    // A field handed out before the data set was reloaded with fewer columns reads null.
    if (current_ < 0 || current_ >= rows_.size() || column >= fieldNames_.size())
        return nullptr;
    return &rows_.at(current_).values.at(column);
}

void TMemoryDataSet::assign(qsizetype column, const QVariant& value) {
    if (column >= fieldNames_.size())
        throw DatabaseError(QStringLiteral("数据集中已没有这个字段。"));
    if (state_ == State::Browse || current_ < 0)
        throw DatabaseError(QStringLiteral("数据集不在编辑或追加状态，字段“%1”不能赋值。")
                                .arg(fieldNames_.at(column)));
    Row& row = rows_[current_];
    row.values[column] = value;
    row.assigned[column] = true;
    if (row.state == RowState::Stored)
        row.state = RowState::Changed;
}

TMemoryDataSet::Row TMemoryDataSet::newRow() {
    Row row;
    row.values = QList<QVariant>(fieldNames_.size());
    row.assigned = QList<bool>(fieldNames_.size(), false);
    row.state = RowState::Appended;
    row.serial = nextSerial_++;
    return row;
}

void TMemoryDataSet::Edit() {
    if (!active_)
        throw DatabaseError(QStringLiteral("数据集未打开。"));
    if (state_ != State::Browse)
        return;
    if (rows_.isEmpty()) {
        Append();
        return;
    }
    if (current_ < 0)
        current_ = 0;
    state_ = State::Edit;
}

void TMemoryDataSet::Append() {
    if (!active_)
        throw DatabaseError(QStringLiteral("数据集未打开。"));
    Post();
    rows_.append(newRow());
    current_ = rows_.size() - 1;
    bof_ = eof_ = false;
    state_ = State::Insert;
}

void TMemoryDataSet::Post() {
    state_ = State::Browse;
}

void TMemoryDataSet::Delete() {
    if (current_ < 0 || current_ >= rows_.size())
        throw DatabaseError(QStringLiteral("数据集为空，不能删除。"));
    state_ = State::Browse;
    const Row removed = rows_.takeAt(current_);
    if (removed.state != RowState::Appended)
        rowDeleted(removed);
    if (current_ >= rows_.size())
        current_ = rows_.size() - 1;
    bof_ = eof_ = rows_.isEmpty();
}

TMemoryDataSet::TBookmark TMemoryDataSet::GetBookmark() const {
    if (current_ < 0)
        return {};
    return {rows_.at(current_).serial};
}

void TMemoryDataSet::GotoBookmark(const TBookmark& bookmark) {
    Post();
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (rows_.at(i).serial == bookmark.serial) {
            current_ = i;
            bof_ = eof_ = false;
            return;
        }
    }
    throw DatabaseError(QStringLiteral("书签所指的记录已不存在。"));
}

bool TMemoryDataSet::Locate(const QString& fieldName, const QVariant& value) {
    const qsizetype column = columnIndex(fieldName);
    if (column < 0)
        throw DatabaseError(QStringLiteral("找不到字段“%1”。").arg(fieldName));
    Post();
    const QString wanted = textOf(value);
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (textOf(rows_.at(i).values.at(column)).compare(wanted, Qt::CaseInsensitive) == 0) {
            current_ = i;
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}
