#pragma once

#include "WordDocument.h"

#include <QImage>
#include <QString>
#include <memory>

class QIODevice;

// A Word document in the Open XML format (.docx), held in memory: read from a file or
// device, changed through the WordDocument operations and written back. Only the main
// text is addressed; every other part of the package is written back unchanged.
class DocxDocument : public WordDocument {
public:
    // Where a paragraph ordinal stands.
    enum class Place { Body, TableCell, RowEnd };

    static std::unique_ptr<DocxDocument> open(const QString& fileName);
    static std::unique_ptr<DocxDocument> read(QIODevice* device);
    ~DocxDocument() override;

    // Writes the whole package to device.
    void save(QIODevice* device) const;
    // Writes the package to fileName atomically: a failure leaves an existing file as it was.
    void saveAs(const QString& fileName) const;

    int paragraphCount() const override;
    QString paragraphText(int ordinal) const override;
    void setParagraphText(int ordinal, const QString& text) override;
    void pasteIntoParagraph(int ordinal) override;

    // Puts picture into paragraph n as an inline picture scaled to fit its table cell (or the
    // text width outside tables), replacing the paragraph's content.
    void insertPicture(int ordinal, const QImage& picture);

    Place place(int ordinal) const;
    // The number of paragraphs directly inside the table cell that holds paragraph n (those
    // of tables nested in the cell not counted); 0 outside tables.
    int paragraphsInCell(int ordinal) const;

private:
    DocxDocument();
    struct Impl;
    std::unique_ptr<Impl> d;
};
