#include "WindowFixture.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class ColumnWidthsTest : public WindowFixture
{
protected:
    QTreeWidget& list() const { return control<QTreeWidget>("ListView1"); }
    void fitColumns() { control<QPushButton>("Command2").click(); }
    QList<int> widths() const
    {
        QList<int> all;
        for (int column = 0; column < list().columnCount(); ++column)
            all.append(list().columnWidth(column));
        return all;
    }
    int widestText(int column) const
    {
        const QFontMetrics metrics(list().font());
        int widest = 0;
        for (int row = 0; row < list().topLevelItemCount(); ++row)
            widest =
                std::max(widest, metrics.horizontalAdvance(list().topLevelItem(row)->text(column)));
        return widest;
    }
};

TEST_F(ColumnWidthsTest, EmptyListGetsFixedWidthsAndKeepsTheOthers)
{
    list().setColumnWidth(3, 150);
    fitColumns();
    EXPECT_EQ(widths(), (QList<int>{200, 67, 67, 150, 333, 67, 40}));
}

TEST_F(ColumnWidthsTest, FilledListFitsTheFirstThreeAndGivesTheRestToTheTime)
{
    logInAsDemo();
    list().setColumnWidth(0, 600);
    list().setColumnWidth(1, 5);
    fitColumns();
    const QList<int> fitted = widths();
    for (int column = 0; column < 3; ++column) {
        EXPECT_GE(fitted[column], widestText(column)) << column;
        EXPECT_GE(fitted[column], list().header()->sectionSizeHint(column)) << column;
    }
    EXPECT_LT(fitted[0], 600);
    EXPECT_EQ(fitted[3], list().width() - fitted[0] - fitted[1] - fitted[2] - 100);
    EXPECT_EQ(fitted.mid(4), (QList<int>{200, 67, 40}));
}

TEST_F(ColumnWidthsTest, TimeColumnKeepsAReadableMinimum)
{
    logInAsDemo();
    window->show();
    window->resize(300, 400);
    fitColumns();
    EXPECT_EQ(list().columnWidth(3), 60);
}

} // namespace
