// The dossier's works grids (representative work, articles, books) and their rows in t_art.

#include "frmgrzl.h"

#include "DatabaseError.h"
#include "DossierGrids.h"
#include "FlatGrid.h"
#include "Helpers.h"
#include "Prompter.h"
#include "Statements.h"
#include "SystemInfo.h"
#include "WorkWindows.h"

#include <QPushButton>

using namespace DossierGrids;

void Tfrm_grzl::ResetWorksGrids() {
    dtlDBZ->removeAllRows();
    dtlDBZ->setCellText(dtlDBZ->appendRow(), Works::Index, QStringLiteral("1"));
    dtlWZ->removeAllRows();
    dtlZZ->removeAllRows();
}

void Tfrm_grzl::LoadWorks() {
    for (FlatGrid* grid : {dtlDBZ, dtlWZ, dtlZZ})
        grid->removeAllRows();
    TDataPacket packet;
    if (OpenQuery(SelectSql(QStringLiteral("*"), QStringLiteral("T_art"),
                            QStringLiteral(" and f_id=") + QuotedValue(CurrentId) +
                                QStringLiteral(" order by f_bj,f_index")),
                  packet)) {
        TCustomRecordSet rows;
        rows.SetData(packet);
        for (rows.First(); !rows.Eof(); rows.Next()) {
            const auto text = [&rows](const char* column) {
                return rows.FieldByName(QLatin1String(column)).AsString();
            };
            const QString kind = text("f_bj").trimmed();
            FlatGrid* grid = nullptr;
            int row = 0;
            if (kind == QLatin1String("1")) {
                grid = dtlDBZ;
                row = grid->rowCount() > 0 ? 0 : grid->appendRow();
            } else if (kind == QLatin1String("2") || kind == QLatin1String("3")) {
                grid = kind == QLatin1String("2") ? dtlWZ : dtlZZ;
                row = grid->appendRow();
            } else {
                continue;
            }
            QString published;
            try {
                published = DashedDate(text("f_pubtime"));
            } catch (const ConversionError&) {
                published = text("f_pubtime");
            }
            grid->setCellText(row, Works::Index, text("f_index"));
            grid->setCellText(row, Works::Title, text("f_subject"));
            grid->setCellText(row, Works::Publication, text("f_publication"));
            grid->setCellText(row, Works::Number, text("f_subcn"));
            grid->setCellText(row, Works::Date, published);
            grid->setCellText(row, Works::Authorship, text("f_place"));
            grid->setCellText(row, Works::Memo, text("f_art"));
        }
    }
    if (dtlDBZ->rowCount() == 0)
        dtlDBZ->setCellText(dtlDBZ->appendRow(), Works::Index, QStringLiteral("1"));
}

namespace {

const QString ProvincialJournal = QStringLiteral("福建财会研究");

QString worksCondition(const QString& kind, const QString& index) {
    return QStringLiteral(" and f_id=") + QuotedValue(CurrentId) + QStringLiteral(" and f_bj=") +
           QuotedValue(kind) + QStringLiteral(" and f_index=") + BareNumber(index.trimmed());
}

void showInformation(const QString& text) {
    AskBox(text, QStringLiteral("提示信息"), BoxFlags::IconInformation);
}

// Writes one works row into t_art: updates the stored row of that applicant, kind and row
// number, or appends it; the full text f_art is left as it is. Raises DatabaseError.
void upsertWorksRow(TDbConnect& connection, const FlatGrid* grid, int row, const QString& kind) {
    const auto cell = [grid, row](int column) { return grid->cellText(row, column).trimmed(); };
    TAdoRecordData data;
    data.OpenCommand(connection,
                     SelectSql(QStringLiteral("f_id,f_year,f_index,f_subcn,f_subject,f_publication,"
                                              "f_pubtime,f_place,f_art,f_bj"),
                               QStringLiteral("t_art"), worksCondition(kind, cell(Works::Index))));
    if (data.IsEmpty())
        data.Append();
    data.Edit();
    QString published = grid->cellText(row, Works::Date);
    try {
        published = CompactDate(published);
    } catch (const ConversionError&) {
        published = published.trimmed();
    }
    data.FieldByName(QStringLiteral("f_id")).SetAsString(CurrentId);
    data.FieldByName(QStringLiteral("f_year")).SetAsString(LoginYear);
    data.FieldByName(QStringLiteral("f_index")).SetAsInteger(cell(Works::Index).toLongLong());
    data.FieldByName(QStringLiteral("f_subcn")).SetAsString(cell(Works::Number));
    data.FieldByName(QStringLiteral("f_subject")).SetAsString(cell(Works::Title));
    data.FieldByName(QStringLiteral("f_publication")).SetAsString(cell(Works::Publication));
    data.FieldByName(QStringLiteral("f_pubtime")).SetAsString(published);
    data.FieldByName(QStringLiteral("f_place")).SetAsString(cell(Works::Authorship));
    data.FieldByName(QStringLiteral("f_bj")).SetAsString(kind);
    data.Post();
    data.ApplyBatch();
}

// Puts a cell's text between "<<" and ">>".
void bracketTitle(FlatGrid* grid, int row, int column) {
    QString text = grid->cellText(row, column).trimmed();
    if (text.isEmpty())
        return;
    if (!text.startsWith(QStringLiteral("<<")))
        text = QStringLiteral("<<") + text;
    if (!text.contains(QStringLiteral(">>")))
        text += QStringLiteral(">>");
    grid->setCellText(row, column, text);
}

void prefixNumber(FlatGrid* grid, int row, int column, const QString& prefix) {
    const QString text = grid->cellText(row, column).trimmed();
    if (!text.isEmpty() && !text.startsWith(prefix))
        grid->setCellText(row, column, prefix + text);
}

} // namespace

