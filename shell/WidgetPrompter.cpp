#include "WidgetPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

int WidgetPrompter::messageBox(const QString& text, const QString& caption, int flags) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0) {
    case BoxFlags::IconError:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxFlags::IconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case BoxFlags::IconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxFlags::IconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (flags & 0x0F) {
    case BoxFlags::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BoxFlags::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    if (auto* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("是(&Y)"));
    if (auto* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("否(&N)"));
    if (auto* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("取消"));
    if (auto* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确定"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    default:
        return BoxAnswer::Ok;
    }
}

QString WidgetPrompter::openFileName(const QString& caption, const QString& folder,
                                     const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString WidgetPrompter::saveFileName(const QString& caption, const QString& fileName,
                                     const QString& filter, QString* selectedFilter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, fileName, filter,
                                        selectedFilter);
}

QString WidgetPrompter::folderName(const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, folder);
}

std::optional<QFont> WidgetPrompter::font(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}
