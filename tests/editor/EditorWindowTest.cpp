// The formatted-text editor driven as a user drives it: the row and column of each mode,
// formatting through save and reload, the discard question, Open, the exports and the tool
// bar.

#include "DocxDocument.h"
#include "ModalDriver.h"
#include "PasteEdit.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "TestEnvironment.h"
#include "frmEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Applicant = u"0123456789ABCDEF0123456789ABCDEF"_s;
const QString Other = u"FEDCBA9876543210FEDCBA9876543210"_s;

// Stored content as the editor writes it: its default font is Times New Roman, 12 points.
QByteArray htmlOf(const QString& text) {
    QTextDocument document;
    document.setDefaultFont(QFont(u"Times New Roman"_s, 12));
    document.setPlainText(text);
    return document.toHtml().toUtf8();
}

QString plainOf(const QVariant& stored) {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(stored.toByteArray()));
    return document.toPlainText();
}

// The rows every mode can find: works of the applicant and of another applicant, the
// applicant's dossier and accounting cases of two years (2004 stored first).
void arrangeRows() {
    DirectDatabase db;
    const QString art = u"insert into t_art (f_id, f_year, f_index, f_subject, f_art, f_bj) "
                        u"values (?, '2005', ?, ?, ?, ?)"_s;
    db.exec(art, {Applicant, 1, u"代表作"_s, htmlOf(u"代表作内容"_s), u"1"_s});
    db.exec(art, {Applicant, 6, u"文章"_s, htmlOf(u"文章内容"_s), u"2"_s});
    db.exec(art, {Applicant, 6, u"专著"_s, htmlOf(u"专著内容"_s), u"3"_s});
    db.exec(art, {Other, 6, u"他人文章"_s, htmlOf(u"他人文章内容"_s), u"2"_s});
    const QString grzl = u"insert into t_grzl (f_id, f_year, f_name, f_commend) "
                         u"values (?, '2005', ?, ?)"_s;
    db.exec(grzl, {Applicant, u"张三"_s, htmlOf(u"推荐意见"_s)});
    db.exec(grzl, {Other, u"李四"_s, htmlOf(u"他人推荐意见"_s)});
    const QString kjal =
        u"insert into t_kjal (f_id, f_year, f_title, f_content) values (?, ?, ?, ?)"_s;
    db.exec(kjal, {Applicant, u"2004"_s, u"旧案例"_s, htmlOf(u"2004年案例"_s)});
    db.exec(kjal, {Applicant, u"2005"_s, u"新案例"_s, htmlOf(u"2005年案例"_s)});
}

QVariant stored(const QString& statement, const QVariantList& values = {}) {
    return DirectDatabase().value(statement, values);
}

QString artText(const QString& id, int index, const QString& kind) {
    return plainOf(stored(u"select f_art from t_art where f_id=? and f_index=? and f_bj=?"_s,
                          {id, index, kind}));
}

QString commendText(const QString& id) {
    return plainOf(stored(u"select f_commend from t_grzl where f_id=?"_s, {id}));
}

QString caseText(const QString& year) {
    return plainOf(
        stored(u"select f_content from t_kjal where f_id=? and f_year=?"_s, {Applicant, year}));
}

void selectMode(quint8 mode, const QString& index = QString(), const QString& kind = QString()) {
    LoginYear = u"2005"_s;
    CurrentId = Applicant;
    WindowMode = mode;
    CurrentWorkIndex = index;
    CurrentWorkKind = kind;
}

// A window opened in the selected mode, shown (which loads the text).
std::unique_ptr<Tfrm_Edit> openEditor() {
    auto window = std::make_unique<Tfrm_Edit>();
    window->show();
    return window;
}

void typeText(Tfrm_Edit& window, const QString& text) {
    window.editor()->moveCursor(QTextCursor::End);
    window.editor()->insertPlainText(text);
}

// The effective character format at a position of the document (the character after it).
QFont fontAt(QTextEdit* editor, int position) {
    QTextCursor cursor(editor->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().font().resolve(editor->document()->defaultFont());
}

QTextBlock blockWith(QTextEdit* editor, const QString& text) {
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block;
    }
    return {};
}

