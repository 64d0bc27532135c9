#include "frmEdit.h"

#include "AdoDbCustom.h"
#include "BusyCursor.h"
#include "DocxWriter.h"
#include "PasteEdit.h"
#include "Prompter.h"
#include "RecordSetCustom.h"
#include "RichTextExport.h"
#include "RtfWriter.h"
#include "Statements.h"
#include "SystemInfo.h"
#include "UiFont.h"
#include "WordDocument.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSaveFile>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {

const QString DocxFilter = QStringLiteral("标准Word文件(*.docx)");
const QString RtfFilter = QStringLiteral("Word文件(*.rtf)");
const QString NativeFilter = QStringLiteral("系统默认文件(*.html)");

enum ExportKind { DocxExport, RtfExport, NativeExport };

QFont defaultTextFont() {
    return QFont(QStringLiteral("Times New Roman"), 12);
}

// Four lines of text as the alignment shows them.
QIcon alignmentIcon(Qt::Alignment alignment) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (int line = 0; line < 5; ++line) {
        const int y = 2 + line * 3;
        const int length = (alignment & Qt::AlignJustify) || line % 2 == 0 ? 14 : 9;
        int x = 1;
        if (alignment & Qt::AlignHCenter)
            x = (16 - length) / 2;
        else if (alignment & Qt::AlignRight)
            x = 15 - length;
        painter.drawLine(x, y, x + length - 1, y);
    }
    return QIcon(pixmap);
}

QIcon letterIcon(const QString& letter, const QFont& font) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

QString sizeText(double points) {
    return points == double(qRound(points)) ? QString::number(qRound(points))
                                            : QString::number(points, 'f', 1);
}

} // namespace

