#include "SubmissionExport.h"

#include "AdoDbCustom.h"
#include "DatabaseError.h"
#include "Helpers.h"
#include "Prompter.h"
#include "RecordSetCustom.h"
#include "Statements.h"
#include "SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <filesystem>
#include <system_error>

namespace SubmissionExport {

namespace {

const QString Caption = QStringLiteral("提示信息");

CopyColumn T(const char* name) {
    return {QString::fromLatin1(name), CopyMode::Text};
}
CopyColumn N(const char* name) {
    return {QString::fromLatin1(name), CopyMode::Number};
}
CopyColumn V(const char* name) {
    return {QString::fromLatin1(name), CopyMode::Value};
}

// The columns of the three sheets of achievements before and after taking up the post.
QList<CopyColumn> achievementColumns() {
    return {T("f_id"),    V("f_index"), T("f_year"), T("f_sdate"),
            T("f_edate"), T("f_gz"),    T("f_gznr"), T("f_wcqk")};
}

QList<CopyTable> buildCopyLists() {
    return {
        {QStringLiteral("t_grzl"),
         {T("f_id"),
          T("f_year"),
          V("f_yhh"),
          T("f_name"),
          T("f_sex"),
          T("f_borndate"),
          T("f_cardid"),
          T("f_area"),
          T("f_postalcode"),
          T("f_telephone"),
          T("f_dwlb"),
          T("f_pg"),
          T("f_address"),
          T("f_bm"),
          T("f_workdw"),
          T("f_worktime"),
          T("f_trade"),
          T("f_nowzc"),
          T("f_zcvalitime"),
          T("f_zcengagetime"),
          T("f_nowbusiness"),
          T("f_bustime"),
          T("f_result"),
          T("F_officething"),
          T("F_rewAndpun"),
          T("f_gsstarttime"),
          T("f_gsendtime"),
          T("f_gsposition"),
          T("f_gsdw"),
          T("f_gstime"),
          T("F_commend"),
          T("F_other"),
          T("f_ksyxstarttime"),
          T("f_ksyxendtime"),
          T("f_handset"),
          T("F_zclettercode"),
          T("F_oldzc"),
          T("F_oldzcvalitime"),
          T("F_oldzclettercode"),
          T("F_kjztime"),
          T("F_kjzhao"),
          T("f_hgzhao"),
          T("f_pgtj"),
          T("f_dwjb"),
          T("f_ispunished"),
          T("f_dwxz"),
          T("f_kjzwxz")}},
        {QStringLiteral("t_cointrod"),
         {T("f_id"), T("F_dwxz"), T("f_year"), N("F_assettotal"), N("F_onlyasset"),
          N("F_gaintotal"), N("F_taxtotal"), N("F_busigath"), N("F_casegath"), V("F_personnum"),
          V("F_bursarnum"), V("F_bursarnum1"), V("F_bursarnum2"), T("F_cointrod"), T("f_other"),
          V("F_bursarnum0"), V("F_bursarnum3")}},
        {QStringLiteral("t_edu"),
         {T("f_id"), T("f_year"), V("F_index"), T("F_edulength"), T("F_edulevel"), T("F_specialty"),
          T("F_specialtysub"), T("F_eduschool"), T("F_eduschoolsub"), T("F_edutime"),
          T("F_edutimesub"), T("f_edulettercode"), T("F_edulettercodesub"), T("F_IsSecondEdu"),
          T("F_IsEcon")}},
        {QStringLiteral("t_bursar"),
         {T("f_id"), T("f_year"), V("F_index"), T("F_bursar"), T("F_startdate"), T("F_enddate"),
          T("F_workdw"), T("F_workzw")}},
        {QStringLiteral("t_award"),
         {T("f_id"), T("f_year"), V("F_index"), T("F_xmm"), T("F_hjtime"), T("F_place")}},
        {QStringLiteral("t_art"),
         {T("f_id"), T("f_year"), V("F_index"), T("F_subcn"), T("F_subcnsub"), T("F_subject"),
          T("F_publication"), T("F_pubtime"), T("F_place"), T("f_art"), T("f_bj")}},
        {QStringLiteral("t_kjal"), {T("f_id"), T("f_year"), T("f_content"), T("f_title")}},
        {QStringLiteral("t_checkyear"),
         {T("f_id"), T("f_year"), V("F_index"), T("F_checkyear"), T("F_checkdj")}},
        {QStringLiteral("t_grzlother"),
         {T("f_id"),      T("f_year"),     T("f_mz"),     T("f_cym"),     T("f_stzk"),
          T("f_bzgz"),    T("f_csd"),      T("f_rzzg"),   T("f_xzzw"),    T("f_rd"),
          T("f_rmzd"),    T("f_jz"),       T("f_wy"),     T("f_dbyj"),    T("f_dbfzr"),
          T("f_dbDate"),  T("f_khyj"),     T("f_khfzr"),  T("f_khDate"),  T("f_tjjcyj"),
          T("f_tjjcfzr"), T("f_tjjcdate"), T("f_tjcbyj"), T("f_tjcbfzr"), T("f_tjcbdate"),
          T("f_pszjyj"),  T("f_psqz"),     T("f_psrq"),   T("f_pszyj"),   T("f_pszr"),
          T("f_pszdate"), T("f_zgqrdate"), T("f_pw"),     T("f_zi"),      T("f_hao"),
          T("f_bmdate")}},
        {QStringLiteral("t_ksdb"),
         {T("f_id"), V("f_index"), T("f_year"), T("f_date"), T("f_kszl"), T("f_kskm"), V("f_kscj"),
          T("f_zzdw")}},
        {QStringLiteral("t_lwjl"),
         {T("f_id"), V("f_index"), T("f_year"), T("f_date"), T("f_nrty"), T("f_jlqk"),
          T("f_place")}},
        {QStringLiteral("t_rzqyj"), achievementColumns()},
        {QStringLiteral("t_rzhyja"), achievementColumns()},
        {QStringLiteral("t_rzhyjb"), achievementColumns()},
        {QStringLiteral("t_study"),
         {T("f_id"), V("f_index"), T("f_year"), T("f_sdate"), T("f_edate"), T("f_nr"), T("f_dd"),
          T("f_zmr")}},
    };
}

// The value as it goes into the submission file.
QVariant copiedValue(const TField& source, CopyMode mode) {
    const QVariant value = source.Value();
    if (value.isNull())
        return QVariant();
    switch (mode) {
    case CopyMode::Text:
        if (value.typeId() == QMetaType::QByteArray)
            return value;
        return source.AsString();
    case CopyMode::Number:
        return source.AsFloat();
    case CopyMode::Value:
        return value;
    }
    return value;
}

// Copies the rows loaded into source to the same table of the file, then marks the file
// with the version row. Raises DatabaseError.
void copyRows(TCustomRecordSet& source, TDbConnect& file, const CopyTable& table) {
    TAdoRecordData target;
    target.OpenCommand(file, QStringLiteral("select * from %1 where 1<>1").arg(table.name));
    QList<std::pair<TField, TField>> fields;
    fields.reserve(table.columns.size());
    for (const CopyColumn& column : table.columns)
        fields.append({source.FieldByName(column.name), target.FieldByName(column.name)});

    source.First();
    while (!source.Eof()) {
        target.Append();
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields[i].second.SetValue(copiedValue(fields.at(i).first, table.columns.at(i).mode));
        target.Post();
        source.Next();
    }
    target.ApplyBatch();
    target.Close();

    if (file.Query(QStringLiteral("select * from t_set where f_bj='version'")).rows.isEmpty())
        file.Execute(QStringLiteral("insert into t_set(f_bj,f_value)values('version','0')"));
    else
        file.Execute(QStringLiteral("update t_set set f_value='0' where f_bj='version'"));
}

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

// The file the export is built in until it is complete; removed unless kept.
class PartialFile {
public:
    explicit PartialFile(const QString& finalPath)
        : path_(finalPath + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128) +
                QStringLiteral(".part")) {}
    ~PartialFile() {
        if (!kept_)
            QFile::remove(path_);
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    QString path() const { return path_; }

    // Moves the file to its final name, replacing a file there in one step.
    void moveTo(const QString& finalPath) {
        std::error_code error;
        std::filesystem::rename(nativePath(path_), nativePath(finalPath), error);
        if (error)
            throw DatabaseError(QStringLiteral("无法建立文件“%1”：%2")
                                    .arg(finalPath, QString::fromLocal8Bit(error.message())));
        kept_ = true;
    }

private:
    QString path_;
    bool kept_ = false;
};

void reportFailure(const QString& reason) {
    AskBox(QStringLiteral("数据导出失败!\n%1").arg(reason), Caption, BoxFlags::Ok);
}

// Whether a chosen applicant lacks the end of the examination's validity.
bool lacksValidity(TDbConnect& local, const QString& condition) {
    const QString statement =
        QStringLiteral("select * from t_grzl where (f_ksyxendtime is null or f_ksyxendtime='' "
                       "or f_ksyxendtime is null or f_ksyxendtime='') ") +
        condition;
    return !local.Query(statement).rows.isEmpty();
}

} // namespace

const QList<CopyTable>& CopyLists() {
    static const QList<CopyTable> lists = buildCopyLists();
    return lists;
}

QString SelectionCondition(const QStringList& ids) {
    if (ids.isEmpty())
        return QString();
    QStringList quoted;
    quoted.reserve(ids.size());
    for (const QString& id : ids)
        quoted.append(QuotedValue(id));
    return QStringLiteral(" and f_id in (") + quoted.join(QLatin1Char(',')) + QStringLiteral(")");
}

QString SubmissionFileName(const QString& firstLineText, qsizetype count) {
    QString name = firstLineText.left(firstLineText.indexOf(QLatin1Char('(')));
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    if (count > 1)
        name += QStringLiteral("等%1人").arg(count);
    return name;
}

QString SubmissionFolder(const QString& chosenFolder) {
    QString folder = QDir::fromNativeSeparators(chosenFolder.trimmed());
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + QStringLiteral("/数据上报");
}

bool ExportSubmission(const QStringList& ids, const QString& firstLineText,
                      const QString& chosenFolder) {
    if (ids.isEmpty())
        return false;
    if (chosenFolder.trimmed().isEmpty()) {
        reportFailure(QStringLiteral("没有选择数据上报路径。"));
        return false;
    }
    const QString condition = SelectionCondition(ids);
    const QString folder = SubmissionFolder(chosenFolder);
    const QString target = folder + QLatin1Char('/') +
                           SubmissionFileName(firstLineText, ids.size()) + QStringLiteral(".mdb");

    if (QFileInfo::exists(target) && AskBox(QStringLiteral("导出文件已存在，是否覆盖！"), Caption,
                                            BoxFlags::YesNo) != BoxAnswer::Yes)
        return false;
    if (!EnsureFolder(folder, false)) {
        reportFailure(QStringLiteral("无法建立文件夹“%1”。").arg(folder));
        return false;
    }
    const QString templateFile = ProgramFile(QStringLiteral("modedata/modedb.mdb"));
    PartialFile partial(target);
    if (!QFile::copy(templateFile, partial.path())) {
        reportFailure(QStringLiteral("无法把“%1”复制到“%2”。").arg(templateFile, folder));
        return false;
    }
    // An installed template may be read-only; its copy is written to.
    QFile::setPermissions(partial.path(), QFile::permissions(partial.path()) | QFile::WriteOwner |
                                              QFile::ReadOwner);

    try {
        TDbConnect local;
        local.SetReadOnly(true);
        OpenLocalDatabase(local);
        if (lacksValidity(local, condition)) {
            AskBox(QStringLiteral("上报的资料中，会计从业资格证号码无效"), Caption, BoxFlags::Ok);
            return false;
        }
        {
            TDbConnect file;
            file.SetConnectionString(BuildConnectionString(TDbKind::Access, partial.path()));
            file.Open();
            file.BeginUnlessInContext();
            for (const CopyTable& table : CopyLists()) {
                TCustomRecordSetQuery source;
                source.OpenSql(local, SelectSql(QStringLiteral("*"), table.name, condition));
                if (!source.IsEmpty())
                    copyRows(source, file, table);
            }
            file.CommitUnlessInContext();
            file.CloseConnection();
        }
        partial.moveTo(target);
        return true;
    } catch (const DatabaseError& error) {
        reportFailure(error.message());
        return false;
    }
}

} // namespace SubmissionExport
