#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Writes a printable A4 form as a .docx package: body paragraphs and ruled tables, one
// paragraph in every cell. While it writes it counts paragraph ordinals as the word
// processor does (one more for every row end) and checks that each value cell lands on the
// ordinal the form declares for it, so a layout mistake is caught when the form is made.

enum class Para { Title, Subtitle, Heading, Normal, Note, Cover, Right };

struct Cell {
    enum class Kind { Label, Value, Text, Continue };
    Kind kind = Kind::Text;
    QString text; // "\n" becomes a line break inside the cell's one paragraph
    int span = 1;
    int ordinal = 0;      // value cells: the ordinal they must have
    bool restart = false; // starts a vertical merge continued by Continue cells below
    bool top = false;     // text from the top of the cell instead of its middle
    bool left = false;    // text flush left instead of centred
    bool bold = false;
};

// A label, centred.
Cell L(const QString& text, int span);
// A label that starts a column merged downwards.
Cell R(const QString& text, int span);
// A value cell the program fills, which must be paragraph ordinal `ordinal`.
Cell V(int ordinal, int span, bool top = false);
// Fixed text, flush left, for the applicant to complete by hand where it has blanks.
Cell X(const QString& text, int span, bool top = false);
// The continuation of a merged column.
Cell C(int span);

struct Row {
    QList<Cell> cells;
    int height = 454;    // twentieths of a point, at least
    bool exact = false;  // the height is fixed
    bool repeat = false; // repeated at the top of every page the table runs onto
};

class FormWriter {
public:
    // Paragraph and page width in twentieths of a point.
    static constexpr int TextWidth = 9600;

    void paragraph(const QString& text, Para style = Para::Normal, bool newPage = false);
    // Empty body paragraphs until the last written ordinal is `ordinal`.
    void padTo(int ordinal);
    // grid: the widths of the table's columns; every row's spans add up to their number.
    void table(const QList<int>& grid, const QList<Row>& rows);
    // A grid of `columns` equal columns over the text width.
    static QList<int> evenGrid(int columns = 24);

    int lastOrdinal() const { return ordinal_; }
    QStringList errors() const { return errors_; }
    // The finished package. `title` goes into the document properties.
    QByteArray docx(const QString& title) const;

private:
    QString cellXml(const Cell& cell, int width) const;
    QString body_;
    int ordinal_ = 0;
    QStringList errors_;
};