Tfrm_Edit::Tfrm_Edit(QWidget* owner) : QDialog(owner), mode_(WindowMode) {
    setObjectName(QStringLiteral("frm_Edit"));
    setFont(SongFont(9));
    resize(980, 640);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto makeAction = [this](const QString& name, const QString& text, const QString& hint) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setToolTip(hint);
        addAction(action);
        return action;
    };
    atNew = makeAction(QStringLiteral("atNew"), QStringLiteral("新建"), QStringLiteral("新建"));
    atOpen = makeAction(QStringLiteral("atOpen"), QStringLiteral("打开"), QStringLiteral("打开"));
    atSave = makeAction(QStringLiteral("atSave"), QStringLiteral("保存"), QStringLiteral("保存"));
    atSaveAs =
        makeAction(QStringLiteral("atSaveAs"), QStringLiteral("存Word"), QStringLiteral("存Word"));
    atCut = makeAction(QStringLiteral("atCut"), QStringLiteral("剪切"), QStringLiteral("剪切"));
    atCopy = makeAction(QStringLiteral("atCopy"), QStringLiteral("复制"), QStringLiteral("复制"));
    atPaste = makeAction(QStringLiteral("atPaste"), QStringLiteral("粘贴"), QStringLiteral("粘贴"));
    atUndo = makeAction(QStringLiteral("atUndo"), QStringLiteral("撤销"), QStringLiteral("撤销"));
    atSelect =
        makeAction(QStringLiteral("atSelect"), QStringLiteral("全选"), QStringLiteral("全选"));
    atFont = makeAction(QStringLiteral("atFont"), QStringLiteral("字体设置"),
                        QStringLiteral("字体设置"));
    atNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    atOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    atSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    atUndo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    atCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    atCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    atPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    atUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    atSelect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    atAlign = new QActionGroup(this);
    atAlign->setObjectName(QStringLiteral("atAlign"));
    atAlign->setExclusive(true);
    auto makeAlign = [this, &makeAction](const QString& name, const QString& text,
                                         Qt::Alignment alignment) {
        QAction* action = makeAction(name, text, text);
        action->setCheckable(true);
        action->setData(int(alignment));
        action->setIcon(alignmentIcon(alignment));
        atAlign->addAction(action);
        return action;
    };
    atAlignLeft = makeAlign(QStringLiteral("atAlignLeft"), QStringLiteral("左对齐"),
                            Qt::AlignLeft | Qt::AlignAbsolute);
    atAlignCenter =
        makeAlign(QStringLiteral("atAlignCenter"), QStringLiteral("居中"), Qt::AlignHCenter);
    atAlignRight = makeAlign(QStringLiteral("atAlignRight"), QStringLiteral("右对齐"),
                             Qt::AlignRight | Qt::AlignAbsolute);
    atAlignJustify =
        makeAlign(QStringLiteral("atAlignJustify"), QStringLiteral("两端对齐"), Qt::AlignJustify);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setIconSize(QSize(16, 16));
    auto addButton = [toolBar](const QString& name, QAction* action) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(name);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        toolBar->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("btnNew"), atNew);
    addButton(QStringLiteral("btnOpen"), atOpen);
    addButton(QStringLiteral("btnSave"), atSave);
    addButton(QStringLiteral("btnSaveAs"), atSaveAs);
    toolBar->addSeparator();
    addButton(QStringLiteral("btnCut"), atCut);
    addButton(QStringLiteral("btnCopy"), atCopy);
    addButton(QStringLiteral("btnPaste"), atPaste);
    addButton(QStringLiteral("btnUndo"), atUndo);
    toolBar->addSeparator();

    cmbFont = new QFontComboBox(toolBar);
    cmbFont->setObjectName(QStringLiteral("cmbFont"));
    cmbFont->setToolTip(QStringLiteral("字体"));
    cmbFont->setEditable(false);
    cmbFont->setFontFilters(QFontComboBox::ScalableFonts);
    cmbFont->setMaximumWidth(150);
    toolBar->addWidget(cmbFont);

    cmbFontSize = new QComboBox(toolBar);
    cmbFontSize->setObjectName(QStringLiteral("cmbFontSize"));
    cmbFontSize->setEditable(true);
    cmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        cmbFontSize->addItem(QString::number(size));
    cmbFontSize->setMinimumContentsLength(3);
    cmbFontSize->installEventFilter(this);
    toolBar->addWidget(cmbFontSize);

    auto makeStyleButton = [toolBar](const QString& name, const QString& letter,
                                     const QString& hint, const QFont& font) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(name);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolTip(hint);
        button->setText(letter);
        button->setIcon(letterIcon(letter, font));
        toolBar->addWidget(button);
        return button;
    };
    QFont letterFont(QStringLiteral("Times New Roman"), 11);
    letterFont.setBold(true);
    btnBold = makeStyleButton(QStringLiteral("btnBold"), QStringLiteral("B"),
                              QStringLiteral("粗体"), letterFont);
    letterFont.setBold(false);
    letterFont.setItalic(true);
    btnItalic = makeStyleButton(QStringLiteral("btnItalic"), QStringLiteral("I"),
                                QStringLiteral("斜体"), letterFont);
    letterFont.setItalic(false);
    letterFont.setUnderline(true);
    btnUnderline = makeStyleButton(QStringLiteral("btnUnderline"), QStringLiteral("U"),
                                   QStringLiteral("下划线"), letterFont);
    letterFont.setUnderline(false);
    atFont->setIcon(letterIcon(QStringLiteral("A"), letterFont));
    addButton(QStringLiteral("btnFont"), atFont);
    toolBar->addSeparator();
    addButton(QStringLiteral("btnLeft"), atAlignLeft);
    addButton(QStringLiteral("btnCenter"), atAlignCenter);
    addButton(QStringLiteral("btnRight"), atAlignRight);
    addButton(QStringLiteral("btnJustify"), atAlignJustify);
    toolBar->addSeparator();
    auto* btnExit = new QToolButton(toolBar);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setText(QStringLiteral("退出"));
    btnExit->setAutoRaise(true);
    toolBar->addWidget(btnExit);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setStyleSheet(QStringLiteral("color: #c00000;"));
    // A works grid hands its hint over with the row; it stays while the window is open.
    if (WindowMode == WindowModes::Dossier)
        lblMsg->setText(WorkContentHint);

    edtText = new PasteEdit(this);
    edtText->setFont(defaultTextFont());
    edtText->setObjectName(QStringLiteral("edtText"));
    edtText->setAcceptRichText(true);
    edtText->setTabChangesFocus(false);
    edtText->installEventFilter(this);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    auto* statusText = new QLabel(QStringLiteral("本程序存Word支持Word2007及以上版本"), statusBar);
    statusText->setObjectName(QStringLiteral("labStatus"));
    statusBar->addWidget(statusText);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 8, 0);
    top->addWidget(toolBar, 1);
    top->addWidget(lblMsg);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(edtText, 1);
    layout->addWidget(statusBar);

    connect(atNew, &QAction::triggered, this, &Tfrm_Edit::atNewExecute);
    connect(atOpen, &QAction::triggered, this, &Tfrm_Edit::atOpenExecute);
    connect(atSave, &QAction::triggered, this, &Tfrm_Edit::atSaveExecute);
    connect(atSaveAs, &QAction::triggered, this, &Tfrm_Edit::atSaveAsExecute);
    connect(atCut, &QAction::triggered, this, &Tfrm_Edit::atCutExecute);
    connect(atCopy, &QAction::triggered, this, &Tfrm_Edit::atCopyExecute);
    connect(atPaste, &QAction::triggered, this, &Tfrm_Edit::atPasteExecute);
    connect(atUndo, &QAction::triggered, this, &Tfrm_Edit::atUndoExecute);
    connect(atSelect, &QAction::triggered, this, &Tfrm_Edit::atSelectExecute);
    connect(atFont, &QAction::triggered, this, &Tfrm_Edit::atFontExecute);
    connect(atAlign, &QActionGroup::triggered, this, &Tfrm_Edit::atAlignExecute);
    connect(btnBold, &QToolButton::clicked, this, &Tfrm_Edit::btnBoldClick);
    connect(btnItalic, &QToolButton::clicked, this, &Tfrm_Edit::btnItalicClick);
    connect(btnUnderline, &QToolButton::clicked, this, &Tfrm_Edit::btnUnderlineClick);
    connect(cmbFont, &QComboBox::activated, this, &Tfrm_Edit::cmbFontClick);
    connect(cmbFontSize, &QComboBox::activated, this, &Tfrm_Edit::cmbFontSizeClick);
    connect(cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        // Leaving the box applies what was typed into it, not what the caret shows.
        if (cmbFontSize->currentText() != sizeShown_)
            applySize(cmbFontSize->currentText());
    });
    connect(btnExit, &QToolButton::clicked, this, &Tfrm_Edit::btnExitClick);
    connect(edtText, &QTextEdit::currentCharFormatChanged, this, &Tfrm_Edit::showCharFormat);
    connect(edtText, &QTextEdit::cursorPositionChanged, this, &Tfrm_Edit::showAlignment);
    connect(edtText, &QTextEdit::copyAvailable, atCut, &QAction::setEnabled);
    connect(edtText, &QTextEdit::copyAvailable, atCopy, &QAction::setEnabled);
    connect(edtText, &QTextEdit::undoAvailable, atUndo, &QAction::setEnabled);

    New();
}

