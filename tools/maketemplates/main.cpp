// Writes the four form templates of the document windows into a folder (by default the
// ModeData folder of the source tree): the personal summary table, the professional
// evaluation table and the company and institution introductions. Every value the program
// fills is the only paragraph of its table cell, at the ordinal the window's fill routine
// writes; the writer refuses to produce a form whose layout does not meet that.

#include "FormWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QList<int> Grid = FormWriter::evenGrid(24);

QList<Row> Rows(std::initializer_list<QList<Cell>> cells, int height = 510) {
    QList<Row> rows;
    for (const QList<Cell>& c : cells)
        rows.append({c, height, false, false});
    return rows;
}

Row Tall(QList<Cell> cells, int height) {
    return {std::move(cells), height, false, false};
}

// The personal summary table (个人情况表).
FormWriter Summary() {
    FormWriter f;
    f.paragraph(QStringLiteral("高级会计师资格评审个人情况表"), Para::Title);
    f.paragraph(
        QStringLiteral(
            "申报单位（盖章）：                              填表日期：      年    月    日"),
        Para::Note);
    f.paragraph(QString(), Para::Note);

    QList<Row> rows = Rows({
        {L(QStringLiteral("姓  名"), 3), V(5, 3), L(QStringLiteral("性别"), 2), V(7, 2),
         L(QStringLiteral("出生年月"), 3), V(9, 3), L(QStringLiteral("破格申报"), 3), V(11, 5)},
        {L(QStringLiteral("学历（学位）"), 4), V(14, 20)},
        {L(QStringLiteral("参加工作时间"), 4), V(17, 4),
         L(QStringLiteral("现任专业技术职务及取得时间"), 7), V(19, 9)},
        {L(QStringLiteral("现任行政职务及任职时间"), 5), V(22, 5), L(QStringLiteral("考试成绩"), 3),
         V(24, 3), L(QStringLiteral("成绩有效期"), 3), V(26, 5)},
    });
    rows.append(Tall({L(QStringLiteral("工作简历"), 4), V(29, 20, true)}, 2400));
    rows.append(Tall({L(QStringLiteral("任现职以来主要工作业绩"), 4), V(32, 20, true)}, 4200));
    rows.append(Tall({L(QStringLiteral("获奖项目名称"), 6), L(QStringLiteral("获奖时间"), 4),
                      L(QStringLiteral("等级及授奖单位"), 6), L(QStringLiteral("本人排名"), 4),
                      L(QStringLiteral("备注"), 4)},
                     510));
    for (int k = 0; k < 5; ++k)
        rows.append(
            Tall({V(40 + 5 * k, 6), V(41 + 5 * k, 10), V(42 + 5 * k, 4), X(QString(), 4)}, 510));
    rows.append(Tall({V(65, 24, true)}, 680));
    rows.append(Tall({L(QStringLiteral("论文、著作名称"), 6), L(QStringLiteral("刊物名称"), 3),
                      L(QStringLiteral("出版单位"), 3), L(QStringLiteral("刊号（CN）"), 3),
                      L(QStringLiteral("发表（出版）时间"), 3), L(QStringLiteral("本人排名"), 3),
                      L(QStringLiteral("备注"), 3)},
                     680));
    for (int k = 0; k < 5; ++k)
        rows.append(Tall({V(75 + 7 * k, 6), V(76 + 7 * k, 6), V(77 + 7 * k, 3), V(78 + 7 * k, 3),
                          V(79 + 7 * k, 3), X(QString(), 3)},
                         510));
    rows.append(Tall({V(110, 24, true)}, 680));
    rows.append(Tall({L(QStringLiteral("其  他  情  况"), 24)}, 454));
    rows.append(Tall({L(QStringLiteral("任现职以来是否受过党纪、政纪处分"), 10), V(115, 14)}, 510));
    rows.append(Tall({L(QStringLiteral("其他奖励情况"), 4), V(118, 20, true)}, 1400));
    rows.append(Tall({L(QStringLiteral("近五年年度考核情况"), 4), V(121, 20)}, 680));
    rows.append(Tall(
        {R(QStringLiteral("单位公示情况"), 4), L(QStringLiteral("公示时间"), 4), V(125, 16)}, 510));
    rows.append(Tall({C(4), L(QStringLiteral("公示地点"), 4), X(QString(), 16)}, 510));
    rows.append(Tall({C(4), L(QStringLiteral("公示单位（盖章）"), 4), V(133, 16)}, 510));
    rows.append(Tall({C(4), L(QStringLiteral("公示日期"), 4), V(137, 16)}, 510));
    f.table(Grid, rows);
    f.paragraph(QStringLiteral("说明：表内栏目不够填写时，可另附页说明。"), Para::Note);
    return f;
}

