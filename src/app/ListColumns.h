#pragma once

class QTreeWidget;

/** Gives the list its seven column headers with their initial widths. */
void SetUpListColumns(QTreeWidget& list);

/** The column-width command. An empty list gets fixed widths for the name,
 *  size, pick code and standard-form columns. A filled list sizes its first
 *  three columns to header and contents and gives the time column what the
 *  list's width leaves after them and a margin, but never less than a
 *  readable minimum. The other columns keep their widths. */
void FitListColumns(QTreeWidget& list);