int positionOf(QTextEdit* editor, const QString& text) {
    return int(editor->document()->toPlainText().indexOf(text));
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void captionAndHint_data();
    void captionAndHint();
    void loadsOwnRow_data();
    void loadsOwnRow();
    void savesOwnRow_data();
    void savesOwnRow();
    void accountingCaseSavesOnlyLoginYear();
    void missingRowWritesNothing_data();
    void missingRowWritesNothing();
    void justifyAsAttribute_data();
    void justifyAsAttribute();
    void pastedFormattingSurvivesReload();
    void toolBarFormattingSurvivesReload();
    void canDiscard_data();
    void canDiscard();
    void closingAsksWhenModified_data();
    void closingAsksWhenModified();
    void openCancelledLeavesEmptyEditor();
    void openReadsOwnFileBack();
    void saveAsExportsAfterSave_data();
    void saveAsExportsAfterSave();
    void exportFailureIsReported();
    void sizeBox_data();
    void sizeBox();
    void fontDialogAppliesWholeFont();
    void caretFeedback();
    void clipboardCommands();
    void undoStartsDisabled();

private:
    std::unique_ptr<TestEnvironment> env;
    QTemporaryDir files;
};

void EditorWindowTest::init() {
    env = std::make_unique<TestEnvironment>();
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
    arrangeRows();
}

void EditorWindowTest::cleanup() {
    env.reset();
}

void EditorWindowTest::captionAndHint_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("openerHint");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("work: the grid's hint")
        << 0 << u"提示：只贴入简介和目录"_s << u"文章内容"_s << u"提示：只贴入简介和目录"_s;
    QTest::newRow("recommendation: its own hint")
        << 4 << u"提示：贴入内容"_s << u"单位推荐意见表"_s << u"标题统一为：单位推荐意见"_s;
    QTest::newRow("accounting case: no hint")
        << 30 << u"提示：贴入内容"_s << u"会计案例"_s << QString();
}

void EditorWindowTest::captionAndHint() {
    QFETCH(int, mode);
    QFETCH(QString, openerHint);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    selectMode(quint8(mode), u"6"_s, u"3"_s);
    WorkContentHint = openerHint;
    const auto cleared = qScopeGuard([] { WorkContentHint.clear(); });
    const auto window = openEditor();
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(Child<QLabel>(window.get(), u"lblMsg"_s)->text(), hint);
}

void EditorWindowTest::loadsOwnRow_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("representative work") << 0 << u"1"_s << u"1"_s << u"代表作内容"_s;
    QTest::newRow("article beside a book of the same number")
        << 0 << u"6"_s << u"2"_s << u"文章内容"_s;
    QTest::newRow("book beside an article of the same number")
        << 0 << u"6"_s << u"3"_s << u"专著内容"_s;
    QTest::newRow("work that does not exist") << 0 << u"7"_s << u"2"_s << QString();
    QTest::newRow("recommendation") << 4 << QString() << QString() << u"推荐意见"_s;
    QTest::newRow("accounting case: first row whatever its year")
        << 30 << QString() << QString() << u"2004年案例"_s;
    QTest::newRow("no mode of the editor") << 2 << QString() << QString() << QString();
}

void EditorWindowTest::loadsOwnRow() {
    QFETCH(int, mode);
    QFETCH(QString, index);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    selectMode(quint8(mode), index, kind);
    const auto window = openEditor();
    QCOMPARE(window->editor()->toPlainText(), text);
    QVERIFY(!window->editor()->document()->isModified());
    QVERIFY(env->prompter.messages.isEmpty());
}

void EditorWindowTest::savesOwnRow_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("kind");
    QTest::newRow("article") << 0 << u"6"_s << u"2"_s;
    QTest::newRow("book") << 0 << u"6"_s << u"3"_s;
    QTest::newRow("representative work") << 0 << u"1"_s << u"1"_s;
    QTest::newRow("recommendation") << 4 << QString() << QString();
}