// Company (institution = false) or institution introduction (单位简介).
FormWriter UnitIntroduction(bool institution) {
    const QStringList figures =
        institution
            ? QStringList{QStringLiteral("收入总额（万元）"),   QStringLiteral("支出总额（万元）"),
                          QStringLiteral("财政拨款（万元）"),   QStringLiteral("事业收入（万元）"),
                          QStringLiteral("预算外收入（万元）"), QStringLiteral("经营收入（万元）")}
            : QStringList{QStringLiteral("资产总额（万元）"), QStringLiteral("净资产（万元）"),
                          QStringLiteral("利润总额（万元）"), QStringLiteral("税金总额（万元）"),
                          QStringLiteral("营业收入（万元）"), QStringLiteral("事业收入（万元）")};
    FormWriter f;
    f.paragraph(institution ? QStringLiteral("单 位 简 介") : QStringLiteral("公 司 简 介"),
                Para::Title);
    f.paragraph(
        QStringLiteral(
            "填报单位（盖章）：                              填报日期：      年    月    日"),
        Para::Note);
    f.paragraph(QStringLiteral("（填写申报人现在就职单位的当年度情况）"), Para::Note);
    QList<Row> rows = Rows({
        {L(QStringLiteral("姓  名"), 3), V(5, 4), L(QStringLiteral("现职务"), 3), V(7, 5),
         L(QStringLiteral("单位性质"), 3), V(9, 6)},
        {L(QStringLiteral("工作单位"), 3), V(12, 21)},
        {R(QStringLiteral("单\n位\n情\n况"), 3), L(figures.at(0), 5), V(16, 5), L(figures.at(1), 5),
         V(18, 6)},
        {C(3), L(figures.at(2), 5), V(22, 5), L(figures.at(3), 5), V(24, 6)},
        {C(3), L(figures.at(4), 5), V(28, 5), L(figures.at(5), 5), V(30, 6)},
        {C(3), L(QStringLiteral("单位人员（人）"), 5), V(34, 5),
         L(QStringLiteral("会计人员（人）"), 5), V(36, 6)},
        {C(3), L(QStringLiteral("会计中级职称（人）"), 5), V(40, 5),
         L(QStringLiteral("会计高级职称（人）"), 5), V(42, 6)},
    });
    // The introduction and the other notes fill the full width below the figures; their
    // headings are the form's title and the note under the table.
    rows.append(Tall({V(44, 24, true)}, 5600));
    rows.append(Tall({V(46, 24, true)}, 2400));
    f.table(Grid, rows);
    f.paragraph(institution ? QStringLiteral("注：表格倒数第二栏为单位简介（单位职能、规模、财务管"
                                             "理等概况），最后一栏为其它说明。")
                            : QStringLiteral("注：表格倒数第二栏为公司简介（经营范围、规模、财务管"
                                             "理等概况），最后一栏为其它说明。"),
                Para::Note);
    return f;
}

// Grid of a stacked column block: each column exactly as wide as the lines the program pads
// its texts to (widths in double-byte characters of 10.5 points), plus the cell margins.
QList<int> BlockGrid(std::initializer_list<int> widths) {
    QList<int> grid;
    for (const int w : widths)
        grid.append(w * 210 + 216 + 30);
    return grid;
}

