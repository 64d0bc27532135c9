#pragma once

#include <QString>
#include <QTextEdit>

// The editing surface: a QTextEdit that takes formatted text from other programs keeping
// what the stored format can hold. Word processors and browsers write justified paragraphs
// as the style declaration "text-align: justify", which the rich-text reader does not know;
// pasted text gets the paragraph attribute instead.
class PasteEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit PasteEdit(QWidget* parent = nullptr);

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// The HTML with every element's "text-align: justify" style declaration replaced by the
// attribute align="justify"; everything else stays as it stands.
QString JustifyAsAttribute(const QString& html);