void EditorWindowTest::savesOwnRow() {
    QFETCH(int, mode);
    QFETCH(QString, index);
    QFETCH(QString, kind);
    selectMode(quint8(mode), index, kind);
    const auto window = openEditor();
    const QString before = window->editor()->toPlainText();
    typeText(*window, u"，补充 O'Neil"_s);
    QVERIFY(window->editor()->document()->isModified());
    QVERIFY(window->SaveContent());
    QVERIFY(!window->editor()->document()->isModified());
    QVERIFY(env->prompter.messages.isEmpty());

    const QString saved = before + u"，补充 O'Neil"_s;
    // Every other row keeps its own text.
    QCOMPARE(artText(Applicant, 1, u"1"_s), kind == u"1"_s ? saved : u"代表作内容"_s);
    QCOMPARE(artText(Applicant, 6, u"2"_s), kind == u"2"_s ? saved : u"文章内容"_s);
    QCOMPARE(artText(Applicant, 6, u"3"_s), kind == u"3"_s ? saved : u"专著内容"_s);
    QCOMPARE(artText(Other, 6, u"2"_s), u"他人文章内容"_s);
    QCOMPARE(commendText(Applicant), mode == 4 ? saved : u"推荐意见"_s);
    QCOMPARE(commendText(Other), u"他人推荐意见"_s);

    // A new window shows what was saved.
    const auto again = openEditor();
    QCOMPARE(again->editor()->toPlainText(), saved);
}

void EditorWindowTest::accountingCaseSavesOnlyLoginYear() {
    selectMode(WindowModes::AccountingCase);
    const auto window = openEditor();
    QCOMPARE(window->editor()->toPlainText(), u"2004年案例"_s);
    window->editor()->selectAll();
    window->editor()->insertPlainText(u"2005年的新案例"_s);
    QVERIFY(window->SaveContent());
    QCOMPARE(caseText(u"2004"_s), u"2004年案例"_s);
    QCOMPARE(caseText(u"2005"_s), u"2005年的新案例"_s);

    // Without a row of the login year nothing is written, into no year.
    DirectDatabase().exec(u"delete from t_kjal where f_year='2005'"_s);
    window->editor()->selectAll();
    window->editor()->insertPlainText(u"无处可存"_s);
    QVERIFY(!window->SaveContent());
    QCOMPARE(caseText(u"2004"_s), u"2004年案例"_s);
    QCOMPARE(DirectDatabase().count(u"t_kjal"_s), 1);
    QVERIFY(window->editor()->document()->isModified());
}

void EditorWindowTest::missingRowWritesNothing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("index");
    QTest::newRow("work row not stored") << 0 << Applicant << u"9"_s;
    QTest::newRow("dossier not stored") << 4 << u"00000000000000000000000000000000"_s << QString();
    QTest::newRow("works row number that is no number") << 0 << Applicant << u"1 or 1=1"_s;
}

void EditorWindowTest::missingRowWritesNothing() {
    QFETCH(int, mode);
    QFETCH(QString, id);
    QFETCH(QString, index);
    selectMode(quint8(mode), index, u"2"_s);
    CurrentId = id;
    const auto window = openEditor();
    env->prompter.messages.clear();
    const QList<QVariantList> artBefore = DirectDatabase().rows(u"select * from t_art"_s);
    const QList<QVariantList> grzlBefore = DirectDatabase().rows(u"select * from t_grzl"_s);
    typeText(*window, u"新内容"_s);

    env->prompter.saveFileNames.enqueue(files.filePath(u"out.rtf"_s));
    env->prompter.saveFilters.enqueue(u"Word文件(*.rtf)"_s);
    Child<QToolButton>(window.get(), u"btnSaveAs"_s)->click();
    // The failed save is reported, and 存Word then exports nothing.
    QVERIFY(!env->prompter.messages.isEmpty());
    QCOMPARE(env->prompter.messages.last().caption, u"错误"_s);
    QVERIFY(env->prompter.dialogCaptions.isEmpty());
    QVERIFY(!QFile::exists(files.filePath(u"out.rtf"_s)));
    QCOMPARE(DirectDatabase().rows(u"select * from t_art"_s), artBefore);
    QCOMPARE(DirectDatabase().rows(u"select * from t_grzl"_s), grzlBefore);
    QVERIFY(window->editor()->document()->isModified());
}

void EditorWindowTest::justifyAsAttribute_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("adjusted");
    QTest::newRow("word processor paragraph")
        << u"<p class=MsoNormal style='text-align:justify;text-indent:21pt'>甲</p>"_s
        << u"<p class=MsoNormal style='text-indent:21pt' align=\"justify\">甲</p>"_s;
    QTest::newRow("browser, spaces and letter case")
        << u"<DIV STYLE=\"color:red; Text-Align : Justify\">乙</DIV>"_s
        << u"<DIV STYLE=\"color:red; \" align=\"justify\">乙</DIV>"_s;
    QTest::newRow("other alignments stay") << u"<p style='text-align:center'>丙</p><p>丁</p>"_s
                                           << u"<p style='text-align:center'>丙</p><p>丁</p>"_s;
    QTest::newRow("text that only reads like the style stays")
        << u"<p>text-align:justify</p>"_s << u"<p>text-align:justify</p>"_s;
}

