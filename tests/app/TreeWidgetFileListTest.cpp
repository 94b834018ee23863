#include "app/TreeWidgetFileList.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class TreeWidgetFileListTest : public ::testing::Test
{
protected:
    TreeWidgetFileListTest() { tree.setColumnCount(ColumnCount); }

    QStringList columns(const QString& name) const
    {
        return {name, "1.00K", "pc", "2012-8-6", "#1024#" + name, "id-" + name, "否"};
    }

    QTreeWidget tree;
    TreeWidgetFileList list{&tree};
};

TEST_F(TreeWidgetFileListTest, AppendedRowsShowTheirTextsWithAnEmptyTickBox)
{
    list.appendRow(columns("a.txt"));
    list.appendRow(columns("b.txt"));
    ASSERT_EQ(list.rowCount(), 2);
    QTreeWidgetItem* second = tree.topLevelItem(1);
    for (int column = 0; column < ColumnCount; ++column)
        EXPECT_EQ(second->text(column), columns("b.txt")[column]);
    EXPECT_EQ(list.text(1, Column::StandardForm), QStringLiteral("#1024#b.txt"));
    EXPECT_EQ(second->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(second->flags().testFlag(Qt::ItemIsUserCheckable));
    EXPECT_FALSE(second->flags().testFlag(Qt::ItemIsEditable));
}

TEST_F(TreeWidgetFileListTest, TicksAndTextsWriteThroughToTheTree)
{
    list.appendRow(columns("a.txt"));
    list.setTicked(0, true);
    EXPECT_EQ(tree.topLevelItem(0)->checkState(0), Qt::Checked);
    tree.topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(list.isTicked(0));
    list.setText(0, Column::StandardForm, QStringLiteral("SHA#1024#a.txt"));
    EXPECT_EQ(tree.topLevelItem(0)->text(4), QStringLiteral("SHA#1024#a.txt"));
}

TEST_F(TreeWidgetFileListTest, ColoursArePerCellAndInvalidMeansTheDefault)
{
    list.appendRow(columns("a.avi"));
    EXPECT_FALSE(list.textColour(0, Column::Name).isValid());
    list.setTextColour(0, Column::StandardForm, QColor(0, 0, 255));
    EXPECT_EQ(list.textColour(0, Column::StandardForm), QColor(0, 0, 255));
    EXPECT_FALSE(list.textColour(0, Column::Name).isValid());
    list.setTextColour(0, Column::StandardForm, QColor());
    EXPECT_FALSE(list.textColour(0, Column::StandardForm).isValid());
    EXPECT_FALSE(tree.topLevelItem(0)->data(4, Qt::ForegroundRole).isValid());
}

TEST_F(TreeWidgetFileListTest, SelectedRowFollowsTheTreeAndClearingForgetsIt)
{
    EXPECT_EQ(list.selectedRow(), -1);
    for (const char* name : {"a", "b", "c"})
        list.appendRow(columns(QString::fromLatin1(name)));
    EXPECT_EQ(list.selectedRow(), -1);
    tree.topLevelItem(2)->setSelected(true);
    EXPECT_EQ(list.selectedRow(), 2);
    list.clearRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(TreeWidgetFileListTest, RowsAppendedTogetherFollowTheOnesBeforeInTheirOrder)
{
    list.appendRow(columns("a"));
    int insertions = 0;
    QObject::connect(tree.model(), &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
    list.appendRows({columns("b"), columns("c")});
    EXPECT_EQ(insertions, 1);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.text(2, Column::Name), "c");
    EXPECT_EQ(tree.topLevelItem(2)->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(tree.topLevelItem(2)->flags().testFlag(Qt::ItemIsUserCheckable));
}

// A view repaints what the model says changed: after a pass over many rows it must hear of
// every row the pass touched, once.
TEST_F(TreeWidgetFileListTest, ChangesOfManyRowsAreToldOnceForAllRows)
{
    list.appendRows({columns("a.avi"), columns("b.txt"), columns("c.rm")});
    QList<QPair<QModelIndex, QModelIndex>> told;
    QObject::connect(tree.model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& first, const QModelIndex& last) {
                         told.append({first, last});
                     });
    list.updateRows([this] {
        list.setTextColour(0, Column::Name, Qt::red);
        list.setTicked(2, true);
    });
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].first, tree.model()->index(0, 0));
    EXPECT_EQ(told[0].second, tree.model()->index(2, ColumnCount - 1));
    EXPECT_EQ(list.textColour(0, Column::Name), QColor(Qt::red));
    EXPECT_TRUE(list.isTicked(2));
}

TEST_F(TreeWidgetFileListTest, ExtraTextsBeyondSevenColumnsAreDropped)
{
    QStringList texts = columns("a");
    texts << QStringLiteral("eighth");
    list.appendRow(texts);
    EXPECT_EQ(tree.topLevelItem(0)->columnCount(), ColumnCount);
}

} // namespace
