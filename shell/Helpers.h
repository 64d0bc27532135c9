#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <stdexcept>

// Common helpers shared by every window: settings, small text utilities, tolerant number
// parsing, identifiers, conversions between stored (yyyymmdd) and shown (yyyy-mm-dd) dates,
// text layout for document paragraphs, character substitution and folder handling.
//
// Lengths and widths used for document layout are counted in the bytes of the GBK code
// page (a Chinese character takes two bytes); a character GBK cannot encode counts as the
// single byte '?'.

// Raised for a text that is not a number or not a date.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const;
};

// Application key every caller passes to ReadSetting and WriteSetting.
inline const QString SettingsKey = QStringLiteral("Quorvane");

QString ReadSetting(const QString& appKey, const QString& section, const QString& name,
                    const QString& defaultValue);
void WriteSetting(const QString& appKey, const QString& section, const QString& name,
                  const QString& value);

QString PickStr(bool flag, const QString& a, const QString& b);
QString RepeatStr(const QString& text, int count);
double ZeroIfTiny(double value);
int CountOccurrences(const QString& text, const QString& part);

// Empty text counts as 0; thousands separators "," are ignored.
double ParseAmount(const QString& text);
int ParseCount(const QString& text);

// 32 upper-case hexadecimal digits from a fresh GUID.
QString NewRecordId();

// The process's short-date format, "yyyy-MM-dd" once SetShortDateFormat has run. It is
// fixed inside this process only; the user's system settings are never changed.
void SetShortDateFormat();
QString ShortDateFormat();

QDate DateFromText(const QString& stored);
QString DashedDate(const QString& text);
QString CompactDate(const QString& text);

// GBK bytes of a text; unencodable characters become '?'.
QByteArray GbkBytes(const QString& text);
QString FromGbkBytes(const QByteArray& bytes);
int GbkLength(const QString& text);

int LineCount(const QString& text, int width);
QString PadLines(const QString& text, int lineCount, int width);
void WrapText(const QString& text, int width, int& lineCount, QString& result);

QString SubstituteChars(const QString& text, const QString& alphabet);
// The same substitution on GBK bytes.
QByteArray SubstituteBytes(const QByteArray& text, const QByteArray& alphabet);

bool RemoveFolder(const QString& path);
bool EnsureFolder(const QString& path, bool removeFirst);

// Whether a key typed into a numeric edit holding text, with the caret after caret
// characters, is acceptable (see FilterNumericKey).
bool NumericKeyAccepted(const QString& text, int caret, bool allowMinus, int decimals, QChar key);

// The path of a file or folder beside the program, given relative to AppPath with '/'
// separators. Each existing component is matched without regard to letter case, so
// "modedata/modedb.mdb" finds "ModeData/modedb.mdb"; components that do not exist are
// kept as written.
QString ProgramFile(const QString& relative);
