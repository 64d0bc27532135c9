#pragma once

#include <QString>

// The four statement shapes every window composes its statements from, and the helpers
// that put values into them.
//
// Values are never pasted into a statement as they stand:
// - a value written between quotes goes through QuotedValue, which doubles embedded
//   apostrophes, so no typed text can end the literal early;
// - a value written without quotes (row numbers, amounts, scores) goes through BareNumber,
//   which passes a number through and turns anything else into a marker that makes the
//   statement fail before it reaches the database.
// Together they guarantee that no text a user types changes what a statement does.

// "select %s from %s where 1=1 %s"
QString SelectSql(const QString& columns, const QString& table, const QString& condition);
// "insert into %s(%s) values(%s)"
QString InsertSql(const QString& table, const QString& columns, const QString& values);
// "update %s set %s where 1=1 %s"
QString UpdateSql(const QString& table, const QString& assignments, const QString& condition);
// "delete from %s where 1=1 %s"
QString DeleteSql(const QString& table, const QString& condition);

// The text between single quotes, every apostrophe inside doubled: O'Neil gives 'O''Neil'.
// The two internal marker characters BareNumber uses are dropped from the text.
QString QuotedValue(const QString& text);

// The trimmed text when it is a decimal number (optional sign, digits, optional fraction,
// optional exponent); otherwise a marker that every statement containing it is refused for.
QString BareNumber(const QString& text);
QString BareNumber(qint64 number);
QString BareNumber(double number);

// Makes a statement written in the old engine's dialect acceptable to ours, in one place:
// "delete * from" becomes "delete from". Throws DatabaseError when the statement carries
// a BareNumber marker, naming the value that is not a number.
QString TranslateStatement(const QString& statement);

// Replaces the one "%s" that stands outside quoted literals by the replacement. Returns
// false (and leaves statement untouched) when there is none or more than one; a "%s"
// typed inside a quoted value is never touched.
bool SubstitutePlaceholder(QString& statement, const QString& replacement);

// The statement split at the semicolons outside quoted literals, each part trimmed, empty
// parts dropped. Used for the schema script.
QStringList SplitStatements(const QString& script);
