#include "SystemInfo.h"

#include <QDir>

Tsysteminfo SystemInfo;

QString LoginYear;
QString LoginUser;
QString CurrentId;
QString CurrentWorkIndex;
QString CurrentWorkKind;
QString WorkContentHint;
quint8 WindowMode = WindowModes::Dossier;

const QStringList DutyNames = {QStringLiteral("一般会计人员"), QStringLiteral("会计主管人员"),
                               QStringLiteral("会计机构负责人"),
                               QStringLiteral("总会计师、财务总监"), QStringLiteral("其他")};
const QString LikeWildcard = QStringLiteral("%");

const QString ApplicationTitle = QStringLiteral("Tessarine-申报端");

TDbKind DbKindFromNumber(int number) {
    return static_cast<TDbKind>(static_cast<quint8>(number - 1));
}

void InitSystemInfo(const QString& executableDir) {
    QString appPath = QDir::fromNativeSeparators(executableDir);
    if (!appPath.endsWith(QLatin1Char('/')))
        appPath += QLatin1Char('/');

    SystemInfo = Tsysteminfo{};
    SystemInfo.AppPath = appPath;
    SystemInfo.DbExt = QStringLiteral(".mdb");
    SystemInfo.DbKind = DbKindFromNumber(1);
    SystemInfo.DbPath =
        appPath + QStringLiteral("database/") + QStringLiteral("ledgerev") + SystemInfo.DbExt;
    SystemInfo.AuthMode = 1;
}
