#include "Statements.h"

#include "DatabaseError.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Noncharacters reserved for internal use: they enclose a value that is not a number.
constexpr QChar NotNumberOpen(0xFDD0);
constexpr QChar NotNumberClose(0xFDD1);

const QRegularExpression& numberPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return pattern;
}

// Calls visit(position) for every character that stands outside a single-quoted literal.
template <typename Visit> void forEachUnquoted(const QString& text, Visit visit) {
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\'')) {
            // A doubled apostrophe inside a literal closes and reopens it: the net effect
            // of toggling twice is the same.
            quoted = !quoted;
            continue;
        }
        if (!quoted)
            visit(i);
    }
}

} // namespace

QString SelectSql(const QString& columns, const QString& table, const QString& condition) {
    return QStringLiteral("select %1 from %2 where 1=1 %3").arg(columns, table, condition);
}

QString InsertSql(const QString& table, const QString& columns, const QString& values) {
    return QStringLiteral("insert into %1(%2) values(%3)").arg(table, columns, values);
}

QString UpdateSql(const QString& table, const QString& assignments, const QString& condition) {
    return QStringLiteral("update %1 set %2 where 1=1 %3").arg(table, assignments, condition);
}

QString DeleteSql(const QString& table, const QString& condition) {
    return QStringLiteral("delete from %1 where 1=1 %2").arg(table, condition);
}

QString QuotedValue(const QString& text) {
    QString inner = text;
    inner.remove(NotNumberOpen).remove(NotNumberClose);
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

QString BareNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (numberPattern().match(trimmed).hasMatch())
        return trimmed;
    QString shown = text;
    shown.remove(NotNumberOpen).remove(NotNumberClose);
    return NotNumberOpen + shown + NotNumberClose;
}

QString BareNumber(qint64 number) {
    return QString::number(number);
}

QString BareNumber(double number) {
    // Infinite and undefined values give texts that are no numbers and so are refused.
    return BareNumber(QString::number(number, 'g', QLocale::FloatingPointShortest));
}

QString TranslateStatement(const QString& statement) {
    const qsizetype open = statement.indexOf(NotNumberOpen);
    if (open >= 0) {
        const qsizetype close = statement.indexOf(NotNumberClose, open + 1);
        const QString value = statement.mid(open + 1, close < 0 ? -1 : close - open - 1);
        throw DatabaseError(QStringLiteral("“%1”不是有效的数字，语句未执行。").arg(value));
    }
    static const QRegularExpression deleteStar(QStringLiteral("^(\\s*delete)\\s*\\*\\s*(from\\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString translated = statement;
    translated.replace(deleteStar, QStringLiteral("\\1 \\2"));
    return translated;
}

bool SubstitutePlaceholder(QString& statement, const QString& replacement) {
    qsizetype found = -1;
    int count = 0;
    forEachUnquoted(statement, [&](qsizetype i) {
        if (statement.at(i) == QLatin1Char('%') && i + 1 < statement.size() &&
            statement.at(i + 1) == QLatin1Char('s')) {
            found = i;
            ++count;
        }
    });
    if (count != 1)
        return false;
    statement.replace(found, 2, replacement);
    return true;
}

QStringList SplitStatements(const QString& script) {
    // Comment lines go first, so what they say cannot be taken for quotes or separators.
    QStringList lines;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QStringLiteral("--")))
            lines.append(line);
    }
    const QString text = lines.join(QLatin1Char('\n'));

    QStringList statements;
    qsizetype start = 0;
    forEachUnquoted(text, [&](qsizetype i) {
        if (text.at(i) == QLatin1Char(';')) {
            statements.append(text.mid(start, i - start).trimmed());
            start = i + 1;
        }
    });
    statements.append(text.mid(start).trimmed());
    statements.removeAll(QString());
    return statements;
}
