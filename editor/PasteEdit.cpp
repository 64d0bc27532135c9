#include "PasteEdit.h"

#include <QMimeData>
#include <QRegularExpression>

PasteEdit::PasteEdit(QWidget* parent) : QTextEdit(parent) {}

void PasteEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasHtml() || !acceptRichText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData adjusted;
    adjusted.setHtml(JustifyAsAttribute(source->html()));
    if (source->hasText())
        adjusted.setText(source->text());
    QTextEdit::insertFromMimeData(&adjusted);
}

QString JustifyAsAttribute(const QString& html) {
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z][A-Za-z0-9]*)(\\s[^<>]*)>"));
    static const QRegularExpression style(QStringLiteral("(\\sstyle\\s*=\\s*)(\"[^\"]*\"|'[^']*')"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression justify(QStringLiteral("text-align\\s*:\\s*justify\\s*;?"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString result;
    result.reserve(html.size());
    qsizetype done = 0;
    for (auto tags = tag.globalMatch(html); tags.hasNext();) {
        const QRegularExpressionMatch t = tags.next();
        QString attributes = t.captured(2);
        const QRegularExpressionMatch s = style.match(attributes);
        if (!s.hasMatch() || !s.captured(2).contains(justify))
            continue;
        QString declarations = s.captured(2);
        declarations.remove(justify);
        attributes.replace(s.capturedStart(), s.capturedLength(),
                           s.captured(1) + declarations + QStringLiteral(" align=\"justify\""));
        result += QStringView(html).mid(done, t.capturedStart() - done);
        result += QLatin1Char('<') + t.captured(1) + attributes + QLatin1Char('>');
        done = t.capturedEnd();
    }
    result += QStringView(html).mid(done);
    return result;
}
