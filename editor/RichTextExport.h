#pragma once

#include "RichParagraphs.h"

#include <QList>

class QTextDocument;

// The document's text as paragraphs of formatted runs, in document order (the paragraphs
// of table cells included), each run with its effective formatting: what the document's
// default font gives where the run itself sets nothing. Pictures and other embedded
// objects are left out.
QList<RichParagraph> ParagraphsOf(const QTextDocument& document);
