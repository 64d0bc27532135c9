#include "WordTemplate.h"
#include "DocxDocument.h"
#include "Fixture.h"
#include "RecordingDocument.h"
#include "SystemInfo.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

namespace {

const QString Caption = QStringLiteral("提示信息");

QByteArray ReadAll(const QString& fileName) {
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& fileName, const QByteArray& bytes) {
    QFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Records what the save dialog was opened with, then answers as the scripted prompter does.
class DialogRecorder : public Prompter {
public:
    explicit DialogRecorder(ScriptedPrompter& inner) : inner_(inner) { SetPrompter(this); }
    ~DialogRecorder() override { SetPrompter(&inner_); }

    QString offeredName;
    QString offeredFilter;

    int messageBox(const QString& text, const QString& caption, int flags) override {
        return inner_.messageBox(text, caption, flags);
    }
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override {
        return inner_.openFileName(caption, folder, filter);
    }
    QString saveFileName(const QString& caption, const QString& fileName, const QString& filter,
                         QString* selectedFilter) override {
        offeredName = fileName;
        offeredFilter = filter;
        return inner_.saveFileName(caption, fileName, filter, selectedFilter);
    }
    QString folderName(const QString& caption, const QString& folder) override {
        return inner_.folderName(caption, folder);
    }
    std::optional<QFont> font(const QFont& initial) override { return inner_.font(initial); }

private:
    ScriptedPrompter& inner_;
};

void WriteName(WordDocument& doc) {
    SetParagraphText(doc, 2, QStringLiteral("张三"));
}

} // namespace

class WordTemplateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void extensionRule_data();
    void extensionRule();
    void missingTemplateDoesNothing();
    void cancelledDialogDoesNothing();
    void offersTheTrimmedDefaultNameBesideTheProgram();
    void fillsSavesAndShowsTheChosenFile_data();
    void fillsSavesAndShowsTheChosenFile();
    void refusesToWriteOverTheTemplate_data();
    void refusesToWriteOverTheTemplate();
    void overwriteAnsweredNoLeavesTheFile();
    void overwriteAnsweredYesReplacesTheFile();
    void failureIsReportedAndLeavesTheCopy_data();
    void failureIsReportedAndLeavesTheCopy();
    void failedCopyIsReported();
    void secondRunReplacesTheShownDocument();
    void releaseForgetsTheShownDocument();

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<RecordingViewer> viewer;
    QString templatePath;
    QString outputFolder;
};

void WordTemplateTest::init() {
    env = std::make_unique<TestEnvironment>();
    viewer = std::make_unique<RecordingViewer>();
    QDir(env->programFolder()).mkpath(QStringLiteral("ModeData"));
    templatePath = env->programFolder() + QStringLiteral("ModeData/single.docx");
    QVERIFY(WriteAll(templatePath, FixtureDocx()));
    outputFolder = env->programFolder() + QStringLiteral("输出/");
    QDir().mkpath(outputFolder);
}

void WordTemplateTest::cleanup() {
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    viewer.reset();
    env.reset();
}

void WordTemplateTest::extensionRule_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << u"/d/report"_qs << u"/d/report.DOCX"_qs;
    QTest::newRow("other extension") << u"/d/report.txt"_qs << u"/d/report.DOCX"_qs;
    QTest::newRow("old format") << u"/d/report.doc"_qs << u"/d/report.DOCX"_qs;
    QTest::newRow("mixed case kept") << u"/d/report.Docx"_qs << u"/d/report.Docx"_qs;
    QTest::newRow("lower case kept") << u"/d/张三.docx"_qs << u"/d/张三.docx"_qs;
    QTest::newRow("last dot counts") << u"/d/a.docx.bak"_qs << u"/d/a.docx.DOCX"_qs;
    QTest::newRow("trailing dot") << u"/d/report."_qs << u"/d/report.DOCX"_qs;
    QTest::newRow("dot only in the folder") << u"/d.v2/report"_qs << u"/d.v2/report.DOCX"_qs;
    QTest::newRow("backslash folder") << u"C:\\d.v2\\report"_qs << u"C:\\d.v2\\report.DOCX"_qs;
}

void WordTemplateTest::extensionRule() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(WordFileName(chosen), written);
}

void WordTemplateTest::missingTemplateDoesNothing() {
    QVERIFY(QFile::remove(templatePath));
    env->prompter.saveFileNames.enqueue(outputFolder + u"report"_qs);
    WordApp app;
    bool filled = false;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs,
                         [&](WordDocument&) { filled = true; });
    QVERIFY(env->prompter.dialogCaptions.isEmpty());
    QVERIFY(env->prompter.messages.isEmpty());
    QVERIFY(!filled);
    QVERIFY(app.isEmpty());
    QVERIFY(QDir(outputFolder).isEmpty());
}

