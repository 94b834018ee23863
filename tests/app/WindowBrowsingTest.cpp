#include "WindowFixture.h"
#include "browser/ListingRows.h"
#include "tour/WidgetDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

class WindowBrowsingTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        logInAsDemo();
        forgetTraffic();
    }

    QString text(const char* field) const { return control<QLineEdit>(field).text(); }
    void click(const char* button) { control<QPushButton>(button).click(); }
};

TEST_F(WindowBrowsingTest, SortChoiceRunsOncePerSelection)
{
    auto& sort = control<QComboBox>("Combo1");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&sort, &down);
    ASSERT_EQ(sort.currentIndex(), 3);
    ASSERT_EQ(listingTargets().size(), 1);
    EXPECT_TRUE(listingTargets().constLast().contains(QStringLiteral("&o=user_ptime&asc=1&")));
    EXPECT_EQ(text("Text2"), QStringLiteral("user_ptime&asc=1"));

    // Choosing the entry already shown lists again, once.
    emit sort.activated(3);
    EXPECT_EQ(listingTargets().size(), 2);

    sort.setCurrentIndex(4);
    ASSERT_EQ(listingTargets().size(), 3);
    EXPECT_TRUE(listingTargets().constLast().contains(QStringLiteral("&o=file_size&asc=0&")));
}

TEST_F(WindowBrowsingTest, StartUpRunsTheSortChoiceOnce)
{
    // A window made while a session is held lists at once: its start-up
    // selection is the one run of the sort choice.
    window = std::make_unique<frmTest>();
    ASSERT_EQ(listingTargets().size(), 1);
    EXPECT_TRUE(listingTargets().first().contains(QStringLiteral("&o=user_ptime&asc=0&")));
}

TEST_F(WindowBrowsingTest, SharedOnlyBoxReactsAlsoWhenSetByCode)
{
    control<QLineEdit>("Text5").setText(QStringLiteral("5"));
    forgetTraffic();
    auto& sharedOnly = control<QCheckBox>("Check3");
    sharedOnly.setChecked(true);
    sharedOnly.setChecked(false);
    const QStringList targets = listingTargets();
    ASSERT_EQ(targets.size(), 2);
    EXPECT_TRUE(targets[0].contains(QStringLiteral("&offset=5&")));
    EXPECT_TRUE(targets[0].contains(QStringLiteral("&is_share=1&")));
    EXPECT_TRUE(targets[1].contains(QStringLiteral("&is_share=0&")));
}

TEST_F(WindowBrowsingTest, CategoryOptionsSelectOneAndListTheirEndpoint)
{
    auto& shared = control<QRadioButton>("Option6");
    auto& newest = control<QRadioButton>("Option7");
    shared.click();
    EXPECT_EQ(text("Text12"), QStringLiteral("30"));
    newest.click();
    EXPECT_EQ(text("Text12"), QStringLiteral("32"));
    EXPECT_FALSE(shared.isChecked());
    newest.click();
    const QStringList targets = listingTargets();
    ASSERT_EQ(targets.size(), 2);
    EXPECT_TRUE(targets[0].startsWith(QStringLiteral("/lists?aid=30&cid=0&")));
    EXPECT_TRUE(targets[1].startsWith(QStringLiteral("/lists?aid=32&cid=0&")));
}

TEST_F(WindowBrowsingTest, PagingButtonsMoveTheOffsetField)
{
    // Each button once; the whole walk, its ends included, is the browser's.
    enterFolder(QStringLiteral("相册 2012"));
    ASSERT_EQ(text("Text6"), QStringLiteral("95"));
    forgetTraffic();
    QStringList offsets;
    for (const char* button : {"Command6", "Command8", "Command5", "Command7"}) {
        click(button);
        offsets.append(text("Text5"));
    }
    EXPECT_EQ(offsets, (QStringList{"30", "65", "35", "0"}));
    EXPECT_EQ(control<QLabel>("Label2").text(), QStringLiteral("30"));
    EXPECT_EQ(listingTargets().size(), 4);
}

TEST_F(WindowBrowsingTest, FoldersAreEnteredAndLeftThroughTheWindow)
{
    enterFolder(QStringLiteral("我的文档"));
    enterFolder(QStringLiteral("工作"));
    EXPECT_EQ(text("Text8"), QStringLiteral("/0/1001/1011"));
    EXPECT_EQ(text("Text7"), QStringLiteral("/■我的文档/■工作"));
    EXPECT_EQ(text("Text3"), QStringLiteral("1011"));

    click("Command9");
    EXPECT_EQ(text("Text8"), QStringLiteral("/0/1001"));
    EXPECT_EQ(text("Text7"), QStringLiteral("/■我的文档"));

    click("Command10");
    EXPECT_EQ(text("Text8"), QStringLiteral("/0"));
    EXPECT_EQ(text("Text7"), QString());
    EXPECT_TRUE(rowNames().contains(QStringLiteral("■我的文档")));
}

