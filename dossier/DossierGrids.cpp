#include "DossierGrids.h"

namespace DossierGrids {

namespace {

using Kind = GridColumn::Kind;

const QColor MoneyGreen(192, 220, 192);

GridColumn hiddenText(const QString& name, const QString& caption) {
    GridColumn column;
    column.name = name;
    column.caption = caption;
    column.hidden = true;
    return column;
}

GridColumn column(const char* name, const QString& caption, Kind kind, int width) {
    GridColumn result;
    result.name = QLatin1String(name);
    result.caption = caption;
    result.kind = kind;
    result.width = width;
    return result;
}

QList<GridColumn> worksColumns(const char* prefix, const QString& markCaption,
                               const QList<GridColumn>& visible, const QString& memoCaption,
                               int kind) {
    const QString p = QLatin1String(prefix);
    QList<GridColumn> columns;
    columns << hiddenText(p + QStringLiteral("BJ"), markCaption)
            << hiddenText(p + QStringLiteral("Index"), QStringLiteral("顺序号")) << visible;
    columns[Works::Content].tag = kind;
    GridColumn memo = hiddenText(p + QStringLiteral("Memo"), memoCaption);
    memo.kind = Kind::Memo;
    columns << memo;
    return columns;
}

} // namespace

const QList<EducationLevel>& EducationLevels() {
    static const QList<EducationLevel> levels = {
        {QStringLiteral("1"), QStringLiteral("中专"), {QStringLiteral("中专")}},
        {QStringLiteral("2"), QStringLiteral("专科"), {QStringLiteral("专科")}},
        {QStringLiteral("3"),
         QStringLiteral("本科"),
         {QStringLiteral("本科学历和学位"), QStringLiteral("本科学历"),
          QStringLiteral("本科学位")}},
        {QStringLiteral("4"),
         QStringLiteral("硕士"),
         {QStringLiteral("硕士学历和学位"), QStringLiteral("硕士学历"),
          QStringLiteral("硕士学位")}},
        {QStringLiteral("5"), QStringLiteral("博士"), {QStringLiteral("博士学位")}},
    };
    return levels;
}

QStringList SecondDegreeEntries(const QString& level) {
    const QString trimmed = level.trimmed();
    for (const EducationLevel& entry : EducationLevels()) {
        if (entry.name == trimmed && entry.index != QLatin1String("1"))
            return entry.degrees;
    }
    return {};
}

QList<GridColumn> LevelColumns() {
    GridColumn name = column("xl1XL", QString(), Kind::Text, 40);
    name.readOnly = true;
    name.background = MoneyGreen;
    name.alignment = Qt::AlignCenter;
    return {hiddenText(QStringLiteral("xl1BJ"), QStringLiteral("是否修改")),
            hiddenText(QStringLiteral("xl1Index"), QStringLiteral("顺序号")),
            name,
            column("xl1School", QStringLiteral("学 校"), Kind::Text, 190),
            column("xl1ZY", QStringLiteral("专 业"), Kind::Text, 160),
            column("xl1XZ", QStringLiteral("学制"), Kind::Text, 50),
            column("xl1BYSJ", QStringLiteral("毕业时间"), Kind::Date, 90),
            column("xl1XW", QStringLiteral("学历/学位"), Kind::PickList, 120),
            column("xl1ZSH", QStringLiteral("证书号"), Kind::Text, 170),
            column("xl1IsJJ", QStringLiteral("经济类"), Kind::Check, 50)};
}

QList<GridColumn> SecondDegreeColumns() {
    GridColumn two = column("xl2Two", QStringLiteral("双学历"), Kind::Text, 40);
    two.readOnly = true;
    two.background = MoneyGreen;
    two.alignment = Qt::AlignCenter;
    GridColumn level = column("xl2XL", QStringLiteral("学 历"), Kind::PickList, 50);
    level.pickList = {QStringLiteral("专科"), QStringLiteral("本科"), QStringLiteral("硕士"),
                      QStringLiteral("博士")};
    level.alignment = Qt::AlignCenter;
    return {hiddenText(QStringLiteral("xl2BJ"), QStringLiteral("修改标记")),
            hiddenText(QStringLiteral("xl2Index"), QStringLiteral("顺序号")),
            two,
            level,
            column("xl2School", QStringLiteral("学 校"), Kind::Text, 140),
            column("xl2ZY", QStringLiteral("专 业"), Kind::Text, 160),
            column("xl2XZ", QStringLiteral("学制"), Kind::Text, 50),
            column("xl2BYSJ", QStringLiteral("毕业时间"), Kind::Date, 90),
            column("xl2XW", QStringLiteral("学历/学位"), Kind::PickList, 120),
            column("xl2ZSH", QStringLiteral("证书号"), Kind::Text, 170),
            column("xl2IsJJ", QStringLiteral("经济类"), Kind::Check, 50)};
}

QList<GridColumn> RepresentativeWorkColumns() {
    GridColumn author = column("dbzAuthor", QStringLiteral("著作方式"), Kind::PickList, 90);
    author.pickList = {QStringLiteral("独著"), QStringLiteral("第一作者")};
    QList<GridColumn> columns =
        worksColumns("dbz", QStringLiteral("修改标记"),
                     {column("dbzTitle", QStringLiteral("标题"), Kind::Text, 240),
                      column("dbzKWName", QStringLiteral("刊物名称"), Kind::Text, 190),
                      column("dbzKH", QStringLiteral("刊号（CN）"), Kind::Text, 130),
                      column("dbzFBDate", QStringLiteral("发表时间"), Kind::Date, 90), author,
                      column("dbzContent", QStringLiteral("贴入内容"), Kind::Button, 70)},
                     QStringLiteral("文章内容"), 1);
    for (GridColumn& c : columns)
        c.background = MoneyGreen;
    return columns;
}

QList<GridColumn> ArticleColumns() {
    GridColumn author = column("wzAuthor", QStringLiteral("著作方式"), Kind::PickList, 90);
    author.pickList = {QStringLiteral("独著"), QStringLiteral("第一作者")};
    return worksColumns("wz", QStringLiteral("是否修改"),
                        {column("wzTitle", QStringLiteral("文章标题"), Kind::Text, 240),
                         column("wzName", QStringLiteral("刊物名称"), Kind::Text, 190),
                         column("wzKH", QStringLiteral("刊号（CN）"), Kind::Text, 130),
                         column("wzFbDate", QStringLiteral("发表时间"), Kind::Date, 90), author,
                         column("wzContent", QStringLiteral("内容"), Kind::Button, 70)},
                        QStringLiteral("著作内容"), 2);
}

QList<GridColumn> BookColumns() {
    GridColumn author = column("zzAuthor", QStringLiteral("著作方式"), Kind::PickList, 90);
    author.pickList = {QStringLiteral("独著"), QStringLiteral("主编"), QStringLiteral("副主编"),
                       QStringLiteral("主要撰稿者"), QStringLiteral("第一作者")};
    return worksColumns("zz", QStringLiteral("修改标记"),
                        {column("zzTitle", QStringLiteral("书名"), Kind::Text, 240),
                         column("zzName", QStringLiteral("出版社"), Kind::Text, 190),
                         column("zzKH", QStringLiteral("书号（ISBN）"), Kind::Text, 130),
                         column("zzFbDate", QStringLiteral("发表时间"), Kind::Date, 90), author,
                         column("zzContent", QStringLiteral("内容"), Kind::Button, 70)},
                        QStringLiteral("著作内容"), 3);
}

} // namespace DossierGrids