void WordTemplateTest::cancelledDialogDoesNothing() {
    WordApp app;
    app.assign(u"/earlier/shown.docx"_qs);
    bool filled = false;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs,
                         [&](WordDocument&) { filled = true; });
    QCOMPARE(env->prompter.dialogCaptions.size(), 1);
    QVERIFY(env->prompter.messages.isEmpty());
    QVERIFY(!filled);
    QVERIFY(viewer->shown.isEmpty());
    QCOMPARE(app.fileName(), u"/earlier/shown.docx"_qs);
}

void WordTemplateTest::offersTheTrimmedDefaultNameBesideTheProgram() {
    DialogRecorder recorder(env->prompter);
    WordApp app;
    MakeWordFromTemplate(app, u"ModeData\\single.docx"_qs, u"  张三_评审表 "_qs,
                         [](WordDocument&) {});
    QCOMPARE(recorder.offeredName, SystemInfo.AppPath + u"张三_评审表"_qs);
    QCOMPARE(recorder.offeredFilter, u"Word文件(*.docx)"_qs);
    MakeWordFromTemplate(app, WordTemplates::Summary, u"   "_qs, [](WordDocument&) {});
    QCOMPARE(recorder.offeredName, SystemInfo.AppPath);
}

void WordTemplateTest::fillsSavesAndShowsTheChosenFile_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("report") << u"report"_qs << u"report.DOCX"_qs;
    QTest::newRow("report.Docx") << u"report.Docx"_qs << u"report.Docx"_qs;
    QTest::newRow("report.txt") << u"report.txt"_qs << u"report.DOCX"_qs;
}

void WordTemplateTest::fillsSavesAndShowsTheChosenFile() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    env->prompter.saveFileNames.enqueue(outputFolder + chosen);
    WordApp app;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, WriteName);

    const QString file = outputFolder + written;
    QVERIFY(env->prompter.messages.isEmpty());
    QCOMPARE(QDir(outputFolder).entryList(QDir::Files), QStringList{written});
    QCOMPARE(DocxDocument::open(file)->paragraphText(2), u"张三"_qs);
    QCOMPARE(viewer->shown, QStringList{file});
    QCOMPARE(app.fileName(), file);
    QCOMPARE(ReadAll(templatePath), FixtureDocx());
}

void WordTemplateTest::refusesToWriteOverTheTemplate_data() {
    QTest::addColumn<QString>("relativeChoice");
    QTest::newRow("the same path") << u"ModeData/single.docx"_qs;
    // Another spelling of the same file must not get past the check either.
    QTest::newRow("through the parent folder") << u"ModeData/../ModeData/single.docx"_qs;
    QTest::newRow("doubled separator") << u"ModeData//single.docx"_qs;
}

void WordTemplateTest::refusesToWriteOverTheTemplate() {
    QFETCH(QString, relativeChoice);
    env->prompter.saveFileNames.enqueue(env->programFolder() + relativeChoice);
    WordApp app;
    bool filled = false;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs,
                         [&](WordDocument&) { filled = true; });
    QCOMPARE(env->prompter.messages.size(), 1);
    QCOMPARE(env->prompter.messages.first().text,
             u"不能和模板文件"_qs + templatePath + u"同名!"_qs);
    QCOMPARE(env->prompter.messages.first().caption, Caption);
    QCOMPARE(env->prompter.messages.first().flags, BoxFlags::Ok);
    QVERIFY(!filled);
    QVERIFY(viewer->shown.isEmpty());
    QCOMPARE(ReadAll(templatePath), FixtureDocx());
}

void WordTemplateTest::overwriteAnsweredNoLeavesTheFile() {
    const QString file = outputFolder + u"report.DOCX"_qs;
    QVERIFY(WriteAll(file, "earlier document"));
    env->prompter.saveFileNames.enqueue(outputFolder + u"report"_qs);
    env->prompter.answers.enqueue(BoxAnswer::No);
    WordApp app;
    bool filled = false;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs,
                         [&](WordDocument&) { filled = true; });
    QCOMPARE(env->prompter.messages.size(), 1);
    QCOMPARE(env->prompter.messages.first().text, u"文件"_qs + file + u"已存在，是否覆盖！"_qs);
    QCOMPARE(env->prompter.messages.first().caption, Caption);
    QCOMPARE(env->prompter.messages.first().flags, BoxFlags::YesNo);
    QCOMPARE(ReadAll(file), QByteArray("earlier document"));
    QVERIFY(!filled);
    QVERIFY(viewer->shown.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void WordTemplateTest::overwriteAnsweredYesReplacesTheFile() {
    const QString file = outputFolder + u"report.DOCX"_qs;
    QVERIFY(WriteAll(file, "earlier document"));
    env->prompter.saveFileNames.enqueue(file);
    env->prompter.answers.enqueue(BoxAnswer::Yes);
    WordApp app;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, WriteName);
    QCOMPARE(env->prompter.messages.size(), 1);
    QCOMPARE(DocxDocument::open(file)->paragraphText(2), u"张三"_qs);
    QCOMPARE(viewer->shown, QStringList{file});
}

