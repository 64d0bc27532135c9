#include "DocxDocument.h"

#include "DocxPackage.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <pugixml.hpp>
#include <vector>

namespace {

const char* const RelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const DrawingNs =
    "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
const char* const MainDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";
const char* const PictureNs = "http://schemas.openxmlformats.org/drawingml/2006/picture";
const char* const ImageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
const char* const DocumentRelationshipSuffix = "/officeDocument";

// Word's default left and right cell margin, in twentieths of a point.
constexpr int DefaultCellMargin = 108;
constexpr qint64 EmuPerTwip = 635;
constexpr qint64 EmuPerInch = 914400;

constexpr unsigned ParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

QByteArray serialise(const pugi::xml_document& doc) {
    ByteWriter writer;
    doc.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

void parsePart(pugi::xml_document& doc, const QByteArray& data, const QString& name) {
    const pugi::xml_parse_result result = doc.load_buffer(
        data.constData(), static_cast<size_t>(data.size()), ParseOptions, pugi::encoding_utf8);
    if (!result)
        throw WordError(QStringLiteral("文档中的%1已损坏").arg(name));
}

bool is(const pugi::xml_node& node, const char* name) {
    return qstrcmp(node.name(), name) == 0;
}

QString text(const pugi::char_t* value) {
    return QString::fromUtf8(value);
}

// The folder part of a part name, with its trailing '/', or empty at the package root.
QString folderOf(const QString& partName) {
    const qsizetype slash = partName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : partName.left(slash + 1);
}

QString relationshipsPartOf(const QString& partName) {
    const qsizetype slash = partName.lastIndexOf(QLatin1Char('/'));
    return folderOf(partName) + QStringLiteral("_rels/") + partName.mid(slash + 1) +
           QStringLiteral(".rels");
}

// Resolves a relationship target relative to the folder of its source part.
QString resolveTarget(const QString& folder, const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList parts = (folder + target).split(QLatin1Char('/'));
    QStringList resolved;
    for (const QString& p : parts) {
        if (p == QLatin1String(".."))
            resolved.removeLast();
        else if (!p.isEmpty() && p != QLatin1String("."))
            resolved.append(p);
    }
    return resolved.join(QLatin1Char('/'));
}

// Characters XML 1.0 allows in text, apart from the tab, line feed and carriage return that
// the callers handle themselves.
bool allowedInXml(char32_t c) {
    return (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

QString withoutForbiddenCharacters(const QString& line) {
    QString result;
    result.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
            result.append(c);
            result.append(line.at(++i));
        } else if (!c.isSurrogate() && (c == QLatin1Char('\t') || allowedInXml(c.unicode()))) {
            result.append(c);
        }
    }
    return result;
}

// Splits text at every carriage return or line feed; a CR LF pair is one break.
QStringList splitLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    lines.append(current);
    return lines;
}

// Elements of a paragraph that survive the replacement of its content.
bool keptInParagraph(const pugi::xml_node& child) {
    return is(child, "w:pPr") || is(child, "w:bookmarkStart") || is(child, "w:bookmarkEnd");
}

void clearParagraph(pugi::xml_node paragraph) {
    std::vector<pugi::xml_node> removed;
    for (pugi::xml_node child : paragraph.children())
        if (!keptInParagraph(child))
            removed.push_back(child);
    for (const pugi::xml_node& child : removed)
        paragraph.remove_child(child);
}

// The first run of a paragraph, looking into hyperlinks, insertions and other run containers
// but not into pictures or text boxes.
pugi::xml_node firstRun(const pugi::xml_node& node) {
    for (pugi::xml_node child : node.children()) {
        if (is(child, "w:r"))
            return child;
        if (is(child, "w:pPr") || is(child, "w:del") || is(child, "mc:AlternateContent"))
            continue;
        if (child.type() == pugi::node_element)
            if (pugi::xml_node run = firstRun(child))
                return run;
    }
    return {};
}

void collectText(const pugi::xml_node& node, QString& out) {
    for (pugi::xml_node child : node.children()) {
        if (is(child, "w:t"))
            out += text(child.child_value());
        else if (is(child, "w:tab"))
            out += QLatin1Char('\t');
        else if (is(child, "w:br") || is(child, "w:cr"))
            out += QLatin1Char('\n');
        else if (is(child, "w:pPr") || is(child, "w:rPr") || is(child, "w:drawing") ||
                 is(child, "w:pict") || is(child, "mc:AlternateContent") || is(child, "w:del") ||
                 is(child, "w:object"))
            continue;
        else if (child.type() == pugi::node_element)
            collectText(child, out);
    }
}

// The character formatting a written run starts from: that of the paragraph's first run, or,
// in an empty paragraph, that of its paragraph mark.
void copyRunProperties(const pugi::xml_node& paragraph, pugi::xml_node run) {
    pugi::xml_node source = firstRun(paragraph).child("w:rPr");
    bool fromMark = false;
    if (!source) {
        source = paragraph.child("w:pPr").child("w:rPr");
        fromMark = true;
    }
    pugi::xml_node rPr = source ? run.append_copy(source) : run.append_child("w:rPr");
    if (fromMark) {
        // Revision marks of a paragraph mark have no place in a run.
        for (const char* name : {"w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange"})
            while (pugi::xml_node n = rPr.child(name))
                rPr.remove_child(n);
    }
    pugi::xml_node fonts = rPr.child("w:rFonts");
    if (!fonts) {
        const pugi::xml_node style = rPr.child("w:rStyle");
        fonts = style ? rPr.insert_child_after("w:rFonts", style) : rPr.prepend_child("w:rFonts");
    }
    if (!fonts.attribute("w:eastAsia") && !fonts.attribute("w:eastAsiaTheme"))
        fonts.append_attribute("w:eastAsia") = "宋体";
    if (!fonts.attribute("w:hint"))
        fonts.append_attribute("w:hint");
    fonts.attribute("w:hint") = "eastAsia";
}

void appendLine(pugi::xml_node paragraph, const pugi::xml_node& formatSource, const QString& line) {
    const QString clean = withoutForbiddenCharacters(line);
    if (clean.isEmpty())
        return;
    pugi::xml_node run = paragraph.append_child("w:r");
    copyRunProperties(formatSource, run);
    const QStringList pieces = clean.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            run.append_child("w:tab");
        if (pieces.at(i).isEmpty())
            continue;
        pugi::xml_node t = run.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(pieces.at(i).toUtf8().constData());
    }
}

