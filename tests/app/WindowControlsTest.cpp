#include "CaseName.h"
#include "WindowFixture.h"
#include "service/endpoints.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>

namespace {

struct ControlCase
{
    const char* name;
    const char* kind;
    QString caption; // a button's or label's caption, a field's initial text
};

const ControlCase controlCases[] = {
    {"Label3", "QLabel", QStringLiteral("账号")},
    {"user", "QLineEdit", QString()},
    {"Label4", "QLabel", QStringLiteral("密码")},
    {"pass", "QLineEdit", QString()},
    {"Command11", "QPushButton", QStringLiteral("登陆")},
    {"Check2", "QCheckBox", QStringLiteral("标出视频")},
    {"Command16", "QPushButton", QStringLiteral("导出选中文件")},
    {"Check3", "QCheckBox", QStringLiteral("已分享")},
    {"Label5", "QLabel", QStringLiteral("※去作者博客※")},
    {"Check1", "QCheckBox", QStringLiteral("全选")},
    {"Command10", "QPushButton", QStringLiteral("根目录")},
    {"Command9", "QPushButton", QStringLiteral("↑")},
    {"Text7", "QLineEdit", QString()},
    {"Text5", "QLineEdit", QStringLiteral("0")},
    {"Label1", "QLabel", QStringLiteral("/")},
    {"Text6", "QLineEdit", QString()},
    {"Command7", "QPushButton", QStringLiteral("<<")},
    {"Command5", "QPushButton", QStringLiteral("<")},
    {"Command6", "QPushButton", QStringLiteral(">")},
    {"Command8", "QPushButton", QStringLiteral(">>")},
    {"Text8", "QLineEdit", QStringLiteral("/0")},
    {"Text12", "QLineEdit", QStringLiteral("1")},
    {"Text3", "QLineEdit", QStringLiteral("0")},
    {"Command3", "QPushButton", QStringLiteral("读取")},
    {"Label2", "QLabel", QStringLiteral("0")},
    {"Command2", "QPushButton", QStringLiteral("列宽")},
    {"Text2", "QLineEdit", QStringLiteral("user_ptime&asc=0")},
    {"Text1", "QLineEdit", QString()},
    {"Command1", "QPushButton", QStringLiteral("解析")},
    {"Command17", "QPushButton", QStringLiteral("打开")},
    {"Text10", "QLineEdit", QString()},
    {"Command13", "QPushButton", QStringLiteral("获取")},
    {"Text11", "QLineEdit", QString()},
    {"Command14", "QPushButton", QStringLiteral("复制")},
    {"Command15", "QPushButton", QStringLiteral("下载")},
    {"Option5", "QRadioButton", QStringLiteral("我的网盘")},
    {"Option1", "QRadioButton", QStringLiteral("文档")},
    {"Option2", "QRadioButton", QStringLiteral("相册")},
    {"Option3", "QRadioButton", QStringLiteral("音乐")},
    {"Option4", "QRadioButton", QStringLiteral("视频")},
    {"Option7", "QRadioButton", QStringLiteral("最新")},
    {"Option6", "QRadioButton", QStringLiteral("已分享")},
};

QString captionOf(const QWidget& widget)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        return field->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    return QString();
}

struct GeometryCase
{
    const char* name;
    QRect pixels; // twips / 15, relative to the parent
};

const GeometryCase geometryCases[] = {
    {"user", {40, 8, 81, 18}},          {"pass", {160, 8, 81, 18}},
    {"Command11", {248, 8, 41, 17}},    {"Combo1", {680, 8, 137, 20}},
    {"Label5", {832, 8, 89, 17}},       {"Text7", {152, 32, 569, 18}},
    {"Frame1", {728, 32, 193, 24}},     {"Text5", {0, 0, 33, 18}},
    {"Command8", {168, 0, 20, 17}},     {"ListView1", {8, 56, 913, 545}},
    {"Text8", {1016, 32, 97, 18}},      {"Text1", {1016, 128, 81, 18}},
    {"Command13", {1128, 224, 41, 17}}, {"Text11", {1176, 224, 113, 18}},
    {"Option6", {1144, 336, 65, 17}},
};