// As in a file manager: an entered folder starts at its first row (current, not selected: the
// click that ends the double-click must not fetch it), and "↑" comes back to the folder left.
TEST_F(WindowBrowsingTest, UpComesBackToTheFolderJustLeftAndEnteringStartsAtTheFirstRow)
{
    auto& list = control<QTreeWidget>("ListView1");
    enterFolder(QStringLiteral("我的文档"));
    EXPECT_EQ(list.currentItem(), list.topLevelItem(0));
    EXPECT_TRUE(list.selectedItems().isEmpty());

    click("Command9");
    const QList<QTreeWidgetItem*> left =
        list.findItems(QStringLiteral("■我的文档"), Qt::MatchExactly, 0);
    ASSERT_EQ(left.size(), 1);
    ASSERT_GT(list.indexOfTopLevelItem(left.first()), 0); // not the first row by chance
    EXPECT_EQ(list.currentItem(), left.first());
    EXPECT_EQ(list.selectedItems(), left);
    EXPECT_EQ(text("Text8"), QStringLiteral("/0"));
}

TEST_F(WindowBrowsingTest, DoubleClickOnAFileEntersNothing)
{
    auto& list = control<QTreeWidget>("ListView1");
    const QList<QTreeWidgetItem*> files =
        list.findItems(QStringLiteral("README.md"), Qt::MatchExactly, 0);
    ASSERT_EQ(files.size(), 1);
    DoubleClickRow(list, files.first());
    EXPECT_EQ(text("Text8"), QStringLiteral("/0"));
    EXPECT_TRUE(listingTargets().isEmpty());
}

TEST_F(WindowBrowsingTest, VideoMarkingColoursNamesAndUnmarkingTurnsAllBlack)
{
    enterFolder(QStringLiteral("电影"));
    const FileList& rows = window->fileList();
    auto& markVideos = control<QCheckBox>("Check2");

    markVideos.click();
    int red = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString name = rows.text(row, Column::Name);
        const QColor colour = rows.textColour(row, Column::Name);
        EXPECT_EQ(colour == QColor(Qt::red), IsVideoName(name)) << name.toStdString();
        EXPECT_TRUE(colour == QColor(Qt::red) || !colour.isValid()) << name.toStdString();
        red += colour == QColor(Qt::red) ? 1 : 0;
    }
    EXPECT_GT(red, 0);
    EXPECT_LT(red, rows.rowCount());

    markVideos.click();
    for (int row = 0; row < rows.rowCount(); ++row)
        EXPECT_EQ(rows.textColour(row, Column::Name), QColor(Qt::black));
}

TEST_F(WindowBrowsingTest, ParseButtonRebuildsTheRowsFromTheResponseField)
{
    const QStringList before = rowNames();
    control<QCheckBox>("Check1").setChecked(true);
    click("Command1");
    EXPECT_EQ(rowNames(), before);
    EXPECT_FALSE(control<QCheckBox>("Check1").isChecked());
    EXPECT_TRUE(listingTargets().isEmpty());
}

// The field shows only the start of a long response; the parse button still reads it whole.
TEST_F(WindowBrowsingTest, ParseButtonReadsALongResponseWholeNotTheFieldsPart)
{
    QByteArray entries;
    for (int i = 0; i < 400; ++i)
        entries += (i ? "," : "") + QStringLiteral(R"({"fid":"%1","n":"%2.txt","s":1})")
                                        .arg(i)
                                        .arg(QString(200, u'a'))
                                        .toUtf8();
    service.setFault(DemoService::Endpoint::Files,
                     {.body = R"({"count":400,"data":[)" + entries + "]}"});
    click("Command3");
    ASSERT_GT(text("Text1").size(), 0);
    ASSERT_LT(text("Text1").size(), window->browser().state().responseText().size());
    ASSERT_EQ(window->fileList().rowCount(), 400);
    click("Command1");
    EXPECT_EQ(window->fileList().rowCount(), 400);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(WindowBrowsingTest, ParseButtonReadsWhatWasPastedIntoTheResponseField)
{
    auto& responseField = control<QLineEdit>("Text1");
    responseField.selectAll();
    responseField.insert(
        QStringLiteral(R"({"count":1,"data":[{"fid":"7","n":"pasted.avi","s":1}]})"));
    EXPECT_EQ(rowNames(), QStringList{"pasted.avi"});
    window->fileList().clearRows();
    click("Command1");
    EXPECT_EQ(rowNames(), QStringList{"pasted.avi"});
}

} // namespace
