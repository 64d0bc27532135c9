#pragma once

#include "RichParagraphs.h"

#include <QByteArray>
#include <QList>

class QIODevice;

// Writes formatted paragraphs as a new Word document in the Open XML format (.docx): one
// w:p per paragraph with its alignment, one w:r per run with its font, size, bold, italic,
// underline, strike-through and colour. Page A4 portrait; the default font is Times New
// Roman with 宋体 for East Asian text, 12 points. Characters XML 1.0 forbids are dropped.
QByteArray DocxBytes(const QList<RichParagraph>& paragraphs);

// Writes the document to device; raises WordError when the device does not take it all.
void WriteDocx(QIODevice* device, const QList<RichParagraph>& paragraphs);
