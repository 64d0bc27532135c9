#include "Fixture.h"

#include "DocxPackage.h"

namespace {

const char* const ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/header1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml"/>)"
    R"(</Types>)";

const char* const PackageRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

const char* const DocumentRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/header" Target="header1.xml"/>)"
    R"(</Relationships>)";

const char* const Header =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:hdr xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:p><w:r><w:t>页眉</w:t></w:r></w:p></w:hdr>)";

const char* const Document =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
    R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">)"
    R"(<w:body>)"
    // 1: a title with an anchored text box.
    R"(<w:p><w:r><w:t>标题</w:t></w:r><w:r><w:drawing>)"
    R"(<wp:anchor distT="0" distB="0" distL="0" distR="0" simplePos="0" relativeHeight="1" behindDoc="0" locked="0" layoutInCell="1" allowOverlap="1">)"
    R"(<wp:simplePos x="0" y="0"/><wp:positionH relativeFrom="column"><wp:posOffset>0</wp:posOffset></wp:positionH>)"
    R"(<wp:positionV relativeFrom="paragraph"><wp:posOffset>0</wp:posOffset></wp:positionV>)"
    R"(<wp:extent cx="914400" cy="457200"/><wp:effectExtent l="0" t="0" r="0" b="0"/><wp:wrapNone/>)"
    R"(<wp:docPr id="7" name="文本框 7"/><wp:cNvGraphicFramePr/>)"
    R"(<a:graphic><a:graphicData uri="http://schemas.microsoft.com/office/word/2010/wordprocessingShape">)"
    R"(<wps:wsp><wps:cNvSpPr txBox="1"/><wps:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="914400" cy="457200"/></a:xfrm>)"
    R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></wps:spPr>)"
    R"(<wps:txbx><w:txbxContent><w:p><w:r><w:t>文本框</w:t></w:r></w:p></w:txbxContent></wps:txbx>)"
    R"(<wps:bodyPr/></wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></w:r></w:p>)"
    // Table A.
    R"(<w:tbl><w:tblPr><w:tblW w:w="6000" w:type="dxa"/></w:tblPr>)"
    R"(<w:tblGrid><w:gridCol w:w="3000"/><w:gridCol w:w="3000"/></w:tblGrid>)"
    R"(<w:tr><w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>A1</w:t></w:r></w:p></w:tc>)"
    R"(<w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>)"
    R"(<w:p><w:r><w:t xml:space="preserve">A2 第一段</w:t></w:r></w:p><w:p><w:r><w:t xml:space="preserve">A2 第二段</w:t></w:r></w:p></w:tc></w:tr>)"
    R"(<w:tr><w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>)"
    R"(<w:tbl><w:tblPr><w:tblW w:w="2800" w:type="dxa"/></w:tblPr>)"
    R"(<w:tblGrid><w:gridCol w:w="1400"/><w:gridCol w:w="1400"/></w:tblGrid>)"
    R"(<w:tr><w:tc><w:tcPr><w:tcW w:w="1400" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>N1</w:t></w:r></w:p></w:tc>)"
    R"(<w:tc><w:tcPr><w:tcW w:w="1400" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>N2</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)"
    R"(<w:p><w:r><w:t>A3</w:t></w:r></w:p></w:tc>)"
    R"(<w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>)"
    R"(<w:p><w:pPr><w:jc w:val="center"/></w:pPr><w:r><w:rPr><w:b/><w:sz w:val="28"/></w:rPr><w:t>A4</w:t><w:tab/><w:t>尾</w:t></w:r></w:p></w:tc></w:tr>)"
    R"(</w:tbl>)"
    R"(<w:p><w:r><w:t>中间</w:t></w:r></w:p>)"
    // Table B: a narrow cell and a row of fixed height.
    R"(<w:tbl><w:tblPr><w:tblW w:w="5000" w:type="dxa"/></w:tblPr>)"
    R"(<w:tblGrid><w:gridCol w:w="2000"/><w:gridCol w:w="3000"/></w:tblGrid>)"
    R"(<w:tr><w:trPr><w:trHeight w:val="2880" w:hRule="exact"/></w:trPr>)"
    R"(<w:tc><w:tcPr><w:tcW w:w="2000" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>B1</w:t></w:r></w:p></w:tc>)"
    R"(<w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>)"
    R"(<w:p><w:pPr><w:spacing w:line="240" w:lineRule="exact"/><w:rPr><w:i/><w:sz w:val="21"/></w:rPr></w:pPr></w:p></w:tc></w:tr>)"
    R"(</w:tbl>)"
    R"(<w:p><w:pPr><w:sectPr><w:headerReference w:type="default" r:id="rId1"/>)"
    R"(<w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1440" w:right="1800" w:bottom="1440" w:left="1800" w:header="851" w:footer="992" w:gutter="0"/>)"
    R"(</w:sectPr></w:pPr><w:r><w:t>结尾</w:t></w:r></w:p>)"
    R"(</w:body></w:document>)";

} // namespace

QString FixtureDocumentXml() {
    return QString::fromUtf8(Document);
}

QByteArray FixtureDocx() {
    DocxPackage package;
    package.setPart(QStringLiteral("[Content_Types].xml"), ContentTypes);
    package.setPart(QStringLiteral("_rels/.rels"), PackageRelationships);
    package.setPart(QStringLiteral("word/document.xml"), Document);
    package.setPart(QStringLiteral("word/_rels/document.xml.rels"), DocumentRelationships);
    package.setPart(QStringLiteral("word/header1.xml"), Header);
    return package.toBytes();
}

QByteArray PackagePart(const QByteArray& docx, const QString& name) {
    return DocxPackage::fromBytes(docx).part(name);
}
