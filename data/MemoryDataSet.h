#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class TMemoryDataSet;

// The complete result of a select: column names and rows of values. A plain value: copying
// it copies the data, and nothing in it refers back to the database.
struct TDataPacket {
    QStringList fieldNames;
    QList<QList<QVariant>> rows;

    bool operator==(const TDataPacket&) const = default;
};

// One column of the current row of a data set, as FieldByName hands it out. Reading on a
// data set without a current row gives a null value; writing needs the data set in edit or
// append state.
class TField {
public:
    TField(TMemoryDataSet* dataSet, qsizetype column) : dataSet_(dataSet), column_(column) {}

    QString FieldName() const;
    QVariant Value() const;
    bool IsNull() const;
    // Null gives the empty text; binary content is read as UTF-8 text.
    QString AsString() const;
    // Null and the empty text give 0; any other text that is not a number raises
    // DatabaseError.
    qint64 AsInteger() const;
    double AsFloat() const;
    // Text content is given as its UTF-8 bytes.
    QByteArray AsBytes() const;
    // A stored date: "yyyymmdd" or "yyyy-mm-dd"; the empty text (or null) is no date, a
    // null QDate; anything else raises DatabaseError.
    QDate AsDate() const;

    void SetValue(const QVariant& value);
    void SetAsString(const QString& value) { SetValue(value); }
    void SetAsInteger(qint64 value) { SetValue(value); }
    void SetAsFloat(double value) { SetValue(value); }
    void SetAsBytes(const QByteArray& value) { SetValue(value); }
    void Clear() { SetValue(QVariant()); }

private:
    TMemoryDataSet* dataSet_;
    qsizetype column_;
};

// Rows held in memory with a cursor and the navigation and editing operations of a data set.
// TCustomRecordSet is one over a data packet; TAdoRecordData is one bound to a table, which
// remembers what changed so it can write it back.
class TMemoryDataSet {
public:
    enum class State { Browse, Edit, Insert };
    // A remembered row, for GotoBookmark.
    struct TBookmark {
        quint64 serial = 0;
    };

    TMemoryDataSet() = default;
    virtual ~TMemoryDataSet() = default;
    TMemoryDataSet(const TMemoryDataSet&) = delete;
    TMemoryDataSet& operator=(const TMemoryDataSet&) = delete;

    // Whether the data set holds a result (after SetData, OpenCommand, OpenSql).
    bool Active() const { return active_; }

    void First();
    void Next();
    void Prior();
    void Last();
    int RecordCount() const { return int(rows_.size()); }
    // 1-based number of the current row; 0 when there is none.
    int RecNo() const { return current_ < 0 ? 0 : int(current_ + 1); }
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    // True when the data set holds no row.
    bool IsEmpty() const { return rows_.isEmpty(); }

    QStringList FieldNames() const { return fieldNames_; }
    // The named column (letter case ignored); a name the result does not hold raises
    // DatabaseError.
    TField FieldByName(const QString& name);
    // Null when the result does not hold the column.
    std::optional<TField> FindField(const QString& name);

    State DataSetState() const { return state_; }
    // Puts the current row into edit state; on a data set without rows it appends one.
    void Edit();
    // Adds an empty row at the end, makes it current and puts it into append state.
    void Append();
    // Ends edit or append state, keeping the values assigned.
    void Post();
    // Removes the current row.
    void Delete();

    TBookmark GetBookmark() const;
    // Returns to a remembered row; raises DatabaseError when it has been deleted.
    void GotoBookmark(const TBookmark& bookmark);

    // Finds the first row whose named column holds the value, letter case ignored, and makes
    // it current.
    bool Locate(const QString& fieldName, const QVariant& value);

protected:
    enum class RowState { Stored, Changed, Appended };
    struct Row {
        QList<QVariant> values;
        QList<bool> assigned; // columns given a value since the row was loaded
        RowState state = RowState::Stored;
        qint64 key = 0;     // the engine's row identity, where the data set knows it
        quint64 serial = 0; // stable identity within this data set, for bookmarks
    };

    // Replaces the contents; the cursor goes to the first row.
    void load(const QStringList& fieldNames, QList<Row> rows);
    void clear();
    // Called with a stored row that Delete removes.
    virtual void rowDeleted(const Row&) {}

    QStringList fieldNames_;
    QList<Row> rows_;

private:
    friend class TField;
    qsizetype columnIndex(const QString& name) const;
    const QVariant* currentValue(qsizetype column) const;
    void assign(qsizetype column, const QVariant& value);
    Row newRow();

    bool active_ = false;
    qsizetype current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    State state_ = State::Browse;
    quint64 nextSerial_ = 1;
};