Tfrm_Edit::~Tfrm_Edit() = default;

void Tfrm_Edit::setHint(const QString& text) {
    lblMsg->setText(text);
}

void Tfrm_Edit::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        mode_ = WindowMode;
        atCut->setEnabled(false);
        atCopy->setEnabled(false);
        atPaste->setEnabled(false);
        atUndo->setEnabled(false);
        edtText->setFocus();
        switch (mode_) {
        case WindowModes::Dossier:
            setWindowTitle(QStringLiteral("文章内容"));
            break;
        case WindowModes::Recommendation:
            setWindowTitle(QStringLiteral("单位推荐意见表"));
            lblMsg->setText(QStringLiteral("标题统一为：单位推荐意见"));
            break;
        case WindowModes::AccountingCase:
            setWindowTitle(QStringLiteral("会计案例"));
            lblMsg->clear();
            break;
        default:
            break;
        }
        edtText->document()->setModified(false);
        const BusyCursor busy;
        LoadContent();
    }
    QDialog::showEvent(event);
}

std::optional<Tfrm_Edit::Target> Tfrm_Edit::contentTarget(bool forSave) const {
    const QString applicant = QStringLiteral(" and f_id=") + QuotedValue(CurrentId);
    switch (mode_) {
    case WindowModes::Dossier:
        return Target{QStringLiteral("t_art"), QStringLiteral("f_art"),
                      applicant + QStringLiteral(" and f_index=") + BareNumber(CurrentWorkIndex) +
                          QStringLiteral(" and f_bj=") + QuotedValue(CurrentWorkKind)};
    case WindowModes::Recommendation:
        return Target{QStringLiteral("t_grzl"), QStringLiteral("f_commend"), applicant};
    case WindowModes::AccountingCase:
        return Target{QStringLiteral("t_kjal"), QStringLiteral("f_content"),
                      forSave ? applicant + QStringLiteral(" and f_year=") + QuotedValue(LoginYear)
                              : applicant};
    default:
        return std::nullopt;
    }
}