int intAttribute(const pugi::xml_node& node, const char* name, int fallback = 0) {
    const pugi::xml_attribute a = node.attribute(name);
    return a ? a.as_int(fallback) : fallback;
}

int gridSpan(const pugi::xml_node& cell) {
    return std::max(1, intAttribute(cell.child("w:tcPr").child("w:gridSpan"), "w:val", 1));
}

bool continuesMerge(const pugi::xml_node& cell) {
    const pugi::xml_node merge = cell.child("w:tcPr").child("w:vMerge");
    if (!merge)
        return false;
    const pugi::xml_attribute val = merge.attribute("w:val");
    return !val || qstrcmp(val.value(), "continue") == 0;
}

// The cell of row that starts at grid column column, if any.
pugi::xml_node cellAt(const pugi::xml_node& row, int column) {
    int at = intAttribute(row.child("w:trPr").child("w:gridBefore"), "w:val");
    for (pugi::xml_node cell : row.children("w:tc")) {
        if (at == column)
            return cell;
        at += gridSpan(cell);
        if (at > column)
            break;
    }
    return {};
}

int columnOf(const pugi::xml_node& cell) {
    const pugi::xml_node row = cell.parent();
    int at = intAttribute(row.child("w:trPr").child("w:gridBefore"), "w:val");
    for (pugi::xml_node c : row.children("w:tc")) {
        if (c == cell)
            return at;
        at += gridSpan(c);
    }
    return at;
}

int margin(const pugi::xml_node& cell, const char* side, const char* logicalSide, int fallback) {
    const pugi::xml_node table = cell.parent().parent();
    for (const pugi::xml_node& margins :
         {cell.child("w:tcPr").child("w:tcMar"), table.child("w:tblPr").child("w:tblCellMar")}) {
        for (const char* name : {side, logicalSide}) {
            const pugi::xml_node m = margins.child(name);
            if (m && (!m.attribute("w:type") || qstrcmp(m.attribute("w:type").value(), "dxa") == 0))
                return intAttribute(m, "w:w", fallback);
        }
    }
    return fallback;
}

struct Box {
    qint64 width = 0;  // EMU
    qint64 height = 0; // EMU, 0 when the height may grow
};

