#pragma once

#include "RichParagraphs.h"

#include <QByteArray>
#include <QList>

class QIODevice;

// Writes formatted paragraphs as a Rich Text Format document. The text is pure 7-bit RTF:
// every character outside ASCII is written as a Unicode escape followed by its GBK bytes
// (code page 936) as the fallback for readers without Unicode, so Chinese text reads
// correctly in any word processor. Font names are written in GBK with the GB2312 charset.
QByteArray RtfBytes(const QList<RichParagraph>& paragraphs);

// Writes the document to device; false when the device does not take it all.
bool WriteRtf(QIODevice* device, const QList<RichParagraph>& paragraphs);
