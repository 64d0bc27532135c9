// Moving between the applicants of the year, the find window and deletion.

#include "frmgrzl.h"

#include "ApplicantRemoval.h"
#include "SystemInfo.h"
#include "UiFont.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void Tfrm_grzl::c_toldelClick() {
    if (!RemoveApplicant(CurrentId))
        return;
    SyncListRow(2);
    if (ApplicantList.IsEmpty())
        SetNavState(1);
}

void Tfrm_grzl::c_tolMLClick() {
    MoveRecord(1);
}

void Tfrm_grzl::c_tolLClick() {
    MoveRecord(2);
}

void Tfrm_grzl::c_tolRClick() {
    MoveRecord(3);
}

void Tfrm_grzl::c_tolMRClick() {
    MoveRecord(4);
}

void Tfrm_grzl::MoveRecord(int how) {
    if (ApplicantList.IsEmpty()) {
        SetNavState(1);
        return;
    }
    int state = 2;
    switch (how) {
    case 1:
        ApplicantList.First();
        state = 2;
        break;
    case 2:
        if (!ApplicantList.Bof())
            ApplicantList.Prior();
        if (ApplicantList.Bof()) {
            ApplicantList.First();
            state = 2;
        } else {
            state = ApplicantList.RecNo() != 1 ? 3 : 2;
        }
        break;
    case 3:
        if (!ApplicantList.Eof())
            ApplicantList.Next();
        if (ApplicantList.Eof()) {
            ApplicantList.Last();
            state = 4;
        } else {
            state = ApplicantList.RecNo() == ApplicantList.RecordCount() ? 4 : 3;
        }
        break;
    default:
        ApplicantList.Last();
        state = 4;
        break;
    }
    SetNavState(state);
    ShowApplicant();
}

void Tfrm_grzl::c_tolfindClick() {
    if (!findWindow_) {
        findWindow_ =
            new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        findWindow_->setObjectName(QStringLiteral("frm_find"));
        findWindow_->setFont(font());
        auto* layout = new QVBoxLayout(findWindow_);
        layout->setContentsMargins(0, 0, 0, 0);
        panfindform->setParent(findWindow_);
        panfindform->move(0, 0);
        layout->addWidget(panfindform);
        panfindform->setVisible(true);
        findWindow_->setFixedSize(panfindform->width() + 8, panfindform->height() + 27);
    }
    findWindow_->setWindowTitle(QStringLiteral("个人资料查找"));
    findWindow_->exec();
}

void Tfrm_grzl::butokClick() {
    FindApplicant();
}

void Tfrm_grzl::butexitClick() {
    if (findWindow_)
        findWindow_->close();
}

void Tfrm_grzl::rdbutnameClick() {
    edtfindname->setEnabled(true);
    edtfindcard->setEnabled(false);
}

void Tfrm_grzl::rdbutcardClick() {
    edtfindname->setEnabled(false);
    edtfindcard->setEnabled(true);
}

void Tfrm_grzl::FindApplicant() {
    if (ApplicantList.IsEmpty())
        return;
    const auto remembered = ApplicantList.GetBookmark();
    const bool byName = rdbutname->isChecked();
    const QString wanted = (byName ? edtfindname : edtfindcard)->text().trimmed();
    if (!wanted.isEmpty()) {
        for (ApplicantList.First(); !ApplicantList.Eof(); ApplicantList.Next()) {
            const bool match = byName ? ApplicantList.FieldByName(QStringLiteral("f_name"))
                                            .AsString()
                                            .trimmed()
                                            .contains(wanted)
                                      : ApplicantList.FieldByName(QStringLiteral("f_cardid"))
                                            .AsString()
                                            .trimmed()
                                            .startsWith(wanted);
            if (match) {
                ShowApplicant();
                return;
            }
        }
    }
    ApplicantList.GotoBookmark(remembered);
}

bool Tfrm_grzl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == edtfindname) {
                edtfindcard->setFocus();
                return true;
            }
            if (watched == edtfindcard) {
                butok->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