void Tfrm_Edit::setContent(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.isEmpty())
        edtText->clear();
    else if (Qt::mightBeRichText(text))
        edtText->setHtml(text);
    else
        edtText->setPlainText(text);
}

QByteArray Tfrm_Edit::content() const {
    return edtText->document()->toHtml().toUtf8();
}

bool Tfrm_Edit::openTargetRow(TDbConnect& connection, TAdoRecordData& data, const Target& target) {
    OpenLocalDatabase(connection);
    data.OpenCommand(connection, SelectSql(QStringLiteral("*"), target.table, target.condition));
    if (data.IsEmpty())
        return false;
    data.First();
    return true;
}

bool Tfrm_Edit::LoadContent() {
    edtText->clear();
    bool found = false;
    if (const std::optional<Target> target = contentTarget(false)) {
        try {
            TDbConnect connection;
            TAdoRecordData data;
            if (openTargetRow(connection, data, *target)) {
                setContent(data.FieldByName(target->column).AsBytes());
                found = true;
            }
        } catch (const DatabaseError& error) {
            AskBox(error.message(), QStringLiteral("错误"), BoxFlags::Ok | BoxFlags::IconError);
        }
    }
    edtText->moveCursor(QTextCursor::Start);
    edtText->document()->setModified(false);
    refreshFeedback();
    return found;
}

bool Tfrm_Edit::SaveContent() {
    const std::optional<Target> target = contentTarget(true);
    bool written = false;
    if (target) {
        const BusyCursor busy;
        try {
            TDbConnect connection;
            TAdoRecordData data;
            if (openTargetRow(connection, data, *target)) {
                data.Edit();
                data.FieldByName(target->column).SetAsBytes(content());
                data.Post();
                data.ApplyBatch();
                written = true;
            }
        } catch (const DatabaseError& error) {
            AskBox(error.message(), QStringLiteral("错误"), BoxFlags::Ok | BoxFlags::IconError);
            return false;
        }
    }
    if (!written) {
        // Nothing to write into: the user must not believe the text is stored.
        AskBox(QStringLiteral("没有找到存放内容的记录，内容没有保存"), QStringLiteral("错误"),
               BoxFlags::Ok | BoxFlags::IconError);
        return false;
    }
    edtText->document()->setModified(false);
    return true;
}

bool Tfrm_Edit::CanDiscard() {
    if (!edtText->document()->isModified())
        return true;
    switch (AskBox(QStringLiteral("文件已经被修改，是否现在保存文件?"), QStringLiteral("提示"),
                   BoxFlags::YesNoCancel | BoxFlags::IconQuestion)) {
    case BoxAnswer::Cancel:
        return false;
    case BoxAnswer::Yes:
        return SaveContent();
    default:
        return true;
    }
}

void Tfrm_Edit::New() {
    if (!CanDiscard())
        return;
    fileName_.clear();
    setWindowTitle(QStringLiteral("文件编辑 [新文件]"));
    QTextDocument* document = edtText->document();
    const bool modified = document->isModified();
    document->setDefaultFont(defaultTextFont());
    document->setDocumentMargin(5);
    edtText->clear();
    edtText->setCurrentCharFormat(QTextCharFormat());
    edtText->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    document->setModified(modified);
    refreshFeedback();
}

void Tfrm_Edit::Open() {
    if (!CanDiscard())
        return;
    edtText->document()->setModified(false);
    New();
    Prompter* prompter = CurrentPrompter();
    const QString name = prompter
                             ? prompter->openFileName(QStringLiteral("打开文件"), QString(),
                                                      QStringLiteral("系统默认文件 (*.html *.htm)"))
                             : QString();
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        AskBox(QStringLiteral("打开文件出错：%1").arg(file.errorString()), QStringLiteral("错误"),
               BoxFlags::Ok | BoxFlags::IconError);
        return;
    }
    setContent(file.readAll());
    edtText->moveCursor(QTextCursor::Start);
    fileName_ = name;
    setWindowTitle(QStringLiteral("文件编辑 [") + QFileInfo(name).fileName() + QStringLiteral("]"));
    // The text shown is not the stored one until the user saves it.
    edtText->document()->setModified(true);
    refreshFeedback();
}

