#pragma once

#include "FlatGrid.h"

// Column tables of the dossier's grids; a column's number is its position in the table.
namespace DossierGrids {

QList<GridColumn> LevelColumns();              // dtlXL1: the five education levels
QList<GridColumn> SecondDegreeColumns();       // dtlXL2: the second degree
QList<GridColumn> RepresentativeWorkColumns(); // dtlDBZ
QList<GridColumn> ArticleColumns();            // dtlWZ
QList<GridColumn> BookColumns();               // dtlZZ

// Row number and level name of the five rows of the level grid.
struct EducationLevel {
    QString index;
    QString name;
    QStringList degrees; // entries of "学历/学位" for the row
};
const QList<EducationLevel>& EducationLevels();

// Entries of the second degree's "学历/学位" for its "学 历" cell.
QStringList SecondDegreeEntries(const QString& level);

// Column numbers used by the window.
namespace Level {
inline constexpr int Mark = 0, Index = 1, Name = 2, School = 3, Specialty = 4, Length = 5,
                     Graduated = 6, Degree = 7, Certificate = 8, Economics = 9;
}
namespace Second {
inline constexpr int Mark = 0, Index = 1, Two = 2, Level = 3, School = 4, Specialty = 5, Length = 6,
                     Graduated = 7, Degree = 8, Certificate = 9, Economics = 10;
}
namespace Works {
inline constexpr int Mark = 0, Index = 1, Title = 2, Publication = 3, Number = 4, Date = 5,
                     Authorship = 6, Content = 7, Memo = 8;
}

} // namespace DossierGrids
