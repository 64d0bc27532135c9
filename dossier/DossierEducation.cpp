// The dossier's education grids: the five fixed levels and the second degree, their pick
// lists, the "专业" ending, loading from and saving to t_edu.

#include "frmgrzl.h"

#include "DossierGrids.h"
#include "FlatGrid.h"
#include "Helpers.h"
#include "Statements.h"
#include "SystemInfo.h"

using namespace DossierGrids;

namespace {

const QString Specialty = QStringLiteral("专业");

// Appends "专业" to a speciality typed without it.
void completeSpecialty(FlatGrid* grid, int row, int column) {
    const QString text = grid->cellText(row, column);
    if (!text.trimmed().isEmpty() && !text.contains(Specialty))
        grid->setCellText(row, column, text + Specialty);
}

} // namespace

void Tfrm_grzl::ResetEducationGrids() {
    dtlXL1->setUpdatesEnabled(false);
    dtlXL1->removeAllRows();
    for (const EducationLevel& level : EducationLevels()) {
        const int row = dtlXL1->appendRow();
        dtlXL1->setCellText(row, Level::Mark, QStringLiteral("A"));
        dtlXL1->setCellText(row, Level::Index, level.index);
        dtlXL1->setCellText(row, Level::Name, level.name);
    }
    dtlXL1->setUpdatesEnabled(true);

    dtlXL2->setUpdatesEnabled(false);
    dtlXL2->setCellText(0, Second::Mark, QStringLiteral("A"));
    dtlXL2->setCellText(0, Second::Index, QStringLiteral("6"));
    for (int column = Second::Level; column <= Second::Certificate; ++column)
        dtlXL2->setCellText(0, column, QString());
    dtlXL2->setCellText(0, Second::Economics, QStringLiteral("False"));
    dtlXL2->setUpdatesEnabled(true);
}

void Tfrm_grzl::LoadEducation() {
    TDataPacket packet;
    if (!OpenQuery(
            SelectSql(QStringLiteral("f_index,f_edulength,f_edulevel,f_specialty,f_specialtysub,"
                                     "f_eduschool,f_edutime,f_edulettercode,f_issecondedu,"
                                     "f_isecon"),
                      QStringLiteral("T_edu"),
                      QStringLiteral(" and f_id=") + QuotedValue(CurrentId)),
            packet))
        return;
    TCustomRecordSet rows;
    rows.SetData(packet);
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const auto text = [&rows](const char* column) {
            return rows.FieldByName(QLatin1String(column)).AsString().trimmed();
        };
        QString graduated;
        try {
            graduated = DashedDate(text("f_edutime"));
        } catch (const ConversionError&) {
            graduated = text("f_edutime");
        }
        const QStringList values = {text("f_eduschool"),
                                    text("f_specialty"),
                                    text("f_specialtysub"),
                                    graduated,
                                    text("f_edulevel"),
                                    text("f_edulettercode"),
                                    text("f_isecon") == QLatin1String("1")
                                        ? QStringLiteral("True")
                                        : QStringLiteral("False")};
        const qint64 index = rows.FieldByName(QStringLiteral("f_index")).AsInteger();
        if (index >= 1 && index <= 5) {
            for (int i = 0; i < values.size(); ++i)
                dtlXL1->setCellText(int(index - 1), Level::School + i, values[i]);
        } else {
            dtlXL2->setCellText(0, Second::Level, text("f_edulevel").left(2));
            for (int i = 0; i < values.size(); ++i)
                dtlXL2->setCellText(0, Second::School + i, values[i]);
        }
    }
}

void Tfrm_grzl::SaveEducation() {
    struct Source {
        FlatGrid* grid;
        int row;
        int school, specialty, length, graduated, degree, certificate, economics;
        const char* second;
    };
    QList<Source> sources;
    for (int row = 0; row < dtlXL1->rowCount(); ++row)
        sources.append({dtlXL1, row, Level::School, Level::Specialty, Level::Length,
                        Level::Graduated, Level::Degree, Level::Certificate, Level::Economics,
                        "0"});
    sources.append({dtlXL2, 0, Second::School, Second::Specialty, Second::Length, Second::Graduated,
                    Second::Degree, Second::Certificate, Second::Economics, "1"});

    // The old rows go and the new ones come in one transaction, so a failing insert cannot
    // leave the applicant without education.
    QStringList statements = {
        DeleteSql(QStringLiteral("t_edu"), QStringLiteral(" and f_id=") + QuotedValue(CurrentId))};
    for (const Source& s : sources) {
        const auto cell = [&s](int column) { return s.grid->cellText(s.row, column).trimmed(); };
        if (cell(s.school).isEmpty() && cell(s.specialty).isEmpty() && cell(s.degree).isEmpty())
            continue;
        QString graduated;
        try {
            graduated = CompactDate(cell(s.graduated));
        } catch (const ConversionError&) {
            graduated = cell(s.graduated);
        }
        const QStringList values = {
            QuotedValue(CurrentId),
            BareNumber(cell(s.grid == dtlXL1 ? Level::Index : Second::Index)),
            QuotedValue(LoginYear),
            QuotedValue(cell(s.degree)),
            QuotedValue(cell(s.specialty)),
            QuotedValue(cell(s.length)),
            QuotedValue(cell(s.school)),
            QuotedValue(graduated),
            QuotedValue(cell(s.certificate)),
            QuotedValue(QLatin1String(s.second)),
            QuotedValue(cell(s.economics) == QLatin1String("True") ? QStringLiteral("1")
                                                                   : QStringLiteral("0"))};
        statements << InsertSql(
            QStringLiteral("t_edu"),
            QStringLiteral("f_id,f_index,f_year,f_edulevel,f_specialty,f_specialtysub,"
                           "f_eduschool,f_edutime,f_edulettercode,f_issecondedu,f_isecon"),
            values.join(QLatin1Char(',')));
    }
    ExecSqlList(statements);
}

void Tfrm_grzl::dtlXL1ChangeNode(int row) {
    dtlXL1->setPickList(Level::Degree, row >= 0 && row < EducationLevels().size()
                                           ? EducationLevels().at(row).degrees
                                           : QStringList());
}

void Tfrm_grzl::dtlXL1Edited(int row, int column) {
    if (column == Level::Specialty)
        completeSpecialty(dtlXL1, row, column);
}

void Tfrm_grzl::dtlXL2Edited(int row, int column) {
    if (column == Second::Level)
        dtlXL2->setPickList(Second::Degree, SecondDegreeEntries(dtlXL2->cellText(row, column)));
    else if (column == Second::Specialty)
        completeSpecialty(dtlXL2, row, column);
}
