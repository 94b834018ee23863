#include "ListColumns.h"

#include "Twips.h"
#include "browser/FileList.h"

#include <QCoreApplication>
#include <QTreeWidget>
#include <algorithm>

namespace {

struct ColumnSetup
{
    const char* header; // untranslated
    int widthTwips;
};

constexpr ColumnSetup ColumnSetups[ColumnCount] = {
    {QT_TRANSLATE_NOOP("ListColumns", "文件名"), 5000},
    {QT_TRANSLATE_NOOP("ListColumns", "大小"), 1000},
    {QT_TRANSLATE_NOOP("ListColumns", "提取码"), 1000},
    {QT_TRANSLATE_NOOP("ListColumns", "更新时间"), 1800},
    {QT_TRANSLATE_NOOP("ListColumns", "标准式"), 3000},
    {QT_TRANSLATE_NOOP("ListColumns", "文件ID"), 1000},
    {QT_TRANSLATE_NOOP("ListColumns", "共享"), 600},
};

constexpr int TimeColumnMarginTwips = 1500;
constexpr int TimeColumnMinimumPixels = 60;

void setWidth(QTreeWidget& list, Column column, int twips)
{
    list.setColumnWidth(ColumnIndex(column), TwipsToPixels(twips));
}

} // namespace

void SetUpListColumns(QTreeWidget& list)
{
    QStringList headers;
    for (const ColumnSetup& setup : ColumnSetups)
        headers << QCoreApplication::translate("ListColumns", setup.header);
    list.setColumnCount(ColumnCount);
    list.setHeaderLabels(headers);
    for (int i = 0; i < ColumnCount; ++i)
        list.setColumnWidth(i, TwipsToPixels(ColumnSetups[i].widthTwips));
}

void FitListColumns(QTreeWidget& list)
{
    if (list.topLevelItemCount() == 0) {
        setWidth(list, Column::Name, 3000);
        setWidth(list, Column::Size, 1000);
        setWidth(list, Column::PickCode, 1000);
        setWidth(list, Column::StandardForm, 5000);
        return;
    }
    int fitted = 0;
    for (Column column : {Column::Name, Column::Size, Column::PickCode}) {
        list.resizeColumnToContents(ColumnIndex(column));
        fitted += list.columnWidth(ColumnIndex(column));
    }
    const int remaining = list.width() - fitted - TwipsToPixels(TimeColumnMarginTwips);
    list.setColumnWidth(ColumnIndex(Column::Time), std::max(remaining, TimeColumnMinimumPixels));
}