FlatGrid* Tfrm_grzl::worksGrid(int kind) const {
    switch (kind) {
    case 1:
        return dtlDBZ;
    case 2:
        return dtlWZ;
    case 3:
        return dtlZZ;
    default:
        return nullptr;
    }
}

bool Tfrm_grzl::SaveWorksKind(int kind) {
    if (CurrentId.isEmpty())
        return true;
    const FlatGrid* grid = worksGrid(kind);
    const QString kindText = QString::number(kind);
    QString year = LoginYear;
    try {
        TDbConnect connection;
        OpenLocalDatabase(connection);
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString date = grid->cellText(row, Works::Date).trimmed();
            if (!date.isEmpty())
                year = date.left(4);
            if (grid->cellText(row, Works::Title).trimmed().isEmpty() ||
                grid->cellText(row, Works::Publication).trimmed().isEmpty())
                continue;
            if (year > LoginYear) {
                showInformation(grid->cellText(row, Works::Title).trimmed() + QLatin1Char('\r') +
                                QStringLiteral("这篇论文发表的时间不符要求，不能使用！！！"));
                return false;
            }
            upsertWorksRow(connection, grid, row, kindText);
        }
    } catch (const DatabaseError& error) {
        AskBox(error.message(), ApplicationTitle, BoxFlags::Ok);
        return false;
    }
    return true;
}

bool Tfrm_grzl::SaveWorksRow(int kind, int row) {
    if (CurrentId.trimmed().isEmpty()) {
        showInformation(QStringLiteral("请先保存个人资料信息"));
        return false;
    }
    const FlatGrid* grid = worksGrid(kind);
    if (row < 0 || row >= grid->rowCount())
        return false;
    const QString date = grid->cellText(row, Works::Date).trimmed();
    const QString year = date.isEmpty() ? LoginYear : date.left(4);
    const QString title = grid->cellText(row, Works::Title).trimmed();
    if (!title.isEmpty() && !grid->cellText(row, Works::Publication).trimmed().isEmpty() &&
        year > LoginYear) {
        showInformation(title + QLatin1Char('\r') +
                        QStringLiteral("这篇论文发表的时间不符要求，不能使用"));
        return false;
    }
    try {
        TDbConnect connection;
        OpenLocalDatabase(connection);
        const TDataPacket stored = connection.Query(
            QStringLiteral("select f_id from t_grzl where f_id=") + QuotedValue(CurrentId));
        if (stored.rows.isEmpty()) {
            showInformation(QStringLiteral("请先保存个人资料信息"));
            return false;
        }
        upsertWorksRow(connection, grid, row, QString::number(kind));
    } catch (const DatabaseError& error) {
        AskBox(error.message(), ApplicationTitle, BoxFlags::Ok);
        return false;
    }
    return true;
}

