#include "WordTemplate.h"

#include "BusyCursor.h"
#include "DocumentViewer.h"
#include "DocxDocument.h"
#include "Helpers.h"
#include "Prompter.h"
#include "SystemInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace {

const QString Caption = QStringLiteral("提示信息");

// Whether writing to fileName would write over the template: the same text, or, for a file
// that exists, the same file reached by another spelling of its path.
bool IsTemplateFile(const QString& templatePath, const QString& fileName) {
    if (templatePath == fileName)
        return true;
    const QFileInfo target(fileName);
    return target.exists() &&
           target.canonicalFilePath() == QFileInfo(templatePath).canonicalFilePath();
}

// Copies the template over the chosen file, or gives the reason it could not.
std::optional<QString> CopyTemplate(const QString& templatePath, const QString& fileName) {
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("模板文件%1无法读取：%2").arg(templatePath, source.errorString());
    const QByteArray content = source.readAll();
    QSaveFile target(fileName);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() ||
        !target.commit())
        return QStringLiteral("文件%1无法写入：%2").arg(fileName, target.errorString());
    return std::nullopt;
}

} // namespace

QString WordFileName(const QString& chosen) {
    const QString extension = QStringLiteral(".DOCX");
    const qsizetype separator =
        std::max(chosen.lastIndexOf(QLatin1Char('/')), chosen.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
    if (dot > separator) {
        if (chosen.mid(dot).toUpper() == extension)
            return chosen;
        return chosen.left(dot) + extension;
    }
    return chosen + extension;
}

void MakeWordFromTemplate(WordApp& wordApp, const QString& relativeTemplate,
                          const QString& defaultFileName, const FillRoutine& fill) {
    const QString defaultName = defaultFileName.trimmed();
    QString relative = relativeTemplate;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString templatePath = ProgramFile(relative);
    if (!QFileInfo(templatePath).isFile())
        return;

    Prompter* prompter = CurrentPrompter();
    if (!prompter)
        return;
    const QString chosen = prompter->saveFileName(QString(), SystemInfo.AppPath + defaultName,
                                                  QStringLiteral("Word文件(*.docx)"), nullptr);
    if (chosen.isEmpty())
        return;

    std::optional<BusyCursor> busy(std::in_place);
    const QString fileName = WordFileName(chosen);
    if (IsTemplateFile(templatePath, fileName)) {
        busy.reset();
        AskBox(QStringLiteral("不能和模板文件") + templatePath + QStringLiteral("同名!"), Caption,
               BoxFlags::Ok);
        return;
    }
    if (QFileInfo::exists(fileName)) {
        busy.reset();
        const int answer =
            AskBox(QStringLiteral("文件") + fileName + QStringLiteral("已存在，是否覆盖！"),
                   Caption, BoxFlags::YesNo);
        if (answer != BoxAnswer::Yes)
            return;
        busy.emplace();
    }
    if (const std::optional<QString> failure = CopyTemplate(templatePath, fileName)) {
        busy.reset();
        AskBox(*failure, Caption, BoxFlags::Ok);
        return;
    }

    // From here on a run replaces whatever document the window showed before.
    wordApp.clear();
    QString cause;
    try {
        std::unique_ptr<DocxDocument> document = DocxDocument::open(fileName);
        fill(*document);
        document->saveAs(fileName);
        if (!CurrentDocumentViewer().show(fileName))
            throw WordError(QStringLiteral("文件已保存，但没有能打开它的程序"));
        wordApp.assign(fileName);
        return;
    } catch (const WordError& e) {
        cause = e.message();
    } catch (const ConversionError& e) {
        cause = e.message();
    } catch (const std::exception& e) {
        cause = QString::fromLocal8Bit(e.what());
    }
    wordApp.clear();
    busy.reset();
    AskBox(QStringLiteral("生成Word文件%1失败：%2").arg(fileName, cause), Caption, BoxFlags::Ok);
}

void ReleaseWord(WordApp& wordApp) {
    wordApp.clear();
}
