#pragma once

#include <QString>
#include <QStringList>

// Process-wide shared state: where the program lives, which database it uses, the
// evaluation year chosen at login, the applicant selected in the dossier and the mode
// in which a work window has been opened. Filled by the shell, read by every window.

enum class TDbKind : quint8 { Access = 0, SqlServer = 1, Oracle = 2 };

struct Tsysteminfo {
    TDbKind DbKind = TDbKind::Access;
    QString Server;
    QString DbUser;
    QString DbPassword;
    QString DbPath; // Access: full path of the database file; servers: catalog name
    qint32 AuthMode = 1;
    QString AppPath; // folder of the executable, always ending in exactly one '/'
    QString DbExt;
};

extern Tsysteminfo SystemInfo;

extern QString LoginYear;        // evaluation year chosen at login, set once
extern QString LoginUser;        // never filled by this client
extern QString CurrentId;        // f_id of the applicant selected in the dossier window
extern QString CurrentWorkIndex; // f_index of the works row the editor opens
extern QString CurrentWorkKind;  // f_bj of that row: "1", "2" or "3"
extern QString WorkContentHint;  // hint line the works grids hand to the editor they open
extern quint8 WindowMode;        // job of the work window about to be opened

extern const QStringList DutyNames;
extern const QString LikeWildcard;

// Title of the application, also the caption of the query layer's error boxes.
extern const QString ApplicationTitle;

// The codes a window opener puts into WindowMode just before creating a work window.
namespace WindowModes {
inline constexpr quint8 Dossier = 0;
inline constexpr quint8 Summary = 2;
inline constexpr quint8 UnitIntro = 3;
inline constexpr quint8 Recommendation = 4;
inline constexpr quint8 Users = 5;
inline constexpr quint8 AreaCodes = 6;
inline constexpr quint8 EducationCodes = 8;
inline constexpr quint8 UnitCategoryCodes = 9;
inline constexpr quint8 Export = 19;
inline constexpr quint8 Import = 20;
inline constexpr quint8 Evaluation = 29;
inline constexpr quint8 AccountingCase = 30;
} // namespace WindowModes

// 1 gives Access, 2 SQL Server, 3 Oracle; any other number gives a kind that no
// connection form knows.
TDbKind DbKindFromNumber(int number);

// Start-up initialisation: fills SystemInfo for a program whose executable lies in
// executableDir.
void InitSystemInfo(const QString& executableDir);