bool Tfrm_Edit::writeExport(const QString& fileName, int kind) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    switch (kind) {
    case DocxExport:
        try {
            WriteDocx(&file, ParagraphsOf(*edtText->document()));
            written = true;
        } catch (const WordError&) {
            written = false;
        }
        break;
    case RtfExport:
        written = WriteRtf(&file, ParagraphsOf(*edtText->document()));
        break;
    default: {
        const QByteArray bytes = content();
        written = file.write(bytes) == bytes.size();
        break;
    }
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void Tfrm_Edit::ExportDocument() {
    Prompter* prompter = CurrentPrompter();
    QString chosenFilter;
    QString name = prompter ? prompter->saveFileName(QStringLiteral("存Word"), QString(),
                                                     DocxFilter + QStringLiteral(";;") + RtfFilter +
                                                         QStringLiteral(";;") + NativeFilter,
                                                     &chosenFilter)
                            : QString();
    if (!name.isEmpty()) {
        const QString suffix = QFileInfo(name).suffix().toLower();
        int kind = NativeExport;
        if (chosenFilter == DocxFilter)
            kind = DocxExport;
        else if (chosenFilter == RtfFilter)
            kind = RtfExport;
        else if (chosenFilter.isEmpty() && suffix == QStringLiteral("docx"))
            kind = DocxExport;
        else if (chosenFilter.isEmpty() && suffix == QStringLiteral("rtf"))
            kind = RtfExport;
        if (suffix.isEmpty())
            name += kind == DocxExport  ? QStringLiteral(".docx")
                    : kind == RtfExport ? QStringLiteral(".rtf")
                                        : QStringLiteral(".html");
        const BusyCursor busy;
        if (!writeExport(name, kind))
            AskBox(QStringLiteral("存Word文件出错"), QStringLiteral("错误"),
                   BoxFlags::Ok | BoxFlags::IconError);
    }
    edtText->setFocus();
}

void Tfrm_Edit::atNewExecute() {
    New();
}

void Tfrm_Edit::atOpenExecute() {
    Open();
}

void Tfrm_Edit::atSaveExecute() {
    SaveContent();
}

void Tfrm_Edit::atSaveAsExecute() {
    if (SaveContent())
        ExportDocument();
}

void Tfrm_Edit::atCutExecute() {
    edtText->cut();
    atPaste->setEnabled(true);
}

void Tfrm_Edit::atCopyExecute() {
    edtText->copy();
    atPaste->setEnabled(true);
}

void Tfrm_Edit::atPasteExecute() {
    edtText->paste();
}

void Tfrm_Edit::atUndoExecute() {
    edtText->undo();
}

void Tfrm_Edit::atSelectExecute() {
    edtText->selectAll();
}

void Tfrm_Edit::applyCharFormat(const std::function<void(QTextCharFormat&)>& change) {
    QTextCursor cursor = edtText->textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat format = cursor.charFormat();
        change(format);
        edtText->setCurrentCharFormat(format);
        showCharFormat(format);
        return;
    }
    // Each differently formatted piece of the selection keeps its own formatting and
    // changes only the one property.
    struct Piece {
        int start;
        int end;
        QTextCharFormat format;
    };
    QList<Piece> pieces;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QTextDocument* document = edtText->document();
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = qMax(start, fragment.position());
            const int to = qMin(end, fragment.position() + fragment.length());
            if (from < to)
                pieces.append({from, to, fragment.charFormat()});
        }
    }
    QTextCursor editing(document);
    editing.beginEditBlock();
    for (Piece& piece : pieces) {
        change(piece.format);
        editing.setPosition(piece.start);
        editing.setPosition(piece.end, QTextCursor::KeepAnchor);
        editing.setCharFormat(piece.format);
    }
    editing.endEditBlock();
    showCharFormat(edtText->textCursor().charFormat());
}

void Tfrm_Edit::btnBoldClick(bool checked) {
    if (updatingToolbar_)
        return;
    applyCharFormat([checked](QTextCharFormat& format) {
        format.setFontWeight(checked ? QFont::Bold : QFont::Normal);
    });
}