Box textArea(const pugi::xml_node& body) {
    const pugi::xml_node section = body.child("w:sectPr");
    const pugi::xml_node size = section.child("w:pgSz");
    const pugi::xml_node margins = section.child("w:pgMar");
    const int width = intAttribute(size, "w:w", 11906) - intAttribute(margins, "w:left", 1800) -
                      intAttribute(margins, "w:right", 1800);
    const int height = intAttribute(size, "w:h", 16838) - intAttribute(margins, "w:top", 1440) -
                       intAttribute(margins, "w:bottom", 1440);
    return {std::max(width, 1) * EmuPerTwip, std::max(height, 1) * EmuPerTwip};
}

Box cellArea(const pugi::xml_node& cell) {
    const pugi::xml_node row = cell.parent();
    const pugi::xml_node table = row.parent();
    const int column = columnOf(cell);
    const int span = gridSpan(cell);
    std::vector<int> grid;
    for (pugi::xml_node col : table.child("w:tblGrid").children("w:gridCol"))
        grid.push_back(intAttribute(col, "w:w"));
    int width = 0;
    if (column + span <= static_cast<int>(grid.size())) {
        for (int i = column; i < column + span; ++i)
            width += grid[static_cast<size_t>(i)];
    } else {
        const pugi::xml_node w = cell.child("w:tcPr").child("w:tcW");
        width = qstrcmp(w.attribute("w:type").value(), "dxa") == 0 ? intAttribute(w, "w:w") : 0;
    }
    width -= margin(cell, "w:left", "w:start", DefaultCellMargin) +
             margin(cell, "w:right", "w:end", DefaultCellMargin);

    // The rows the cell covers: its own and those where a vertical merge continues it.
    int height = 0;
    bool heightKnown = true;
    pugi::xml_node r = row;
    do {
        const pugi::xml_node h = r.child("w:trPr").child("w:trHeight");
        if (!h || qstrcmp(h.attribute("w:hRule").value(), "auto") == 0)
            heightKnown = false;
        height += intAttribute(h, "w:val");
        r = r.next_sibling("w:tr");
    } while (r && continuesMerge(cellAt(r, column)));
    height -= margin(cell, "w:top", "w:top", 0) + margin(cell, "w:bottom", "w:bottom", 0);

    Box box;
    box.width = std::max(width, 1) * EmuPerTwip;
    // A little room for the line the picture stands on.
    box.height = heightKnown && height > 0 ? height * EmuPerTwip * 95 / 100 : 0;
    return box;
}

pugi::xml_node enclosingCell(pugi::xml_node node) {
    for (pugi::xml_node n = node.parent(); n; n = n.parent()) {
        if (is(n, "w:tc"))
            return n;
        if (is(n, "w:body"))
            break;
    }
    return {};
}

void setAttribute(pugi::xml_node node, const char* name, const char* value) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a)
        a = node.append_attribute(name);
    a = value;
}

void setAttribute(pugi::xml_node node, const char* name, qint64 value) {
    setAttribute(node, name, QByteArray::number(value).constData());
}

} // namespace

struct DocxDocument::Impl {
    struct Ordinal {
        pugi::xml_node node; // the paragraph, or the row whose end mark this is
        bool rowEnd = false;
    };

    DocxPackage package;
    QString mainPart;
    QString relationshipsPart;
    pugi::xml_document document;
    pugi::xml_document relationships;
    pugi::xml_document contentTypes;
    mutable std::vector<Ordinal> ordinals;
    mutable bool indexed = false;

    void load();
    void collect(const pugi::xml_node& node) const;
    const std::vector<Ordinal>& index() const;
    const Ordinal& at(int ordinal) const;
    pugi::xml_node paragraph(int ordinal) const;
    void ensureRootNamespace(const char* prefix, const char* uri);
    QString addImagePart(const QByteArray& png);
    qint64 nextDrawingId() const;
};