void Tfrm_grzl::OpenWorkContent(int kind) {
    const QString hint =
        kind == 3 ? QStringLiteral("提示：只贴入简介和目录") : QStringLiteral("提示：贴入内容");
    const FlatGrid* grid = worksGrid(kind);
    const int row = grid->focusedRow();
    if (row < 0)
        return;
    const auto cell = [grid, row](int column) { return grid->cellText(row, column).trimmed(); };
    if (cell(Works::Title).isEmpty()) {
        AskBox(QStringLiteral("标题没有，不能对内容操作"), QStringLiteral("提示信息"),
               BoxFlags::Ok);
        return;
    }
    if (cell(Works::Publication).isEmpty()) {
        AskBox(QStringLiteral("刊物名称没有，不能对内容操作"), QStringLiteral("提示信息"),
               BoxFlags::Ok);
        return;
    }
    if (cell(Works::Number).isEmpty() &&
        !grid->cellText(row, Works::Publication).contains(ProvincialJournal)) {
        AskBox(QStringLiteral("刊号没有，不能对内容操作"), QStringLiteral("提示信息"),
               BoxFlags::Ok);
        return;
    }
    CurrentWorkIndex = cell(Works::Index).isEmpty() ? QStringLiteral("1") : cell(Works::Index);
    CurrentWorkKind = QString::number(kind);
    if (!SaveWorksRow(kind, row))
        return;
    WorkContentHint = hint;
    OpenWorkWindow(QStringLiteral("Tfrm_Edit"), this);
    WorkContentHint.clear();
}

void Tfrm_grzl::AddWorksRow(int kind) {
    FlatGrid* grid = worksGrid(kind);
    const int rows = grid->rowCount();
    if (rows > 0 && grid->cellText(rows - 1, Works::Title).trimmed().isEmpty())
        return;
    QStringList used;
    for (int row = 0; row < rows; ++row) {
        const QString index = grid->cellText(row, Works::Index).trimmed();
        if (!index.isEmpty())
            used << QStringLiteral("%1").arg(index.toInt(), 2, 10, QLatin1Char('0'));
    }
    const QString usedText = used.join(QLatin1Char(','));
    int number = rows + 1;
    for (int candidate = 1; candidate <= rows; ++candidate) {
        if (!usedText.contains(QStringLiteral("%1").arg(candidate, 2, 10, QLatin1Char('0')))) {
            number = candidate;
            break;
        }
    }
    grid->setUpdatesEnabled(false);
    const int row = grid->appendRow();
    grid->setCellText(row, Works::Index, QString::number(number));
    grid->setCellText(row, Works::Publication,
                      QStringLiteral("<<") + ProvincialJournal + QStringLiteral(">>"));
    grid->setUpdatesEnabled(true);
}

void Tfrm_grzl::DeleteWorksRow(int kind) {
    FlatGrid* grid = worksGrid(kind);
    const int row = grid->focusedRow();
    if (row < 0)
        return;
    if (ExecSql(DeleteSql(QStringLiteral("t_art"),
                          QStringLiteral(" and f_id=") + QuotedValue(CurrentId) +
                              QStringLiteral(" and f_index=") +
                              BareNumber(grid->cellText(row, Works::Index).trimmed()) +
                              QStringLiteral(" and f_bj=") + QuotedValue(QString::number(kind)))))
        grid->removeRow(row);
}

void Tfrm_grzl::ClickAddRow() {
    AddWorksRow(sender()->property("tag").toInt());
}

void Tfrm_grzl::wzDelClick() {
    DeleteWorksRow(wzDel->property("tag").toInt());
}

void Tfrm_grzl::zzDelClick() {
    DeleteWorksRow(zzDel->property("tag").toInt());
}

void Tfrm_grzl::dbzContentButtonClick(int, int column) {
    const auto* grid = qobject_cast<const FlatGrid*>(sender());
    if (grid)
        OpenWorkContent(grid->column(column).tag);
}

void Tfrm_grzl::dtlDBZEdited(int row, int column) {
    auto* grid = qobject_cast<FlatGrid*>(sender());
    if (!grid)
        return;
    if (column == Works::Publication)
        bracketTitle(grid, row, column);
    else if (column == Works::Number)
        prefixNumber(grid, row, column, QStringLiteral("CN"));
}

void Tfrm_grzl::dtlZZEdited(int row, int column) {
    if (column == Works::Title)
        bracketTitle(dtlZZ, row, column);
    else if (column == Works::Number)
        prefixNumber(dtlZZ, row, column, QStringLiteral("ISBN"));
}