void AchievementBlock(FormWriter& f, int first, const QString& title) {
    const QList<int> grid = BlockGrid({5, 8, 12, 6});
    f.table(grid, {Tall({L(title, 4)}, 567),
                   Tall({L(QStringLiteral("起止时间"), 1), L(QStringLiteral("工作项目名称"), 1),
                         L(QStringLiteral("本人承担的主要工作内容及所起作用"), 1),
                         L(QStringLiteral("完成情况及效果"), 1)},
                        680),
                   Tall({V(first, 1, true), V(first + 1, 1, true), V(first + 2, 1, true),
                         V(first + 3, 1, true)},
                        10800)});
}

// The professional evaluation table (专业技术职务任职资格评审表), with its cover.
FormWriter Evaluation() {
    FormWriter f;
    // Cover.
    f.paragraph(QStringLiteral("编号：__________"), Para::Right);
    for (int i = 0; i < 4; ++i)
        f.paragraph(QString());
    f.paragraph(QStringLiteral("专业技术职务任职资格评审表"), Para::Title);
    f.paragraph(QStringLiteral("（会计系列·高级会计师）"), Para::Subtitle);
    for (int i = 0; i < 4; ++i)
        f.paragraph(QString());
    f.paragraph(QStringLiteral("申 报 人：____________________"), Para::Cover);
    f.paragraph(QStringLiteral("工作单位：____________________"), Para::Cover);
    f.paragraph(QStringLiteral("现任职务：____________________"), Para::Cover);
    f.paragraph(QStringLiteral("申报资格：高级会计师"), Para::Cover);
    f.paragraph(QStringLiteral("填表日期：______年____月____日"), Para::Cover);
    for (int i = 0; i < 5; ++i)
        f.paragraph(QString());
    f.paragraph(QStringLiteral("人事（职改）部门印制"), Para::Subtitle);
    // Instructions.
    f.paragraph(QStringLiteral("填 表 说 明"), Para::Subtitle, true);
    const QStringList notes{
        QStringLiteral("一、本表用于申报高级会计师任职资格评审，由申报人如实填写，所在单位审核。"),
        QStringLiteral("二、本表用钢笔或签字笔填写，或用计算机打印，字迹要清楚、工整。"),
        QStringLiteral("三、“出生年月”、“参加工作时间”等栏目，按公历年月日填写。"),
        QStringLiteral("四、“学习培训经历”从大学毕业后填起，按时间顺序填写。"),
        QStringLiteral("五、“工作经历”从参加工作时填起，时间要连续。"),
        QStringLiteral("六、专业技术工作业绩应填写本人亲自参加的主要工作，并注明本人所起作用。"),
        QStringLiteral("七、著作、论文须注明刊物或出版单位名称、发表或出版时间及本人承担部分。"),
        QStringLiteral("八、各级意见栏须由负责人签字并加盖公章，注明日期。"),
        QStringLiteral("九、本表一式三份，报送时附有关证明材料。"),
    };
    for (const QString& n : notes)
        f.paragraph(n, Para::Normal);
    f.padTo(39);
    f.paragraph(QStringLiteral("一、基本情况"), Para::Heading, true);

    // Basic data with the photograph on the right.
    QList<Row> basic = Rows(
        {
            {L(QStringLiteral("姓  名"), 3), V(42, 4), L(QStringLiteral("性别"), 2), V(44, 3),
             L(QStringLiteral("民族"), 2), V(46, 5), R(QStringLiteral("照\n片"), 5)},
            {X(QStringLiteral("籍贯："), 3), L(QStringLiteral("曾用名"), 2), V(51, 4),
             X(QStringLiteral("婚否："), 3), L(QStringLiteral("出生年月"), 2), V(54, 5), C(5)},
            {L(QStringLiteral("出生地"), 3), V(58, 5), X(QStringLiteral("户籍："), 4),
             L(QStringLiteral("标准工资"), 3), V(61, 4), C(5)},
            {L(QStringLiteral("参加工作时间"), 3), V(65, 5), L(QStringLiteral("身体状况"), 3),
             V(67, 8), C(5)},
        },
        600);
    basic.append(Tall({L(QStringLiteral("最  高  学  历"), 24)}, 454));
    basic.append(Tall({L(QStringLiteral("毕（肄、结）业时间"), 5), L(QStringLiteral("毕业学校"), 7),
                       L(QStringLiteral("专业"), 5), L(QStringLiteral("学制"), 3),
                       L(QStringLiteral("学位"), 4)},
                      454));
    basic.append(Tall({V(78, 5), V(79, 7), V(80, 5), V(81, 3), V(82, 4)}, 600));
    basic.append(Tall({L(QStringLiteral("现任专业技术职务及任职时间"), 6), V(85, 6),
                       L(QStringLiteral("现从事何种专业技术工作"), 6), V(87, 6)},
                      680));
    const QList<QPair<QString, int>> questions{
        {QStringLiteral("专业技术职务任职资格取得时间（及审批机关）"), 90},
        {QStringLiteral("现（兼）任行政职务及任职时间"), 93},
        {QStringLiteral("何时加入中国共产党（共青团）任何职务"), 96},
        {QStringLiteral("何时何地参加何种民主党派任何职务"), 99},
        {QStringLiteral("参加何种学术团体，任何种职务，有何社会兼职"), 102},
        {QStringLiteral("懂何种外语，达到何种程度"), 105},
    };
    for (const auto& [label, ordinal] : questions)
        basic.append(Tall({L(label, 9), V(ordinal, 15)}, 800));
    f.table(Grid, basic);

    // Study and training, then work history.
    f.paragraph(QStringLiteral("二、学习培训经历"), Para::Heading, true);
    f.paragraph(QStringLiteral("（大学毕业后参加的主要学习、进修和培训，按时间顺序填写）"),
                Para::Note);
    f.paragraph(QString(), Para::Note);
    QList<Row> study{Tall({L(QStringLiteral("学  习  培  训  经  历"), 24)}, 454),
                     {{L(QStringLiteral("起止时间"), 5), L(QStringLiteral("学习、培训内容"), 9),
                       L(QStringLiteral("学习地点（单位）"), 6), L(QStringLiteral("证明人"), 4)},
                      454,
                      false,
                      true}};
    for (int r = 0; r < 18; ++r) {
        const int p = 117 + 5 * r;
        study.append(Tall({V(p, 5), V(p + 1, 9), V(p + 2, 6), V(p + 3, 4)}, 600));
    }
    f.table(Grid, study);
    f.paragraph(QStringLiteral("三、工作经历"), Para::Heading, true);
    QList<Row> work{{{L(QStringLiteral("起止时间"), 5), L(QStringLiteral("工作单位"), 7),
                      L(QStringLiteral("从事何种专业技术工作、任何职务"), 12)},
                     454,
                     false,
                     true}};
    for (int r = 0; r < 19; ++r) {
        const int p = 212 + 5 * r;
        work.append(Tall({V(p, 5), V(p + 1, 7), V(p + 2, 7), V(p + 3, 5)}, 600));
    }
    f.table(Grid, work);

    // Achievements and works, each a block of stacked columns.
    f.paragraph(QStringLiteral("四、任现职前主要专业技术工作业绩"), Para::Heading, true);
    f.paragraph(QStringLiteral("（由申报人填写，所在单位审核）"), Para::Note);
    const QList<int> before = BlockGrid({5, 8, 12, 6});
    f.table(before,
            {Tall({L(QStringLiteral("起止时间"), 1), L(QStringLiteral("工作项目名称"), 1),
                   L(QStringLiteral("本人承担的主要工作内容及所起作用"), 1),
                   L(QStringLiteral("完成情况及效果"), 1)},
                  680),
             Tall({V(314, 1, true), V(315, 1, true), V(316, 1, true), V(317, 1, true)}, 11400)});
    f.paragraph(QStringLiteral("五、任现职后主要专业技术工作业绩"), Para::Heading, true);
    f.paragraph(QStringLiteral("（由申报人填写，所在单位审核）"), Para::Note);
    f.paragraph(
        QStringLiteral("说明：任现职以来承担的主要工作，按时间顺序填写，每项注明本人所起作用。"),
        Para::Note);
    f.paragraph(QString(), Para::Note);
    AchievementBlock(f, 330, QStringLiteral("任现职后主要专业技术工作业绩（一）"));
    f.paragraph(QStringLiteral("五、任现职后主要专业技术工作业绩（续）"), Para::Heading, true);
    f.paragraph(QStringLiteral("（由申报人填写，所在单位审核）"), Para::Note);
    f.paragraph(QStringLiteral("说明：工作业绩较多时，按重要程度依次填写。"), Para::Note);
    f.paragraph(QString(), Para::Note);
    AchievementBlock(f, 346, QStringLiteral("任现职后主要专业技术工作业绩（二）"));
    f.paragraph(QStringLiteral("六、著作、论文及重要技术报告登记"), Para::Heading, true);
    f.paragraph(QStringLiteral("（须注明发表刊物或出版单位及本人承担部分）"), Para::Note);
    const QList<int> papers = BlockGrid({5, 10, 10, 6});
    f.table(papers,
            {Tall({L(QStringLiteral("著作、论文及重要技术报告"), 4)}, 567),
             Tall({L(QStringLiteral("发表（出版）时间"), 1),
                   L(QStringLiteral("著作、论文及报告题目和内容提要"), 1),
                   L(QStringLiteral("发表刊物或出版单位"), 1),
                   L(QStringLiteral("本人承担部分（独著、合著、主编等）"), 1)},
                  680),
             Tall({V(360, 1, true), V(361, 1, true), V(362, 1, true), V(363, 1, true)}, 10800)});

    // Examinations, the defence and the assessment.
    f.paragraph(QStringLiteral("七、考试成绩及答辩情况"), Para::Heading, true);
    f.paragraph(QStringLiteral("（专业技术资格考试、外语、计算机等考试成绩）"), Para::Note);
    QList<Row> exams{Tall({L(QStringLiteral("考试时间"), 4), L(QStringLiteral("考试类别"), 4),
                           L(QStringLiteral("考试科目"), 8), L(QStringLiteral("成绩"), 3),
                           L(QStringLiteral("主考单位"), 5)},
                          454)};
    for (int r = 0; r < 7; ++r) {
        const int p = 373 + 6 * r;
        exams.append(Tall({V(p, 4), V(p + 1, 4), V(p + 2, 8), V(p + 3, 3), V(p + 4, 5)}, 510));
    }
    exams.append(Tall({R(QStringLiteral("答\n辩\n情\n况"), 4), V(416, 20, true)}, 2600));
    exams.append(Tall({C(4), L(QStringLiteral("答辩小组成员"), 4), X(QString(), 16)}, 600));
    exams.append(Tall(
        {C(4), L(QStringLiteral("答辩结论"), 4), X(QStringLiteral("□通过        □未通过"), 16)},
        510));
    exams.append(Tall({C(4), L(QStringLiteral("签  章"), 4), V(428, 16)}, 600));
    exams.append(Tall({R(QStringLiteral("年度及任职期满考核结果"), 4), V(431, 20, true)}, 2000));
    exams.append(Tall({C(4), L(QStringLiteral("年  度"), 4), X(QString(), 3), X(QString(), 3),
                       X(QString(), 3), X(QString(), 3), X(QString(), 4)},
                      510));
    exams.append(Tall({C(4), L(QStringLiteral("考核等次"), 4), X(QString(), 3), X(QString(), 3),
                       X(QString(), 3), X(QString(), 3), X(QString(), 4)},
                      510));
    exams.append(Tall({C(4), L(QStringLiteral("签章"), 3), V(451, 17)}, 600));
    f.table(Grid, exams);

    // Recommendations of the units.
    f.paragraph(QStringLiteral("八、单位推荐意见"), Para::Heading, true);
    f.paragraph(QStringLiteral(
                    "（基层单位对申报人的思想政治表现、业务水平、工作业绩作出评价并提出推荐意见）"),
                Para::Note);
    f.paragraph(QString(), Para::Note);
    f.table(Grid, {Tall({R(QStringLiteral("基\n层\n单\n位\n意\n见"), 4), V(457, 20, true)}, 3600),
                   Tall({C(4), X(QString(), 20)}, 454),
                   Tall({C(4), X(QStringLiteral("□同意推荐        □不同意推荐"), 20)}, 510),
                   Tall({C(4), V(466, 17), X(QStringLiteral("（盖章）"), 3)}, 600),
                   Tall({R(QStringLiteral("呈\n报\n单\n位\n意\n见"), 4), V(470, 20, true)}, 3600),
                   Tall({C(4), X(QStringLiteral("□同意上报"), 7),
                         X(QStringLiteral("□不同意上报"), 7), X(QStringLiteral("（盖章）"), 6)},
                        510),
                   Tall({C(4), V(478, 20)}, 600)});

    // The evaluation and approval, written by hand.
    f.paragraph(QStringLiteral("九、评审审批意见"), Para::Heading, true);
    const QString line = QStringLiteral("负责人：                              年    月    日");
    f.table(
        Grid,
        {Tall({R(QStringLiteral("专家评议组或同行专家意见"), 4), X(QString(), 20, true)}, 3000),
         Tall({C(4), X(line, 20)}, 600),
         Tall({R(QStringLiteral("评审组织意见"), 4),
               X(QStringLiteral("评审委员会应到    人，实到    人。\n表决结果：赞成    人，反对    "
                                "人，弃权    人。"),
                 20, true)},
              2400),
         Tall({C(4),
               X(QStringLiteral("评审委员会主任（签字）：                年    月    日"), 20)},
              600),
         Tall({R(QStringLiteral("人事或职改部门审批意见"), 4),
               X(QStringLiteral("经审核，同意该同志具备高级会计师任职资格，资格确认时间为    年    "
                                "月    日。\n文号：      〔      〕      号"),
                 20, true)},
              2400),
         Tall({C(4), X(QStringLiteral("（盖章）                              年    月    日"), 20)},
              600)});
    return f;
}