void DocxDocument::Impl::load() {
    pugi::xml_document packageRelationships;
    if (!package.contains(QStringLiteral("[Content_Types].xml")) ||
        !package.contains(QStringLiteral("_rels/.rels")))
        throw WordError(QStringLiteral("不是有效的Word文档（.docx）"));
    parsePart(contentTypes, package.part(QStringLiteral("[Content_Types].xml")),
              QStringLiteral("[Content_Types].xml"));
    parsePart(packageRelationships, package.part(QStringLiteral("_rels/.rels")),
              QStringLiteral("_rels/.rels"));
    for (pugi::xml_node rel :
         packageRelationships.child("Relationships").children("Relationship")) {
        if (text(rel.attribute("Type").value()).endsWith(QLatin1String(DocumentRelationshipSuffix)))
            mainPart = resolveTarget(QString(), text(rel.attribute("Target").value()));
    }
    if (mainPart.isEmpty() || !package.contains(mainPart))
        throw WordError(QStringLiteral("文档中没有正文"));
    parsePart(document, package.part(mainPart), mainPart);
    if (!document.child("w:document").child("w:body"))
        throw WordError(QStringLiteral("文档的正文无法识别"));
    relationshipsPart = relationshipsPartOf(mainPart);
    if (package.contains(relationshipsPart)) {
        parsePart(relationships, package.part(relationshipsPart), relationshipsPart);
    } else {
        pugi::xml_node decl = relationships.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "UTF-8";
        decl.append_attribute("standalone") = "yes";
    }
    if (!relationships.child("Relationships")) {
        pugi::xml_node root = relationships.append_child("Relationships");
        root.append_attribute("xmlns") =
            "http://schemas.openxmlformats.org/package/2006/relationships";
    }
}

void DocxDocument::Impl::collect(const pugi::xml_node& node) const {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (is(child, "w:p")) {
            ordinals.push_back({child, false});
        } else if (is(child, "w:tr")) {
            collect(child);
            ordinals.push_back({child, true});
        } else if (!is(child, "w:sectPr") && !is(child, "w:tblPr") && !is(child, "w:tblGrid") &&
                   !is(child, "w:trPr") && !is(child, "w:tcPr") && !is(child, "mc:Fallback")) {
            collect(child);
        }
    }
}

const std::vector<DocxDocument::Impl::Ordinal>& DocxDocument::Impl::index() const {
    if (!indexed) {
        ordinals.clear();
        collect(document.child("w:document").child("w:body"));
        indexed = true;
    }
    return ordinals;
}

const DocxDocument::Impl::Ordinal& DocxDocument::Impl::at(int ordinal) const {
    const std::vector<Ordinal>& all = index();
    if (ordinal < 1 || ordinal > static_cast<int>(all.size()))
        throw WordError(QStringLiteral("文档中没有第%1段（共%2段）").arg(ordinal).arg(all.size()));
    return all[static_cast<size_t>(ordinal - 1)];
}

pugi::xml_node DocxDocument::Impl::paragraph(int ordinal) const {
    const Ordinal& o = at(ordinal);
    if (o.rowEnd)
        throw WordError(QStringLiteral("文档的第%1段是表格行的结束标记，不能写入").arg(ordinal));
    return o.node;
}

void DocxDocument::Impl::ensureRootNamespace(const char* prefix, const char* uri) {
    pugi::xml_node root = document.child("w:document");
    const QByteArray name = QByteArray("xmlns:") + prefix;
    pugi::xml_attribute a = root.attribute(name.constData());
    if (!a)
        root.append_attribute(name.constData()) = uri;
    else if (qstrcmp(a.value(), uri) != 0)
        throw WordError(QStringLiteral("文档的格式无法识别，不能插入图片"));
}

QString DocxDocument::Impl::addImagePart(const QByteArray& png) {
    const QString mediaFolder = folderOf(mainPart) + QStringLiteral("media/");
    int n = 1;
    while (package.contains(mediaFolder + QStringLiteral("image%1.png").arg(n)))
        ++n;
    const QString fileName = QStringLiteral("image%1.png").arg(n);
    package.setPart(mediaFolder + fileName, png);

    pugi::xml_node root = relationships.child("Relationships");
    QStringList ids;
    for (pugi::xml_node rel : root.children("Relationship"))
        ids.append(text(rel.attribute("Id").value()));
    int k = 1;
    while (ids.contains(QStringLiteral("rId%1").arg(k)))
        ++k;
    const QString id = QStringLiteral("rId%1").arg(k);
    pugi::xml_node rel = root.append_child("Relationship");
    rel.append_attribute("Id") = id.toUtf8().constData();
    rel.append_attribute("Type") = ImageRelationship;
    rel.append_attribute("Target") = (QStringLiteral("media/") + fileName).toUtf8().constData();

    pugi::xml_node types = contentTypes.child("Types");
    bool known = false;
    for (pugi::xml_node def : types.children("Default"))
        known = known || text(def.attribute("Extension").value())
                                 .compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    if (!known) {
        pugi::xml_node def = types.prepend_child("Default");
        def.append_attribute("Extension") = "png";
        def.append_attribute("ContentType") = "image/png";
    }
    return id;
}

