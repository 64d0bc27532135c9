#pragma once

#include <QByteArray>
#include <QString>

// A small handmade document for the engine's tests. Its main text, by ordinal:
//   1  body "标题" (with a text box holding a paragraph of its own, which is not counted)
//   table A, row 1: 2 "A1"; 3 "A2 第一段" and 4 "A2 第二段" in one cell; 5 end of row
//   table A, row 2: a cell holding a nested table (6 "N1", 7 "N2", 8 end of the nested row)
//                   and then 9 "A3"; 10 "A4" (bold, centred, tab inside); 11 end of row
//   12 body "中间"
//   table B: 13 "B1" (a cell 2000 twips wide), 14 "B2" (empty, formatted paragraph mark),
//            15 end of row
//   16 body "结尾", carrying the section properties
// The package also has a header with a paragraph, which is not counted either.
QByteArray FixtureDocx();
QString FixtureDocumentXml();

// Parts of a written package, for assertions.
QByteArray PackagePart(const QByteArray& docx, const QString& name);
