#include "Helpers.h"

#include "SystemInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QUuid>

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString()) {}

QString ConversionError::message() const {
    return QString::fromStdString(what());
}

namespace {

QString shortDateFormat = QStringLiteral("yyyy-MM-dd");

// Parses year-month-day joined by '-' the way the short-date format reads them: one or
// more digits per part.
QDate parseDashedDate(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() == 3) {
        bool okY = false, okM = false, okD = false;
        const int y = parts[0].trimmed().toInt(&okY);
        const int m = parts[1].trimmed().toInt(&okM);
        const int d = parts[2].trimmed().toInt(&okD);
        const QDate date(y, m, d);
        if (okY && okM && okD && date.isValid())
            return date;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
}

bool startsCompact(const QString& text) {
    const int dash = text.indexOf(QLatin1Char('-'));
    return dash < 0 || dash < 4;
}

// Byte width of each character of text in GBK; a surrogate pair is one character.
int gbkWidth(QStringView character) {
    return int(GbkBytes(character.toString()).size());
}

} // namespace

QString ReadSetting(const QString& appKey, const QString& section, const QString& name,
                    const QString& defaultValue) {
    QSettings settings(appKey, section);
    const QVariant value = settings.value(name);
    return value.isValid() ? value.toString() : defaultValue;
}

void WriteSetting(const QString& appKey, const QString& section, const QString& name,
                  const QString& value) {
    QSettings settings(appKey, section);
    settings.setValue(name, value);
}

QString PickStr(bool flag, const QString& a, const QString& b) {
    return flag ? a : b;
}

QString RepeatStr(const QString& text, int count) {
    return count > 0 ? text.repeated(count) : QString();
}

double ZeroIfTiny(double value) {
    return qAbs(value) < 1e-8 ? 0.0 : value;
}

int CountOccurrences(const QString& text, const QString& part) {
    const QByteArray t = GbkBytes(text.trimmed());
    const QByteArray p = GbkBytes(part.trimmed());
    if (t.isEmpty() || p.isEmpty() || t.size() < p.size())
        return 0;
    int count = 0;
    for (qsizetype at = t.indexOf(p); at >= 0; at = t.indexOf(p, at + 1))
        ++count;
    return count;
}

double ParseAmount(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        t = QStringLiteral("0");
    t.remove(QLatin1Char(','));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

int ParseCount(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        t = QStringLiteral("0");
    t.remove(QLatin1Char(','));
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QString NewRecordId() {
    return QUuid::createUuid().toString(QUuid::Id128).toUpper();
}

void SetShortDateFormat() {
    shortDateFormat = QStringLiteral("yyyy-MM-dd");
}

QString ShortDateFormat() {
    return shortDateFormat;
}

QDate DateFromText(const QString& stored) {
    const QString t = stored.trimmed();
    if (t.isEmpty() || t == QLatin1String("00000000") || t == QLatin1String("0000-00-00"))
        return QDate::currentDate();
    return parseDashedDate(t.mid(0, 4) + QLatin1Char('-') + t.mid(4, 2) + QLatin1Char('-') +
                           t.mid(6, 2));
}

QString DashedDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return t;
    if (startsCompact(t))
        return t.mid(0, 4) + QLatin1Char('-') + t.mid(4, 2) + QLatin1Char('-') + t.mid(6, 2);
    return parseDashedDate(t).toString(QStringLiteral("yyyy-MM-dd"));
}

QString CompactDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || startsCompact(t))
        return t;
    return parseDashedDate(t).toString(QStringLiteral("yyyyMMdd"));
}

QByteArray GbkBytes(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString FromGbkBytes(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

int GbkLength(const QString& text) {
    return int(GbkBytes(text).size());
}

int LineCount(const QString& text, int width) {
    const int lineBytes = 2 * width;
    const int length = GbkLength(text);
    if (text.trimmed().isEmpty() || length <= lineBytes || lineBytes <= 0)
        return 1;
    return length / lineBytes + (length % lineBytes ? 1 : 0);
}

QString PadLines(const QString& text, int lineCount, int width) {
    return text.trimmed() + RepeatStr(QStringLiteral("\r"), lineCount - LineCount(text, width));
}

void WrapText(const QString& text, int width, int& lineCount, QString& result) {
    const QString s = text.trimmed();
    lineCount = 1;
    result = s;
    if (s.isEmpty() || GbkLength(s) <= 2 * width || width <= 0)
        return;

    // Split into lines of at most limit bytes; a double-byte character that would straddle
    // the limit starts the next line instead.
    result.clear();
    qsizetype pos = 0;
    int limit = 2 * width;
    bool first = true;
    while (pos < s.size()) {
        int bytes = 0;
        qsizetype end = pos;
        while (end < s.size()) {
            const qsizetype step = s.at(end).isHighSurrogate() && end + 1 < s.size() ? 2 : 1;
            const int w = gbkWidth(QStringView(s).mid(end, step));
            if (bytes + w > limit)
                break;
            bytes += w;
            end += step;
        }
        if (end == pos) // a single character wider than the line: take it alone
            end = pos + 1;
        const QString line = s.mid(pos, end - pos);
        if (first) {
            result += QStringLiteral("    ") + line + QStringLiteral("\r\n\r\n");
            first = false;
            limit = 2 * width + 2;
        } else {
            ++lineCount;
            result += QStringLiteral(" ") + line + QStringLiteral("\r\n\r\n");
        }
        pos = end;
    }
}

QByteArray SubstituteBytes(const QByteArray& text, const QByteArray& alphabet) {
    QByteArray s = text;
    const qsizetype n = alphabet.size();
    for (qsizetype i = 1; i <= s.size(); ++i) {
        const qsizetype j = n ? alphabet.indexOf(s[i - 1]) + 1 : 0;
        if (j == 0) {
            s[i - 1] = '0';
            continue;
        }
        const qsizetype position = n - ((2 * i + j) % n);
        s[i - 1] = alphabet[position - 1];
    }
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return s;
}

QString SubstituteChars(const QString& text, const QString& alphabet) {
    return FromGbkBytes(SubstituteBytes(GbkBytes(text), GbkBytes(alphabet)));
}

bool RemoveFolder(const QString& path) {
    QDir dir(path);
    return !path.isEmpty() && dir.exists() && dir.removeRecursively();
}

bool EnsureFolder(const QString& path, bool removeFirst) {
    if (QDir(path).exists())
        return removeFirst ? RemoveFolder(path) : true;
    return QDir().mkdir(path);
}

bool NumericKeyAccepted(const QString& text, int caret, bool allowMinus, int decimals, QChar key) {
    if (key == QChar(13) || key == QChar(8))
        return true;
    const int p = int(text.indexOf(QLatin1Char('.'))) + 1; // 1-based; 0 when none
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return !(p > 0 && caret > p + decimals - 1);
    if (key == QLatin1Char('-') && allowMinus)
        return caret == 0 && !text.startsWith(QLatin1Char('-'));
    if (key == QLatin1Char('.') && decimals > 0)
        return !text.contains(QLatin1Char('.'));
    return false;
}

QString ProgramFile(const QString& relative) {
    QString path = SystemInfo.AppPath;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString component = parts[i];
        const QDir dir(path);
        if (dir.exists() && !QFileInfo::exists(dir.filePath(component))) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(component, Qt::CaseInsensitive) == 0) {
                    component = entry;
                    break;
                }
            }
        }
        path += component;
        if (i + 1 < parts.size())
            path += QLatin1Char('/');
    }
    return path;
}
