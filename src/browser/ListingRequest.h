#pragma once

#include <QList>
#include <QString>

// The choices a listing request offers: the category codes and the sort orders.

/** The seven category options of the window, in the order of their codes. */
enum class CategoryOption
{
    MyDrive,   // "我的网盘", code "1"  (Option5)
    Documents, // "文档", code "2"      (Option1)
    Photos,    // "相册", code "3"      (Option2)
    Music,     // "音乐", code "4"      (Option3)
    Videos,    // "视频", code "9"      (Option4)
    Shared,    // "已分享", code "30"   (Option6)
    Newest,    // "最新", code "32"     (Option7)
};

/** The category code an option sets. */
QString CategoryCodeOf(CategoryOption option);

/** One entry of the sort drop-down: its caption and the sort order it sends. */
struct SortChoice
{
    QString caption;
    QString order;
};

/** The six sort choices in drop-down order, captions in the language in use; index 2 is the
 *  start-up choice. */
QList<SortChoice> SortChoices();