bool Write(const QString& folder, const QString& name, const FormWriter& form, const QString& title,
           QTextStream& err) {
    if (!form.errors().isEmpty()) {
        err << name << ": " << form.errors().join(QStringLiteral("; ")) << '\n';
        return false;
    }
    QSaveFile file(QDir(folder).filePath(name));
    const QByteArray bytes = form.docx(title);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << name << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const QString folder =
        args.size() > 1 ? args.at(1) : QStringLiteral(LEDGEREV_SOURCE_DIR "/runtime/ModeData");
    if (!QDir().mkpath(folder)) {
        err << "cannot create " << folder << '\n';
        return 1;
    }
    bool ok = Write(folder, QStringLiteral("single.docx"), Summary(),
                    QStringLiteral("高级会计师资格评审个人情况表"), err);
    ok = Write(folder, QStringLiteral("zyps.docx"), Evaluation(),
               QStringLiteral("专业技术职务任职资格评审表"), err) &&
         ok;
    ok = Write(folder, QStringLiteral("cointrod0.docx"), UnitIntroduction(false),
               QStringLiteral("公司简介"), err) &&
         ok;
    ok = Write(folder, QStringLiteral("cointrod1.docx"), UnitIntroduction(true),
               QStringLiteral("单位简介"), err) &&
         ok;
    return ok ? 0 : 1;
}
