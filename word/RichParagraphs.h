#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <Qt>

// Formatted text as plain paragraphs of runs, the common ground of the document writers:
// every run carries its own character formatting, every paragraph its alignment.
// Inside a run's text '\t' is a tab and QChar::LineSeparator a line break.
struct RichRun {
    QString text;
    QString fontFamily;     // empty: the writer's default font
    double pointSize = 0.0; // 0: the writer's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color; // invalid: automatic colour

    bool operator==(const RichRun&) const = default;
};

struct RichParagraph {
    enum class Alignment { Left, Center, Right, Justify };
    Alignment alignment = Alignment::Left;
    QList<RichRun> runs;

    bool operator==(const RichParagraph&) const = default;
};
