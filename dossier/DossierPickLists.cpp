// The dossier's pick lists: fixed lists, lists from the code tables, the cascades of area,
// unit category, commissioning department and employer grade, and the picker of the
// exceptional-admission conditions.

#include "frmgrzl.h"

#include "PopupEdit.h"
#include "Statements.h"
#include "SystemInfo.h"

#include <QComboBox>
#include <QTableWidget>

namespace {

const QString Central = QStringLiteral("中直");
const QString Provincial = QStringLiteral("省直");

bool isAdministrativeOrInstitution(const QString& category) {
    return category.contains(QStringLiteral("行政")) || category.contains(QStringLiteral("事业"));
}

void refill(QComboBox* combo, const QStringList& entries) {
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

// Loads the rows of a code-table select; a failing select has shown its message and
// leaves no rows.
void loadCodeRows(TCustomRecordSet& rows, const QString& columns, const QString& table) {
    TDataPacket packet;
    if (OpenQuery(SelectSql(columns, table, QStringLiteral(" order by f_index")), packet))
        rows.SetData(packet);
}

} // namespace

void Tfrm_grzl::InitPickLists() {
    FieldValues[36].clear();
    FieldValues[37].clear();
    refill(cmbsex, {QStringLiteral("男"), QStringLiteral("女")});
    refill(cmbpg,
           {QStringLiteral("否"), QStringLiteral("是(学历破格)"), QStringLiteral("是(年限破格)")});
    refill(cmbnowzc, {QStringLiteral("会计师"), QStringLiteral("审计师")});
    dpePGTJ->setEnabled(false);
    cmbKjzwxz->clear();
    cmbKjzwxz->addItems(DutyNames);
    cmbKjzwxz->setCurrentIndex(-1);

    TCustomRecordSet areas;
    loadCodeRows(areas, QStringLiteral("f_index,f_areaname as f_name"), QStringLiteral("t_area"));
    cmbarea->clear();
    for (areas.First(); !areas.Eof(); areas.Next())
        cmbarea->addItem(areas.FieldByName(QStringLiteral("f_name")).AsString());
    if (cmbarea->count() > 0)
        cmbarea->setCurrentIndex(0);
    cmbareaChange();

    TCustomRecordSet natures;
    loadCodeRows(natures, QStringLiteral("f_index,f_name"), QStringLiteral("t_dwxz"));
    acmbDwxz->clear();
    for (natures.First(); !natures.Eof(); natures.Next())
        acmbDwxz->addItem(natures.FieldByName(QStringLiteral("f_name")).AsString(),
                          natures.FieldByName(QStringLiteral("f_index")).AsString());
    if (acmbDwxz->count() > 0)
        acmbDwxz->setCurrentIndex(0);

    TCustomRecordSet conditions;
    loadCodeRows(conditions, QStringLiteral("f_index,f_tj"), QStringLiteral("t_pgtj"));
    dtlPGTJ->setUpdatesEnabled(false);
    dtlPGTJ->setRowCount(0);
    for (conditions.First(); !conditions.Eof(); conditions.Next()) {
        const int row = dtlPGTJ->rowCount();
        dtlPGTJ->insertRow(row);
        auto* code = new QTableWidgetItem(
            conditions.FieldByName(QStringLiteral("f_index")).AsString() + QStringLiteral("、"));
        code->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        code->setBackground(palette().button());
        auto* reason =
            new QTableWidgetItem(conditions.FieldByName(QStringLiteral("f_tj")).AsString());
        reason->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* select = new QTableWidgetItem;
        select->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        select->setCheckState(Qt::Unchecked);
        dtlPGTJ->setItem(row, 0, code);
        dtlPGTJ->setItem(row, 1, reason);
        dtlPGTJ->setItem(row, 2, select);
    }
    dtlPGTJ->setUpdatesEnabled(true);
    if (dtlPGTJ->rowCount() > 0 && cmbdwlb->count() > 0)
        cmbdwlb->setCurrentIndex(0);
}

void Tfrm_grzl::cmbareaChange() {
    FillUnitCategories(cmbarea->currentText());
    cmbdwlbChange();
}

void Tfrm_grzl::cmbdwlbChange() {
    FillDeptList(cmbarea->currentText(), cmbdwlb->currentText());
    FillUnitGrades(cmbdwlb->currentText());
}

void Tfrm_grzl::FillUnitCategories(const QString& area) {
    if (area.contains(Central))
        refill(cmbdwlb, {QStringLiteral("中直事业"), QStringLiteral("中直企业"),
                         QStringLiteral("中直行政")});
    else
        refill(cmbdwlb, {QStringLiteral("行政单位"), QStringLiteral("事业单位"),
                         QStringLiteral("企业单位")});
    FillDeptList(area, cmbdwlb->currentText());
}

void Tfrm_grzl::FillDeptList(const QString& area, const QString& category) {
    QStringList entries;
    if (area.contains(Provincial)) {
        if (isAdministrativeOrInstitution(category)) {
            entries = {QStringLiteral("省财政厅职改办"), QStringLiteral("省教育厅职改办"),
                       QStringLiteral("省林业厅职改办"), QStringLiteral("省卫生厅职改办"),
                       QStringLiteral("省建设厅职改办"), QStringLiteral("省交通厅职改办"),
                       QStringLiteral("省人事厅"),       QStringLiteral("省对外贸易经济合作厅"),
                       QStringLiteral("省地方税务局"),   QStringLiteral("省政府机关事务管理局")};
        } else if (category.contains(QStringLiteral("企业"))) {
            entries = {QStringLiteral("兴业银行职改办"),
                       QStringLiteral("福建省轻纺（控股）有限责任公司职改办"),
                       QStringLiteral("福建省煤炭工业（集团）有限责任公司职改办"),
                       QStringLiteral("福建新华发行（集团）有限责任公司职改办"),
                       QStringLiteral("福建省物资（集团）有限责任公司职改办"),
                       QStringLiteral("中国海峡人才市场"),
                       QStringLiteral("福建建工集团总公司职改办"),
                       QStringLiteral("福建省人民政府国有资产监督管理委员会"),
                       QStringLiteral("福建省机电（控股）有限责任公司职改办"),
                       QStringLiteral("福建石油化工集团有限责任公司职改办"),
                       QStringLiteral("福建省建材（控股）有限责任公司职改办"),
                       QStringLiteral("福建省冶金（控股）有限责任公司职改办")};
        }
    } else if (area.contains(Central)) {
        entries = {QStringLiteral("省人事厅")};
    } else {
        entries = {area + QStringLiteral("职改办")};
    }
    refill(cmbDept, entries);
}

void Tfrm_grzl::FillUnitGrades(const QString& category) {
    if (isAdministrativeOrInstitution(category))
        refill(cmbXdwjb, {QStringLiteral("厅级"), QStringLiteral("处级"), QStringLiteral("科级"),
                          QStringLiteral("股")});
    else if (category.contains(QStringLiteral("企业")))
        refill(cmbXdwjb, {QStringLiteral("大型企业（本部）"), QStringLiteral("大型企业（子公司）"),
                          QStringLiteral("大型企业（其他）"), QStringLiteral("中型企业（本部）"),
                          QStringLiteral("中型企业（子公司）"), QStringLiteral("小型企业"),
                          QStringLiteral("会计师事务所")});
    else
        refill(cmbXdwjb, {});
}

void Tfrm_grzl::cmbpgChange() {
    if (!cmbpg->currentText().trimmed().contains(QStringLiteral("是"))) {
        dpePGTJ->setEnabled(false);
        dpePGTJ->clear();
    } else {
        dpePGTJ->setEnabled(true);
    }
}

QString Tfrm_grzl::conditionCode(int row) const {
    const QString code = dtlPGTJ->item(row, 0)->text();
    const int number = code.left(code.indexOf(QStringLiteral("、"))).trimmed().toInt();
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

void Tfrm_grzl::dpePGTJPopup() {
    const QString text = dpePGTJ->text();
    for (int row = 0; row < dtlPGTJ->rowCount(); ++row)
        dtlPGTJ->item(row, 2)->setCheckState(text.contains(conditionCode(row)) ? Qt::Checked
                                                                               : Qt::Unchecked);
}

void Tfrm_grzl::dpePGTJCloseUp() {
    QString text;
    for (int row = 0; row < dtlPGTJ->rowCount(); ++row) {
        if (dtlPGTJ->item(row, 2)->checkState() != Qt::Checked)
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += conditionCode(row);
    }
    dpePGTJ->setText(text);
}