void EditorWindowTest::justifyAsAttribute() {
    QFETCH(QString, html);
    QFETCH(QString, adjusted);
    QCOMPARE(JustifyAsAttribute(html), adjusted);
}

void EditorWindowTest::pastedFormattingSurvivesReload() {
    selectMode(WindowModes::Dossier, u"6"_s, u"2"_s);
    const auto window = openEditor();
    window->editor()->clear();
    // What a word processor puts on the clipboard, and what a browser does (pixel sizes).
    auto* mime = new QMimeData;
    mime->setHtml(
        u"<html><body>"
        u"<p align=center><b><span style='font-size:16.0pt;font-family:SimHei'>标题居中</span>"
        u"</b></p>"
        u"<p style='text-align:justify'><span style='font-size:10.5pt'>正文<i>斜体</i>"
        u"<u>下划线</u></span></p>"
        u"<p style=\"text-align:right\"><span style=\"font-size:24px;font-family:Arial\">"
        u"右侧</span></p>"
        u"</body></html>"_s);
    mime->setText(u"标题居中\n正文斜体下划线\n右侧"_s);
    QGuiApplication::clipboard()->setMimeData(mime);
    QTest::keyClick(window->editor(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(window->editor()->toPlainText().contains(u"标题居中"_s));
    QVERIFY(window->SaveContent());

    const auto again = openEditor();
    QTextEdit* editor = again->editor();
    const QFont title = fontAt(editor, positionOf(editor, u"标题"_s));
    QVERIFY(title.bold());
    QCOMPARE(title.pointSizeF(), 16.0);
    QCOMPARE(title.family(), u"SimHei"_s);
    QVERIFY(blockWith(editor, u"标题居中"_s).blockFormat().alignment() & Qt::AlignHCenter);

    const QFont body = fontAt(editor, positionOf(editor, u"正文"_s));
    QVERIFY(!body.bold() && !body.italic() && !body.underline());
    QCOMPARE(body.pointSizeF(), 10.5);
    QVERIFY(fontAt(editor, positionOf(editor, u"斜体"_s)).italic());
    QVERIFY(fontAt(editor, positionOf(editor, u"下划线"_s)).underline());
    QVERIFY(blockWith(editor, u"正文"_s).blockFormat().alignment() & Qt::AlignJustify);

    const QFont right = fontAt(editor, positionOf(editor, u"右侧"_s));
    QCOMPARE(right.family(), u"Arial"_s);
    QCOMPARE(right.pixelSize(), 24);
    QVERIFY(blockWith(editor, u"右侧"_s).blockFormat().alignment() & Qt::AlignRight);
}

void EditorWindowTest::toolBarFormattingSurvivesReload() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QTextEdit* editor = window->editor();
    editor->setPlainText(u"单位推荐意见\n正文一段"_s);
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    Child<QToolButton>(window.get(), u"btnBold"_s)->click();
    Child<QToolButton>(window.get(), u"btnUnderline"_s)->click();
    Child<QToolButton>(window.get(), u"btnCenter"_s)->click();
    auto* size = Child<QComboBox>(window.get(), u"cmbFontSize"_s);
    size->setFocus();
    size->setEditText(u"18"_s);
    QTest::keyClick(size, Qt::Key_Return);
    QVERIFY(window->SaveContent());

    const auto again = openEditor();
    const QFont title = fontAt(again->editor(), 0);
    QVERIFY(title.bold());
    QVERIFY(title.underline());
    QCOMPARE(title.pointSizeF(), 18.0);
    QVERIFY(again->editor()->document()->begin().blockFormat().alignment() & Qt::AlignHCenter);
    const QFont body = fontAt(again->editor(), positionOf(again->editor(), u"正文"_s));
    QVERIFY(!body.bold());
    QCOMPARE(body.pointSizeF(), 12.0);
    QCOMPARE(body.family(), u"Times New Roman"_s);
    QVERIFY(
        !(again->editor()->document()->lastBlock().blockFormat().alignment() & Qt::AlignHCenter));
}

void EditorWindowTest::canDiscard_data() {
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("storedText");
    QTest::newRow("unmodified: no question") << false << 0 << true << u"文章内容"_s;
    QTest::newRow("yes saves") << true << BoxAnswer::Yes << true << u"文章内容再改"_s;
    QTest::newRow("no drops the edit") << true << BoxAnswer::No << true << u"文章内容"_s;
    QTest::newRow("cancel keeps editing") << true << BoxAnswer::Cancel << false << u"文章内容"_s;
}

void EditorWindowTest::canDiscard() {
    QFETCH(bool, edit);
    QFETCH(int, answer);
    QFETCH(bool, allowed);
    QFETCH(QString, storedText);
    selectMode(WindowModes::Dossier, u"6"_s, u"2"_s);
    const auto window = openEditor();
    if (edit)
        typeText(*window, u"再改"_s);
    env->prompter.answers.enqueue(answer);
    QCOMPARE(window->CanDiscard(), allowed);
    if (edit) {
        QCOMPARE(env->prompter.messages.size(), 1);
        QCOMPARE(env->prompter.messages.first().text, u"文件已经被修改，是否现在保存文件?"_s);
        QCOMPARE(env->prompter.messages.first().caption, u"提示"_s);
        QCOMPARE(env->prompter.messages.first().flags,
                 BoxFlags::YesNoCancel | BoxFlags::IconQuestion);
    } else {
        QVERIFY(env->prompter.messages.isEmpty());
    }
    QCOMPARE(artText(Applicant, 6, u"2"_s), storedText);
}

void EditorWindowTest::closingAsksWhenModified_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("退出") << false;
    QTest::newRow("close box") << true;
}