qint64 DocxDocument::Impl::nextDrawingId() const {
    // Drawing identifiers are unique across the main text, headers, footers and notes.
    static const QRegularExpression idPattern(QStringLiteral("<wp:docPr\\b[^>]*\\bid=\"(\\d+)\""));
    qint64 highest = 0;
    const QString serialisedMain = QString::fromUtf8(serialise(document));
    for (const QString& name : package.partNames()) {
        if (!name.endsWith(QLatin1String(".xml")))
            continue;
        const QString content =
            name == mainPart ? serialisedMain : QString::fromUtf8(package.part(name));
        auto it = idPattern.globalMatch(content);
        while (it.hasNext())
            highest = std::max(highest, it.next().captured(1).toLongLong());
    }
    return highest + 1;
}

DocxDocument::DocxDocument() : d(std::make_unique<Impl>()) {}

DocxDocument::~DocxDocument() = default;

std::unique_ptr<DocxDocument> DocxDocument::open(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw WordError(QStringLiteral("文件%1无法打开：%2").arg(fileName, file.errorString()));
    return read(&file);
}

std::unique_ptr<DocxDocument> DocxDocument::read(QIODevice* device) {
    std::unique_ptr<DocxDocument> doc(new DocxDocument);
    doc->d->package = DocxPackage::read(device);
    doc->d->load();
    return doc;
}

void DocxDocument::save(QIODevice* device) const {
    DocxPackage out = d->package;
    out.setPart(QStringLiteral("[Content_Types].xml"), serialise(d->contentTypes));
    out.setPart(d->mainPart, serialise(d->document));
    if (d->relationships.child("Relationships").first_child() || out.contains(d->relationshipsPart))
        out.setPart(d->relationshipsPart, serialise(d->relationships));
    const QByteArray bytes = out.toBytes();
    if (device->write(bytes) != bytes.size())
        throw WordError(QStringLiteral("文档无法写入：%1").arg(device->errorString()));
}

void DocxDocument::saveAs(const QString& fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw WordError(QStringLiteral("文件%1无法写入：%2").arg(fileName, file.errorString()));
    save(&file);
    if (!file.commit())
        throw WordError(QStringLiteral("文件%1无法写入：%2").arg(fileName, file.errorString()));
}

int DocxDocument::paragraphCount() const {
    return static_cast<int>(d->index().size());
}

QString DocxDocument::paragraphText(int ordinal) const {
    const Impl::Ordinal& o = d->at(ordinal);
    QString result;
    if (!o.rowEnd)
        collectText(o.node, result);
    return result;
}

void DocxDocument::setParagraphText(int ordinal, const QString& text) {
    pugi::xml_node p = d->paragraph(ordinal);
    // The formatting the written runs copy is taken before the old content goes.
    pugi::xml_document formatHolder;
    pugi::xml_node format = formatHolder.append_copy(p);
    clearParagraph(p);

    const QStringList lines = splitLines(text);
    appendLine(p, format, lines.first());
    const pugi::xml_node properties = p.child("w:pPr");
    pugi::xml_node previous = p;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        pugi::xml_node next = p.parent().insert_child_after("w:p", previous);
        if (properties)
            next.append_copy(properties);
        appendLine(next, format, lines.at(i));
        previous = next;
    }
    // A section break carried by the paragraph mark stays behind the last of the paragraphs.
    if (previous != p) {
        for (pugi::xml_node q = p; q != previous; q = q.next_sibling())
            if (pugi::xml_node section = q.child("w:pPr").child("w:sectPr"))
                q.child("w:pPr").remove_child(section);
    }
    d->indexed = false;
}

void DocxDocument::pasteIntoParagraph(int ordinal) {
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        throw WordError(QStringLiteral("剪贴板中没有图片，不能粘贴到第%1段").arg(ordinal));
    insertPicture(ordinal, picture);
}

