// The dossier's works grids (representative work, articles, books) and their rows in t_art.

#include "frmgrzl.h"

#include "DossierGrids.h"
#include "FlatGrid.h"
#include "Helpers.h"
#include "Statements.h"
#include "SystemInfo.h"

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