void EditorWindowTest::closingAsksWhenModified() {
    QFETCH(bool, closeBox);
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    auto close = [&] {
        if (closeBox)
            window->close();
        else
            Child<QToolButton>(window.get(), u"btnExit"_s)->click();
    };
    typeText(*window, u"未存"_s);
    env->prompter.answers.enqueue(BoxAnswer::Cancel);
    close();
    QVERIFY(window->isVisible());
    env->prompter.answers.enqueue(BoxAnswer::Yes);
    close();
    QVERIFY(!window->isVisible());
    QCOMPARE(env->prompter.messages.size(), 2);
    QCOMPARE(commendText(Applicant), u"推荐意见未存"_s);
}

void EditorWindowTest::openCancelledLeavesEmptyEditor() {
    selectMode(WindowModes::Dossier, u"1"_s, u"1"_s);
    const auto window = openEditor();
    QCOMPARE(window->editor()->toPlainText(), u"代表作内容"_s);
    const QList<QVariantList> before = DirectDatabase().rows(u"select * from t_art"_s);
    Child<QToolButton>(window.get(), u"btnOpen"_s)->click();
    QCOMPARE(env->prompter.dialogCaptions.size(), 1);
    QVERIFY(window->editor()->toPlainText().isEmpty());
    QCOMPARE(window->windowTitle(), u"文件编辑 [新文件]"_s);
    QVERIFY(env->prompter.messages.isEmpty());
    QCOMPARE(DirectDatabase().rows(u"select * from t_art"_s), before);
}

void EditorWindowTest::openReadsOwnFileBack() {
    selectMode(WindowModes::Dossier, u"6"_s, u"2"_s);
    const auto window = openEditor();
    QTextCursor cursor(window->editor()->document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    const QString name = files.filePath(u"自存文件"_s);
    env->prompter.saveFileNames.enqueue(name);
    env->prompter.saveFilters.enqueue(u"系统默认文件(*.html)"_s);
    Child<QToolButton>(window.get(), u"btnSaveAs"_s)->click();
    QVERIFY(QFile::exists(name + u".html"_s));

    selectMode(WindowModes::Recommendation);
    const auto other = openEditor();
    env->prompter.openFileNames.enqueue(name + u".html"_s);
    Child<QToolButton>(other.get(), u"btnOpen"_s)->click();
    QCOMPARE(other->editor()->toPlainText(), u"文章内容"_s);
    QVERIFY(fontAt(other->editor(), 0).bold());
    QCOMPARE(other->windowTitle(), u"文件编辑 [自存文件.html]"_s);
    // Opening does not store; the window knows the text differs from the stored one.
    QCOMPARE(commendText(Applicant), u"推荐意见"_s);
    QVERIFY(other->editor()->document()->isModified());
}

void EditorWindowTest::saveAsExportsAfterSave_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("writtenName");
    QTest::newRow("docx") << u"标准Word文件(*.docx)"_s << u"意见.docx"_s << u"意见.docx"_s;
    QTest::newRow("docx, extension added")
        << u"标准Word文件(*.docx)"_s << u"意见"_s << u"意见.docx"_s;
    QTest::newRow("rtf") << u"Word文件(*.rtf)"_s << u"意见.rtf"_s << u"意见.rtf"_s;
    QTest::newRow("rtf, extension added") << u"Word文件(*.rtf)"_s << u"意见"_s << u"意见.rtf"_s;
}

