#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

/** The columns of a file row, numbered as the list shows them. */
enum class Column
{
    Name = 1,     // "文件名": a folder's name carries the folder marker in front
    Size,         // "大小"
    PickCode,     // "提取码"
    Time,         // "更新时间"
    StandardForm, // "标准式"
    Id,           // "文件ID"
    Shared,       // "共享"
};
inline constexpr int ColumnCount = 7;

/** The 0-based position of `column` among a row's texts. */
constexpr int ColumnIndex(Column column)
{
    return static_cast<int>(column) - 1;
}

/** The file list as browsing and export rules see it: rows of seven texts, a
 *  tick box per row, a text colour per cell and at most one selected row.
 *  Rows are numbered from 0 in list order. An invalid QColor is the list's
 *  default text colour. */
class FileList
{
public:
    virtual ~FileList();

    virtual int rowCount() const = 0;
    virtual void clearRows() = 0;
    /** Appends a row; `columns` holds the seven texts in column order. */
    virtual void appendRow(const QStringList& columns) = 0;
    /** Appends rows in their order, as one change. */
    virtual void appendRows(const QList<QStringList>& rows);
    /** Runs `change`, which changes texts, ticks or colours of many rows, as one change: a
     *  list that others watch tells them once, afterwards, instead of once a cell. */
    virtual void updateRows(const std::function<void()>& change);

    virtual QString text(int row, Column column) const = 0;
    virtual void setText(int row, Column column, const QString& text) = 0;

    virtual bool isTicked(int row) const = 0;
    virtual void setTicked(int row, bool ticked) = 0;

    virtual QColor textColour(int row, Column column) const = 0;
    virtual void setTextColour(int row, Column column, const QColor& colour) = 0;

    /** The selected row, or -1 when none is selected. */
    virtual int selectedRow() const = 0;
};

/** "全选" (Check1) changed to `ticked`: every row of `list` takes that tick state. */
void TickEveryRow(FileList& list, bool ticked);