void DocxDocument::insertPicture(int ordinal, const QImage& picture) {
    pugi::xml_node p = d->paragraph(ordinal);
    if (picture.isNull())
        throw WordError(QStringLiteral("图片是空的，不能插入第%1段").arg(ordinal));

    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "PNG"))
            throw WordError(QStringLiteral("图片无法保存为PNG格式"));
    }

    // Natural size from the picture's resolution, then scaled to the room available.
    const auto dpi = [](int dotsPerMeter) {
        return dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    };
    double width = picture.width() / dpi(picture.dotsPerMeterX()) * EmuPerInch;
    double height = picture.height() / dpi(picture.dotsPerMeterY()) * EmuPerInch;
    const pugi::xml_node cell = enclosingCell(p);
    const Box room =
        cell ? cellArea(cell) : textArea(d->document.child("w:document").child("w:body"));
    double scale = room.width / width;
    if (room.height > 0)
        scale = std::min(scale, room.height / height);
    const qint64 cx = std::max<qint64>(1, static_cast<qint64>(width * scale));
    const qint64 cy = std::max<qint64>(1, static_cast<qint64>(height * scale));

    d->ensureRootNamespace("wp", DrawingNs);
    d->ensureRootNamespace("r", RelationshipsNs);
    const qint64 drawingId = d->nextDrawingId();
    const QString relationshipId = d->addImagePart(png);
    const QByteArray name = QStringLiteral("图片 %1").arg(drawingId).toUtf8();

    clearParagraph(p);
    // An exact line height would cut the picture off at the height of one text line.
    pugi::xml_node spacing = p.child("w:pPr").child("w:spacing");
    if (spacing && qstrcmp(spacing.attribute("w:lineRule").value(), "exact") == 0) {
        spacing.remove_attribute("w:lineRule");
        spacing.remove_attribute("w:line");
    }

    pugi::xml_node run = p.append_child("w:r");
    pugi::xml_node properties = run.append_child("w:rPr");
    properties.append_child("w:noProof");
    pugi::xml_node inlined = run.append_child("w:drawing").append_child("wp:inline");
    for (const char* side : {"distT", "distB", "distL", "distR"})
        inlined.append_attribute(side) = "0";
    pugi::xml_node extent = inlined.append_child("wp:extent");
    setAttribute(extent, "cx", cx);
    setAttribute(extent, "cy", cy);
    pugi::xml_node effect = inlined.append_child("wp:effectExtent");
    for (const char* side : {"l", "t", "r", "b"})
        effect.append_attribute(side) = "0";
    pugi::xml_node docPr = inlined.append_child("wp:docPr");
    setAttribute(docPr, "id", drawingId);
    docPr.append_attribute("name") = name.constData();
    pugi::xml_node locks =
        inlined.append_child("wp:cNvGraphicFramePr").append_child("a:graphicFrameLocks");
    locks.append_attribute("xmlns:a") = MainDrawingNs;
    locks.append_attribute("noChangeAspect") = "1";
    pugi::xml_node graphic = inlined.append_child("a:graphic");
    graphic.append_attribute("xmlns:a") = MainDrawingNs;
    pugi::xml_node data = graphic.append_child("a:graphicData");
    data.append_attribute("uri") = PictureNs;
    pugi::xml_node pic = data.append_child("pic:pic");
    pic.append_attribute("xmlns:pic") = PictureNs;
    pugi::xml_node nv = pic.append_child("pic:nvPicPr");
    pugi::xml_node cNvPr = nv.append_child("pic:cNvPr");
    setAttribute(cNvPr, "id", drawingId);
    cNvPr.append_attribute("name") = name.constData();
    nv.append_child("pic:cNvPicPr");
    pugi::xml_node fill = pic.append_child("pic:blipFill");
    fill.append_child("a:blip").append_attribute("r:embed") = relationshipId.toUtf8().constData();
    fill.append_child("a:stretch").append_child("a:fillRect");
    pugi::xml_node shape = pic.append_child("pic:spPr");
    pugi::xml_node xfrm = shape.append_child("a:xfrm");
    pugi::xml_node off = xfrm.append_child("a:off");
    off.append_attribute("x") = "0";
    off.append_attribute("y") = "0";
    pugi::xml_node ext = xfrm.append_child("a:ext");
    setAttribute(ext, "cx", cx);
    setAttribute(ext, "cy", cy);
    pugi::xml_node geometry = shape.append_child("a:prstGeom");
    geometry.append_attribute("prst") = "rect";
    geometry.append_child("a:avLst");
    d->indexed = false;
}

DocxDocument::Place DocxDocument::place(int ordinal) const {
    const Impl::Ordinal& o = d->at(ordinal);
    if (o.rowEnd)
        return Place::RowEnd;
    return enclosingCell(o.node) ? Place::TableCell : Place::Body;
}

int DocxDocument::paragraphsInCell(int ordinal) const {
    const Impl::Ordinal& o = d->at(ordinal);
    if (o.rowEnd)
        return 0;
    const pugi::xml_node cell = enclosingCell(o.node);
    if (!cell)
        return 0;
    int count = 0;
    for (pugi::xml_node child : cell.children("w:p"))
        static_cast<void>(child), ++count;
    return count;
}