void EditorWindowTest::saveAsExportsAfterSave() {
    QFETCH(QString, filter);
    QFETCH(QString, typedName);
    QFETCH(QString, writtenName);
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    window->editor()->setHtml(u"<p align=center><b>单位推荐意见</b></p><p>同意{推荐}\\</p>"_s);
    env->prompter.saveFileNames.enqueue(files.filePath(typedName));
    env->prompter.saveFilters.enqueue(filter);
    Child<QToolButton>(window.get(), u"btnSaveAs"_s)->click();

    QVERIFY(env->prompter.messages.isEmpty());
    QCOMPARE(commendText(Applicant), u"单位推荐意见\n同意{推荐}\\"_s);
    QFile file(files.filePath(writtenName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (writtenName.endsWith(u".docx"_s)) {
        file.close();
        const auto document = DocxDocument::open(file.fileName());
        QCOMPARE(document->paragraphCount(), 2);
        QCOMPARE(document->paragraphText(1), u"单位推荐意见"_s);
        QCOMPARE(document->paragraphText(2), u"同意{推荐}\\"_s);
    } else {
        const QByteArray rtf = file.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\qc"));
        QVERIFY(rtf.contains("\\b "));
        QVERIFY(rtf.contains("\\{") && rtf.contains("\\}") && rtf.contains("\\\\"));
    }
}

void EditorWindowTest::exportFailureIsReported() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    const QString name = files.filePath(u"no folder/意见.docx"_s);
    env->prompter.saveFileNames.enqueue(name);
    env->prompter.saveFilters.enqueue(u"标准Word文件(*.docx)"_s);
    Child<QToolButton>(window.get(), u"btnSaveAs"_s)->click();
    QCOMPARE(env->prompter.messages.size(), 1);
    QCOMPARE(env->prompter.messages.first().text, u"存Word文件出错"_s);
    QCOMPARE(env->prompter.messages.first().caption, u"错误"_s);
    QCOMPARE(env->prompter.messages.first().flags & 0x0F, BoxFlags::Ok);
    QVERIFY(!QFile::exists(name));
}

void EditorWindowTest::sizeBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<double>("points");
    QTest::newRow("number, Enter") << u"14"_s << true << 14.0;
    QTest::newRow("number, leaving the box") << u"20"_s << false << 20.0;
    QTest::newRow("letters") << u"abc"_s << true << 10.0;
    QTest::newRow("letters, leaving the box") << u"大号"_s << false << 10.0;
    QTest::newRow("zero is no size") << u"0"_s << true << 10.0;
    QTest::newRow("empty applies nothing") << QString() << true << 12.0;
}

void EditorWindowTest::sizeBox() {
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(double, points);
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QApplication::setActiveWindow(window.get());
    window->editor()->selectAll();
    auto* size = Child<QComboBox>(window.get(), u"cmbFontSize"_s);
    size->setFocus();
    size->lineEdit()->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(size, Qt::Key_Delete);
    else
        size->lineEdit()->insert(typed);
    if (byEnter) {
        QTest::keyClick(size, Qt::Key_Return);
        // Enter is taken by the box: the editor gets the focus and no new line.
        QCOMPARE(window->editor()->toPlainText(), u"推荐意见"_s);
    } else {
        size->lineEdit()->clearFocus();
        window->editor()->setFocus();
    }
    QCOMPARE(fontAt(window->editor(), 0).pointSizeF(), points);
    QCOMPARE(fontAt(window->editor(), 3).pointSizeF(), points);
    QCOMPARE(window->editor()->document()->isModified(), !typed.isEmpty());
}

