#include "RecordingDocument.h"

#include "DocxDocument.h"

#include <QClipboard>
#include <QGuiApplication>

RecordingDocument::RecordingDocument(int paragraphCount, const QSet<int>& rowEnds) {
    for (int n = 1; n <= paragraphCount; ++n)
        paragraphs_.append({n, QString(), rowEnds.contains(n), QImage()});
}

RecordingDocument RecordingDocument::fromDocx(const QString& fileName) {
    const std::unique_ptr<DocxDocument> docx = DocxDocument::open(fileName);
    QSet<int> rowEnds;
    for (int n = 1; n <= docx->paragraphCount(); ++n)
        if (docx->place(n) == DocxDocument::Place::RowEnd)
            rowEnds.insert(n);
    RecordingDocument doc(docx->paragraphCount(), rowEnds);
    for (int n = 1; n <= docx->paragraphCount(); ++n)
        doc.paragraphs_[n - 1].text = docx->paragraphText(n);
    return doc;
}

int RecordingDocument::paragraphCount() const {
    return static_cast<int>(paragraphs_.size());
}

qsizetype RecordingDocument::checkedIndex(int ordinal) const {
    if (ordinal < 1 || ordinal > paragraphs_.size())
        throw WordError(
            QStringLiteral("文档中没有第%1段（共%2段）").arg(ordinal).arg(paragraphs_.size()));
    return ordinal - 1;
}

QString RecordingDocument::paragraphText(int ordinal) const {
    return paragraphs_.at(checkedIndex(ordinal)).text;
}

void RecordingDocument::setParagraphText(int ordinal, const QString& text) {
    const qsizetype i = checkedIndex(ordinal);
    calls.append({Call::Kind::SetText, ordinal, paragraphs_.at(i).templateOrdinal, text, {}});
    if (paragraphs_.at(i).rowEnd)
        throw WordError(QStringLiteral("文档的第%1段是表格行的结束标记，不能写入").arg(ordinal));
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    normalised.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    const QStringList lines = normalised.split(QLatin1Char('\r'));
    paragraphs_[i].text = lines.first();
    paragraphs_[i].picture = QImage();
    for (qsizetype k = 1; k < lines.size(); ++k)
        paragraphs_.insert(i + k, {0, lines.at(k), false, QImage()});
}

void RecordingDocument::pasteIntoParagraph(int ordinal) {
    const qsizetype i = checkedIndex(ordinal);
    const QImage picture = QGuiApplication::clipboard()->image();
    calls.append({Call::Kind::Paste, ordinal, paragraphs_.at(i).templateOrdinal, {}, picture});
    if (paragraphs_.at(i).rowEnd)
        throw WordError(QStringLiteral("文档的第%1段是表格行的结束标记，不能写入").arg(ordinal));
    if (picture.isNull())
        throw WordError(QStringLiteral("剪贴板中没有图片，不能粘贴到第%1段").arg(ordinal));
    paragraphs_[i].text.clear();
    paragraphs_[i].picture = picture;
}

qsizetype RecordingDocument::indexOfTemplate(int templateOrdinal) const {
    for (qsizetype i = 0; i < paragraphs_.size(); ++i)
        if (paragraphs_.at(i).templateOrdinal == templateOrdinal)
            return i;
    return -1;
}

QString RecordingDocument::templateParagraph(int templateOrdinal) const {
    qsizetype i = indexOfTemplate(templateOrdinal);
    if (i < 0)
        return {};
    QStringList lines{paragraphs_.at(i).text};
    while (++i < paragraphs_.size() && paragraphs_.at(i).templateOrdinal == 0)
        lines.append(paragraphs_.at(i).text);
    return lines.join(QLatin1Char('\r'));
}

QImage RecordingDocument::templatePicture(int templateOrdinal) const {
    const qsizetype i = indexOfTemplate(templateOrdinal);
    return i < 0 ? QImage() : paragraphs_.at(i).picture;
}

QList<int> RecordingDocument::writtenTemplateOrdinals() const {
    QList<int> result;
    for (const Call& call : calls)
        result.append(call.templateOrdinal);
    return result;
}

RecordingViewer::RecordingViewer() {
    SetDocumentViewer(this);
}

RecordingViewer::~RecordingViewer() {
    SetDocumentViewer(nullptr);
}

bool RecordingViewer::show(const QString& fileName) {
    shown.append(fileName);
    return succeeds;
}