void Tfrm_Edit::btnItalicClick(bool checked) {
    if (updatingToolbar_)
        return;
    applyCharFormat([checked](QTextCharFormat& format) { format.setFontItalic(checked); });
}

void Tfrm_Edit::btnUnderlineClick(bool checked) {
    if (updatingToolbar_)
        return;
    applyCharFormat([checked](QTextCharFormat& format) { format.setFontUnderline(checked); });
}

void Tfrm_Edit::cmbFontClick(int index) {
    if (updatingToolbar_ || index < 0)
        return;
    const QString family = cmbFont->itemText(index);
    applyCharFormat(
        [&family](QTextCharFormat& format) { format.setFontFamilies(QStringList{family}); });
    edtText->setFocus();
}

void Tfrm_Edit::cmbFontSizeClick(int index) {
    if (updatingToolbar_ || index < 0)
        return;
    applySize(cmbFontSize->itemText(index));
    edtText->setFocus();
}

void Tfrm_Edit::applySize(const QString& text) {
    if (updatingToolbar_ || text.trimmed().isEmpty())
        return;
    bool number = false;
    int size = text.trimmed().toInt(&number);
    // A size no font can have counts as no number at all.
    if (!number || size < 1)
        size = 10;
    applyCharFormat([size](QTextCharFormat& format) {
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(size);
    });
    sizeShown_ = QString::number(size);
    const bool wasUpdating = std::exchange(updatingToolbar_, true);
    cmbFontSize->setEditText(sizeShown_);
    updatingToolbar_ = wasUpdating;
}

void Tfrm_Edit::atFontExecute() {
    Prompter* prompter = CurrentPrompter();
    if (!prompter)
        return;
    const QFont current =
        edtText->textCursor().charFormat().font().resolve(edtText->document()->defaultFont());
    std::optional<QFont> chosen = prompter->font(current);
    if (!chosen)
        return;
    QFont font = *chosen;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    font.setPointSizeF(qBound(1.0, points, 72.0));
    applyCharFormat([&font](QTextCharFormat& format) {
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFont(font, QTextCharFormat::FontPropertiesAll);
    });
    edtText->setFocus();
}

void Tfrm_Edit::atAlignExecute(QAction* action) {
    if (updatingToolbar_)
        return;
    edtText->setAlignment(Qt::Alignment(action->data().toInt()));
}

void Tfrm_Edit::btnExitClick() {
    reject();
}

void Tfrm_Edit::reject() {
    if (CanDiscard())
        QDialog::reject();
}

void Tfrm_Edit::showCharFormat(const QTextCharFormat& format) {
    const QFont font = format.font().resolve(edtText->document()->defaultFont());
    const bool wasUpdating = std::exchange(updatingToolbar_, true);
    cmbFont->setCurrentIndex(cmbFont->findText(font.family(), Qt::MatchFixedString));
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    sizeShown_ = sizeText(points);
    cmbFontSize->setEditText(sizeShown_);
    btnBold->setChecked(font.bold());
    btnItalic->setChecked(font.italic());
    btnUnderline->setChecked(format.fontUnderline());
    updatingToolbar_ = wasUpdating;
}

void Tfrm_Edit::showAlignment() {
    const Qt::Alignment alignment = edtText->alignment();
    QAction* pressed = atAlignLeft;
    if (alignment & Qt::AlignHCenter)
        pressed = atAlignCenter;
    else if (alignment & Qt::AlignJustify)
        pressed = atAlignJustify;
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        pressed = atAlignRight;
    const bool wasUpdating = std::exchange(updatingToolbar_, true);
    pressed->setChecked(true);
    updatingToolbar_ = wasUpdating;
}

void Tfrm_Edit::refreshFeedback() {
    showCharFormat(edtText->textCursor().charFormat());
    showAlignment();
}

bool Tfrm_Edit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == cmbFontSize) {
        if (type == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            applySize(cmbFontSize->currentText());
            edtText->setFocus();
            return true;
        }
    } else if (watched == edtText) {
        // The window's clipboard, undo and select keys run its own commands even where the
        // editor knows the same keys, so that a copy by key also enables 粘贴.
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : {atCut, atCopy, atPaste, atUndo, atSelect}) {
            if (action->shortcut() != pressed)
                continue;
            if (type == QEvent::ShortcutOverride) {
                event->accept();
            } else {
                action->trigger();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