void EditorWindowTest::fontDialogAppliesWholeFont() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QTextEdit* editor = window->editor();
    editor->setHtml(u"<p>前<b>粗</b>后</p>"_s);
    QTextCursor cursor(editor->document());
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QFont chosen(u"Courier New"_s, 100);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    env->prompter.fonts.enqueue(chosen);
    Child<QToolButton>(window.get(), u"btnFont"_s)->click();
    for (int position : {1, 2}) {
        const QFont font = fontAt(editor, position);
        QCOMPARE(font.family(), u"Courier New"_s);
        QCOMPARE(font.pointSizeF(), 72.0);
        QVERIFY(font.italic() && font.strikeOut() && !font.bold());
    }
    QCOMPARE(fontAt(editor, 0).family(), u"Times New Roman"_s);

    // Cancelling the dialog changes nothing.
    editor->document()->setModified(false);
    Child<QToolButton>(window.get(), u"btnFont"_s)->click();
    QVERIFY(!editor->document()->isModified());
}

void EditorWindowTest::caretFeedback() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QTextEdit* editor = window->editor();
    editor->setHtml(u"<p align=right><span style='font-family:Arial;font-size:14pt'>"
                    u"<b><i>AB</i></b></span></p><p>plain</p>"_s);
    auto* bold = Child<QToolButton>(window.get(), u"btnBold"_s);
    auto* italic = Child<QToolButton>(window.get(), u"btnItalic"_s);
    auto* size = Child<QComboBox>(window.get(), u"cmbFontSize"_s);
    auto* font = Child<QFontComboBox>(window.get(), u"cmbFont"_s);
    QTextCursor cursor(editor->document());
    cursor.setPosition(1);
    editor->setTextCursor(cursor);
    QVERIFY(bold->isChecked() && italic->isChecked());
    QCOMPARE(size->currentText(), u"14"_s);
    QCOMPARE(Child<QToolButton>(window.get(), u"btnRight"_s)->isChecked(), true);
    if (font->findText(u"Arial"_s) >= 0)
        QCOMPARE(font->currentText(), u"Arial"_s);
    cursor.setPosition(editor->document()->lastBlock().position() + 2);
    editor->setTextCursor(cursor);
    QVERIFY(!bold->isChecked() && !italic->isChecked());
    QCOMPARE(size->currentText(), u"12"_s);
    QCOMPARE(Child<QToolButton>(window.get(), u"btnLeft"_s)->isChecked(), true);
    // Showing the format changed nothing in the text.
    QVERIFY(fontAt(editor, 0).bold());
}

void EditorWindowTest::clipboardCommands() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QApplication::setActiveWindow(window.get());
    QTextEdit* editor = window->editor();
    auto* cut = Child<QToolButton>(window.get(), u"btnCut"_s);
    auto* copy = Child<QToolButton>(window.get(), u"btnCopy"_s);
    auto* paste = Child<QToolButton>(window.get(), u"btnPaste"_s);
    QVERIFY(!cut->isEnabled() && !copy->isEnabled() && !paste->isEnabled());

    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor->textCursor().selectedText(), u"推荐意见"_s);
    QVERIFY(cut->isEnabled() && copy->isEnabled());
    QVERIFY(!paste->isEnabled());
    // The copy key is the window's copy command: it enables 粘贴.
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(paste->isEnabled());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"推荐意见"_s);
    editor->moveCursor(QTextCursor::End);
    QVERIFY(!cut->isEnabled() && !copy->isEnabled());
    QTest::keyClick(editor, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(editor->toPlainText(), u"推荐意见推荐意见"_s);

    QTextCursor cursor(editor->document());
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    cut->click();
    QCOMPARE(editor->toPlainText(), u"意见推荐意见"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"推荐"_s);
    // The editor's own paste key works as well.
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->toPlainText(), u"意见推荐意见推荐"_s);
}

void EditorWindowTest::undoStartsDisabled() {
    selectMode(WindowModes::Recommendation);
    const auto window = openEditor();
    QApplication::setActiveWindow(window.get());
    auto* undo = Child<QToolButton>(window.get(), u"btnUndo"_s);
    QVERIFY(!undo->isEnabled());
    // The loaded text cannot be undone away.
    QTest::keyClick(window->editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->editor()->toPlainText(), u"推荐意见"_s);
    typeText(*window, u"甲"_s);
    QVERIFY(undo->isEnabled());
    QTest::keyClick(window->editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->editor()->toPlainText(), u"推荐意见"_s);
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
