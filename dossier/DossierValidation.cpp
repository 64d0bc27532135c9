// The admission rules the dossier is checked against before it is saved, and the two field
// handlers that apply some of them while the user types.

#include "frmgrzl.h"

#include "DateBox.h"
#include "DossierGrids.h"
#include "FlatGrid.h"
#include "Helpers.h"
#include "NumericEdit.h"
#include "PopupEdit.h"
#include "Prompter.h"
#include "SystemInfo.h"

#include <QComboBox>
#include <QLineEdit>

using namespace DossierGrids;

namespace {

const QString Caption = QStringLiteral("提示信息");

void showOk(const QString& text) {
    AskBox(text, Caption, BoxFlags::Ok);
}

void showInformation(const QString& text) {
    AskBox(text, Caption, BoxFlags::IconInformation);
}

bool filled(const QString& text) {
    return !text.trimmed().isEmpty();
}

// Whether another row of the applicant list holds the card number, letter case ignored.
// The list is read from a copy of its rows, so its current row does not move. A stored
// applicant's own row (skipRow, 0-based) is not "another" row.
bool cardInList(const TCustomRecordSet& list, const QString& card, qsizetype skipRow) {
    const TDataPacket rows = list.GetData();
    qsizetype column = -1;
    for (qsizetype i = 0; i < rows.fieldNames.size(); ++i) {
        if (rows.fieldNames[i].compare(QLatin1String("f_cardid"), Qt::CaseInsensitive) == 0)
            column = i;
    }
    if (column < 0)
        return false;
    for (qsizetype i = 0; i < rows.rows.size(); ++i) {
        if (i != skipRow &&
            rows.rows[i].value(column).toString().trimmed().compare(card, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Whether a grid row holds all the given cells, trimmed.
bool rowHolds(const FlatGrid* grid, int row, std::initializer_list<int> columns) {
    for (int column : columns) {
        if (!filled(grid->cellText(row, column)))
            return false;
    }
    return true;
}

// The two-digit year that characters at..at+1 of a pass-certificate number stand for.
int certificateYear(const QString& certificate, qsizetype at) {
    const QString digits = certificate.mid(at, 2);
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw ConversionError(
                QStringLiteral("高师考试合格证号“%1”的第%2、%3位应是考试年份的数字，"
                               "请核对合格证号！")
                    .arg(certificate)
                    .arg(at + 1)
                    .arg(at + 2));
    }
    return digits.toInt();
}

// The numeric value of the examination score box; empty counts as 0.
double examScore(const QString& text) {
    try {
        return ParseAmount(text);
    } catch (const ConversionError&) {
        throw ConversionError(
            QStringLiteral("高师考试成绩“%1”不是有效的数字，请重新输入！").arg(text));
    }
}

QString yearMonth(int year, const char* month) {
    return QStringLiteral("20%1").arg(year, 2, 10, QLatin1Char('0')) + QLatin1String(month);
}

} // namespace

bool Tfrm_grzl::ValidateDossier(int mode) {
    // Form of the ID-card number.
    const QString card = edtcard->text().trimmed();
    if (card.size() != 15 && card.size() < 18) {
        showOk(QStringLiteral("该身份证号码不符合规划，不能新增!"));
        return false;
    }

    // Uniqueness within the year, then the required fields. A stored dossier whose card
    // number is unchanged is checked neither way.
    if (mode == 0) {
        const bool duplicate = cardInList(ApplicantList, card, -1);
        if (duplicate)
            showOk(QStringLiteral("该身份证号码") + card + QStringLiteral("已存在，不能新增!"));
        const bool complete = CheckRequiredFields();
        if (duplicate || !complete)
            return false;
    } else {
        const std::optional<TField> field = ApplicantList.FindField(QStringLiteral("f_cardid"));
        const QString stored = field ? field->AsString() : QString();
        if (stored.trimmed() != card) {
            // The applicant's own row is no duplicate, so a card number retyped in another
            // letter case can be saved.
            const bool duplicate = cardInList(ApplicantList, card, ApplicantList.RecNo() - 1);
            if (duplicate)
                showOk(QStringLiteral("该身份证号码") + card + QStringLiteral("已存在，不能修改!"));
            const bool complete = CheckRequiredFields();
            if (duplicate || !complete)
                return false;
        }
    }

    // Conditions of an exceptional admission.
    const QString conditions = dpePGTJ->text();
    if (cmbpg->currentText() == QStringLiteral("是(学历破格)") && !filled(conditions)) {
        showInformation(QStringLiteral("学历破格，破格条件至少要一项！！！"));
        return false;
    }
    if (cmbpg->currentText() == QStringLiteral("是(年限破格)") &&
        CountOccurrences(conditions, QStringLiteral(",")) < 1) {
        showInformation(QStringLiteral("年限破格，破格条件至少要两项！！！"));
        return false;
    }

    // Years since the qualifying title: five, or two with a doctorate. The former title
    // of a change of series counts when it is given with its certificate number; a current
    // title granted in 2004 is always admitted.
    const int doctorate = 4;
    const bool doctor =
        dtlXL1->rowCount() > doctorate &&
        rowHolds(dtlXL1, doctorate, {Level::School, Level::Specialty, Level::Graduated});
    const int required = doctor ? 2 : 5;
    const bool formerTitle = filled(cmbOldZC->currentText()) && filled(edtoldzccode->text());
    const int titleYear = formerTitle ? dtpoldzctime->date().year() : dtpzctime->date().year();
    const int years = LoginYear.toInt() - titleYear;
    if (years < required && dtpzctime->date().year() != 2004) {
        const int answer =
            AskBox(QStringLiteral("你的有效参评时间只有") + QString::number(years) +
                       QStringLiteral("年，你不能参加高级会计师资格评审，数据是否保存！"),
                   QString(), BoxFlags::YesNo);
        if (answer != BoxAnswer::Yes)
            return false;
    }

    // The examination score agrees with the pass certificate.
    try {
        if (!CheckExamCertificate(edtKSHGZH->text(), examScore(edtresult->text()))) {
            showOk(QStringLiteral("考试成绩与考试合格证号不相符"));
            return false;
        }
    } catch (const ConversionError& error) {
        showOk(error.message());
        return false;
    }

    // A stored dossier has a complete representative work.
    if (mode == 1) {
        if (dtlDBZ->rowCount() == 0) {
            showInformation(QStringLiteral("代表作没有填，不能保存！"));
            return false;
        }
        QString missing;
        if (!filled(dtlDBZ->cellText(0, Works::Title)))
            missing = QStringLiteral("代表作标题不能为空！");
        if (!filled(dtlDBZ->cellText(0, Works::Publication)))
            missing = QStringLiteral("代表作发表刊物名称不能为空！");
        if (!filled(dtlDBZ->cellText(0, Works::Date)))
            missing = QStringLiteral("代表作发表时间不能为空！");
        if (!filled(dtlDBZ->cellText(0, Works::Authorship)))
            missing = QStringLiteral("代表作著作方式不能为空！");
        if (!missing.isEmpty()) {
            showInformation(missing);
            return false;
        }
    }
    return true;
}

bool Tfrm_grzl::CheckRequiredFields() {
    const QList<std::pair<QString, QString>> texts = {
        {edtname->text(), QStringLiteral("姓名不能为空")},
        {cmbDept->currentText(), QStringLiteral("委托部门不能为空")},
        {edtcard->text(), QStringLiteral("身份证号不能为空")},
        {edtworkdw->text(), QStringLiteral("工作单位不能为空")},
        {edtpostalcode->text(), QStringLiteral("邮政编码不能为空")},
        {cmbarea->currentText(), QStringLiteral("所属地区不能为空")},
        {edtaddress->text(), QStringLiteral("通讯地址不能为空")},
        {cmbdwlb->currentText(), QStringLiteral("单位类别不能为空")},
        {edttelephone->text(), QStringLiteral("办公室联系电话不能为空")},
        {edthandset->text(), QStringLiteral("手机号码不能为空")},
    };
    for (const auto& [text, message] : texts) {
        if (!filled(text)) {
            showOk(message);
            return false;
        }
    }

    // At least one level of the first education grid with school and speciality, or with a
    // graduation date.
    bool education = false;
    for (int row = 0; row < qMin(dtlXL1->rowCount(), 5); ++row) {
        if (rowHolds(dtlXL1, row, {Level::School, Level::Specialty}) ||
            rowHolds(dtlXL1, row, {Level::Graduated}))
            education = true;
    }
    if (!education) {
        showOk(QStringLiteral("学历最少要有一行不能为空"));
        return false;
    }

    const QList<std::pair<QString, QString>> moreTexts = {
        {edtzccode->text(), QStringLiteral("现职称证书号不能为空")},
        {edtNowBus->text(), QStringLiteral("现任党政职务不能为空")},
        {edtresult->text(), QStringLiteral("高师资格考试成绩不能为空")},
        {edtKSHGZH->text(), QStringLiteral("高师考试合格证号不能为空")},
        {edtkjhao->text(), QStringLiteral("会计从业资格证号码不能为空")},
    };
    for (const auto& [text, message] : moreTexts) {
        if (!filled(text)) {
            showOk(message);
            return false;
        }
    }

    // A stored dossier has at least one complete work of any kind; a new one may get its
    // works after its basic data has been saved.
    if (!CurrentId.isEmpty()) {
        bool work = false;
        for (const FlatGrid* grid : {dtlDBZ, dtlWZ, dtlZZ}) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (rowHolds(grid, row, {Works::Title, Works::Publication, Works::Number}))
                    work = true;
            }
        }
        if (!work) {
            showOk(QStringLiteral("代表作、文章、专著中最少要有一行不能为空"));
            return false;
        }
    }
    return true;
}

bool Tfrm_grzl::CheckExamCertificate(const QString& certificate, double score) {
    const QString number = certificate.trimmed();
    FieldValues[36].clear();
    FieldValues[37].clear();
    if (number.size() < 9 || number.size() > 10)
        return false;

    bool agrees = false;
    QString start;
    QString end;
    if (number.size() == 9) {
        // Passed in the year of characters 3 and 4, valid for three years.
        agrees = score > 60;
        int year = certificateYear(number, 2);
        if (year == 6)
            year = 7;
        start = yearMonth(year, "01");
        end = yearMonth(year + 2, "12");
    } else {
        // Passed in the year of characters 5 and 6, valid for that year.
        agrees = score >= 50;
        const int year = certificateYear(number, 4);
        start = yearMonth(year, "01");
        end = yearMonth(year, "12");
    }
    FieldValues[36] = start;
    FieldValues[37] = end;
    return agrees;
}

QDate Tfrm_grzl::BirthDateFromCard(const QString& card) {
    const QString number = card.trimmed();
    QString compact;
    if (number.size() == 15)
        compact = QStringLiteral("19") + number.mid(6, 6);
    else if (number.size() == 18)
        compact = number.mid(6, 8);
    else
        return QDate::currentDate();
    const QString dashed = DashedDate(compact);
    const QDate date = QDate::fromString(dashed, ShortDateFormat());
    if (!date.isValid())
        throw ConversionError(
            QStringLiteral("身份证号码中的出生日期“%1”不是有效的日期！").arg(dashed));
    return date;
}

void Tfrm_grzl::edtcardExit() {
    try {
        dateborn->setDate(BirthDateFromCard(edtcard->text()));
    } catch (const ConversionError& error) {
        showOk(error.message());
    }
}

void Tfrm_grzl::edtKSHGZHExit() {
    try {
        if (!CheckExamCertificate(edtKSHGZH->text(), examScore(edtresult->text())))
            showOk(QStringLiteral("考试成绩与考试合格证号不相符"));
    } catch (const ConversionError& error) {
        showOk(error.message());
    }
}