class ControlTest : public WindowFixture, public ::testing::WithParamInterface<ControlCase>
{
};

TEST_P(ControlTest, HasItsKindCaptionAndInitialState)
{
    const ControlCase& expected = GetParam();
    auto& widget = control<QWidget>(expected.name);
    EXPECT_TRUE(widget.inherits(expected.kind)) << widget.metaObject()->className();
    EXPECT_EQ(captionOf(widget), expected.caption);
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        EXPECT_FALSE(button->isChecked());
    }
    EXPECT_FALSE(widget.isHidden());
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ControlTest, ::testing::ValuesIn(controlCases), CaseName());

class GeometryTest : public WindowFixture, public ::testing::WithParamInterface<GeometryCase>
{
};

TEST_P(GeometryTest, SitsWhereItsTwipsPutIt)
{
    EXPECT_EQ(control<QWidget>(GetParam().name).geometry(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(SampleOfControls, GeometryTest, ::testing::ValuesIn(geometryCases),
                         CaseName());

using WindowTest = WindowFixture;

TEST_F(WindowTest, PagingStripLivesInItsFrame)
{
    const auto& frame = control<QFrame>("Frame1");
    for (const char* name :
         {"Text5", "Label1", "Text6", "Command7", "Command5", "Command6", "Command8"})
        EXPECT_EQ(control<QWidget>(name).parentWidget(), &frame) << name;
    EXPECT_FALSE(control<QLineEdit>("Text5").hasFrame());
    EXPECT_FALSE(control<QLineEdit>("Text6").hasFrame());
}

TEST_F(WindowTest, NoTwoControlsOverlap)
{
    for (QWidget* parent : {&clientArea(), &control<QWidget>("Frame1")}) {
        const QList<QWidget*> children =
            parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_GT(children.size(), 5);
        for (qsizetype i = 0; i < children.size(); ++i) {
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << children[i]->objectName().toStdString() << " and "
                    << children[j]->objectName().toStdString();
            }
        }
    }
}

TEST_F(WindowTest, HasTitleIconAndInitialClientArea)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorbel 提取助手"));
    window->layout()->activate();
    EXPECT_EQ(clientArea().size(), QSize(928, 607));
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (int side : {16, 24, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

// The test screen, 800 × 800, is narrower than the window. Its first show fits the frame into the
// screen's available area, from the laid-out size or from a larger one kept on another screen;
// a window that fits keeps its size and place.
TEST_F(WindowTest, FirstShowFitsTheFrameIntoTheScreen)
{
    const QRect area = window->screen()->availableGeometry();
    ASSERT_LT(area.width(), 928);
    window->show();
    EXPECT_TRUE(area.contains(window->frameGeometry()));
    EXPECT_EQ(window->frameGeometry().width(), area.width()); // narrowed no more than needed

    frmTest restored;
    restored.setGeometry(500, 400, 1200, 900);
    restored.show();
    EXPECT_TRUE(area.contains(restored.frameGeometry()));

    const QRect fitting(100, 100, 500, 400);
    frmTest small;
    small.setGeometry(fitting);
    small.show();
    EXPECT_EQ(small.geometry(), fitting);
}

TEST_F(WindowTest, ListFollowsTheWindowButStopsShortOfTheSideControls)
{
    showLaidOut();
    auto& list = control<QTreeWidget>("ListView1");
    EXPECT_EQ(list.geometry(), QRect(8, 56, 913, 545));

    resizeClientArea({1500, 800});
    EXPECT_EQ(list.geometry(), QRect(8, 56, 1000, 738));
    const QRect visible = clientArea().rect();
    for (const char* name : {"Text8", "Command2", "Text1", "Command15", "Option4", "Option6"}) {
        const QRect side = control<QWidget>(name).geometry();
        EXPECT_TRUE(visible.contains(side)) << name;
        EXPECT_FALSE(side.intersects(list.geometry())) << name;
    }

    resizeClientArea({700, 400});
    EXPECT_EQ(list.geometry(), QRect(8, 56, 685, 338));
}

TEST_F(WindowTest, ListIsAReportOfSevenColumnsWithTickBoxes)
{
    const auto& list = control<QTreeWidget>("ListView1");
    const QStringList headers = {QStringLiteral("文件名"), QStringLiteral("大小"),
                                 QStringLiteral("提取码"), QStringLiteral("更新时间"),
                                 QStringLiteral("标准式"), QStringLiteral("文件ID"),
                                 QStringLiteral("共享")};
    ASSERT_EQ(list.columnCount(), 7);
    const int widths[] = {333, 67, 67, 120, 200, 67, 40};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(list.headerItem()->text(column), headers[column]);
        EXPECT_EQ(list.columnWidth(column), widths[column]) << column;
    }
    EXPECT_FALSE(list.rootIsDecorated());
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(WindowTest, StartsWithTheNewestFirstSortAndSendsNothing)
{
    const auto& sort = control<QComboBox>("Combo1");
    EXPECT_FALSE(sort.isEditable());
    ASSERT_EQ(sort.count(), 6);
    const QStringList choices = {QStringLiteral("按文件名顺序"), QStringLiteral("按文件名倒序"),
                                 QStringLiteral("时间从新到久"), QStringLiteral("时间从久到新"),
                                 QStringLiteral("文件从大到小"), QStringLiteral("文件从小到大")};
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(sort.itemText(index), choices[index]);
    EXPECT_EQ(sort.currentIndex(), 2);
    EXPECT_EQ(control<QLineEdit>("Text2").text(), QStringLiteral("user_ptime&asc=0"));
    EXPECT_EQ(control<QLineEdit>("pass").echoMode(), QLineEdit::Password);
    EXPECT_EQ(control<QTreeWidget>("ListView1").topLevelItemCount(), 0);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(WindowTest, TriggersBeforeLoginSendNothing)
{
    for (const char* button : {"Command3", "Command10", "Command9", "Command7", "Command5",
                               "Command6", "Command8", "Command1"})
        control<QPushButton>(button).click();
    control<QCheckBox>("Check3").click();
    control<QComboBox>("Combo1").setCurrentIndex(0);
    control<QRadioButton>("Option4").click();
    control<QRadioButton>("Option6").click();
    control<QLineEdit>("Text5").setText(QStringLiteral("30"));
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_EQ(control<QLineEdit>("Text12").text(), QStringLiteral("30"));
}

TEST_F(WindowTest, ResponseFieldShowsTheStartOfALongResponseAndTheStateKeepsAll)
{
    auto& responseField = control<QLineEdit>("Text1");
    const QString fits(64 * 1024, u'x');
    window->browser().state().setResponseText(fits);
    EXPECT_EQ(responseField.text(), fits);

    // The cut falls inside the emoji, which is left out whole.
    const QString longer = fits.left(fits.size() - 1) + QStringLiteral("😀") + fits;
    window->browser().state().setResponseText(longer);
    EXPECT_EQ(responseField.text(), fits.left(fits.size() - 1) + u'…');
    EXPECT_EQ(window->browser().state().responseText(), longer);
}

TEST_F(WindowTest, TextPastedIntoTheResponseFieldBecomesTheWholeResponse)
{
    const QString pasted(100000, u'x');
    auto& responseField = control<QLineEdit>("Text1");
    responseField.selectAll();
    responseField.insert(pasted);
    EXPECT_EQ(window->browser().state().responseText(), pasted);
}

TEST_F(WindowTest, AuthorLabelOpensTheAuthorsPage)
{
    auto& label = control<QLabel>("Label5");
    const QPointF inside(label.rect().center());
    QMouseEvent press(QEvent::MouseButtonPress, inside, label.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    QApplication::sendEvent(&label, &release);
    EXPECT_EQ(desktop.openedTargets, QStringList{AuthorPageAddress()});
}

} // namespace