void WordTemplateTest::failureIsReportedAndLeavesTheCopy_data() {
    QTest::addColumn<FillRoutine>("fill");
    QTest::addColumn<bool>("viewerWorks");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("filledCopyKept");

    QTest::newRow("ordinal the template does not have") << FillRoutine([](WordDocument& doc) {
        SetParagraphText(doc, 2, u"写了一半"_qs);
        SetParagraphText(doc, 478, u"x"_qs);
    }) << true << u"文档中没有第478段（共16段）"_qs << false;
    QTest::newRow("end of a table row")
        << FillRoutine([](WordDocument& doc) { SetParagraphText(doc, 5, u"x"_qs); }) << true
        << u"文档的第5段是表格行的结束标记，不能写入"_qs << false;
    QTest::newRow("any other error of the fill routine")
        << FillRoutine([](WordDocument&) { throw std::runtime_error("grid gone"); }) << true
        << u"grid gone"_qs << false;
    QTest::newRow("no program to show the file")
        << FillRoutine(WriteName) << false << u"文件已保存，但没有能打开它的程序"_qs << true;
}

void WordTemplateTest::failureIsReportedAndLeavesTheCopy() {
    QFETCH(FillRoutine, fill);
    QFETCH(bool, viewerWorks);
    QFETCH(QString, cause);
    QFETCH(bool, filledCopyKept);
    viewer->succeeds = viewerWorks;
    env->prompter.saveFileNames.enqueue(outputFolder + u"report"_qs);
    WordApp app;
    app.assign(u"/earlier/shown.docx"_qs);
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, fill);

    const QString file = outputFolder + u"report.DOCX"_qs;
    QCOMPARE(env->prompter.messages.size(), 1);
    QCOMPARE(env->prompter.messages.first().text, u"生成Word文件"_qs + file + u"失败："_qs + cause);
    QCOMPARE(env->prompter.messages.first().caption, Caption);
    QCOMPARE(env->prompter.messages.first().flags, BoxFlags::Ok);
    QVERIFY(app.isEmpty());
    QVERIFY(QFileInfo::exists(file));
    if (filledCopyKept)
        QCOMPARE(DocxDocument::open(file)->paragraphText(2), u"张三"_qs);
    else
        QCOMPARE(ReadAll(file), FixtureDocx());
}

void WordTemplateTest::failedCopyIsReported() {
    const QString file = outputFolder + u"没有的文件夹/report.DOCX"_qs;
    env->prompter.saveFileNames.enqueue(file);
    WordApp app;
    bool filled = false;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs,
                         [&](WordDocument&) { filled = true; });
    QCOMPARE(env->prompter.messages.size(), 1);
    QVERIFY2(env->prompter.messages.first().text.startsWith(u"文件"_qs + file + u"无法写入"_qs),
             qPrintable(env->prompter.messages.first().text));
    QCOMPARE(env->prompter.messages.first().caption, Caption);
    QVERIFY(!filled);
    QVERIFY(viewer->shown.isEmpty());
    QVERIFY(!QFileInfo::exists(file));
}

void WordTemplateTest::secondRunReplacesTheShownDocument() {
    env->prompter.saveFileNames.enqueue(outputFolder + u"first"_qs);
    env->prompter.saveFileNames.enqueue(outputFolder + u"second"_qs);
    WordApp app;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, WriteName);
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, WriteName);
    QCOMPARE(viewer->shown,
             (QStringList{outputFolder + u"first.DOCX"_qs, outputFolder + u"second.DOCX"_qs}));
    QCOMPARE(app.fileName(), outputFolder + u"second.DOCX"_qs);
}

void WordTemplateTest::releaseForgetsTheShownDocument() {
    env->prompter.saveFileNames.enqueue(outputFolder + u"report"_qs);
    WordApp app;
    MakeWordFromTemplate(app, WordTemplates::Summary, u"张三"_qs, WriteName);
    QVERIFY(!app.isEmpty());
    ReleaseWord(app);
    QVERIFY(app.isEmpty());
    // The shown document is the user's now; closing the window leaves it alone.
    QCOMPARE(DocxDocument::open(outputFolder + u"report.DOCX"_qs)->paragraphText(2), u"张三"_qs);
}

QTEST_MAIN(WordTemplateTest)
#include "WordTemplateTest.moc"
