#pragma once

#include <QItemSelectionModel>

class FileBrowser;
class FileList;
class QCheckBox;
class QTreeWidget;

/** The file list's own commands, which its keys, its row menu and the window's buttons reach:
 *  tick the current row, tick every row, open a folder, go up, copy the ticked rows' extraction. It
 * acts on the list `view` shows as `rows`, through `browser` and the tick-all box, all of which
 * outlive it. */
class FileListActions
{
public:
    FileListActions(QTreeWidget& view, FileList& rows, FileBrowser& browser, QCheckBox& tickAllBox);

    /** The row with the keyboard focus, or -1 when there is none. */
    int currentRow() const;
    /** Ticks the current row, or unticks it when it is ticked. */
    void toggleCurrentTick();
    /** Ticks every row as the tick-all box does, also when the box is ticked already. */
    void tickEveryRow();
    /** Opens the folder of `row`; a file row stays as it is. */
    void openFolderRow(int row);
    /** Opens the folder of the selected row, whose first row then becomes the current one, as in
     *  a file manager (not selected); a file row stays as it is. */
    void enterSelectedFolder();
    /** Lists the parent folder, in which the folder just left becomes the current and selected
     *  row (the first row when it is not on the listed page); nothing at the root. */
    void goUp();
    /** Copies the ticked rows' extraction, with a progress dialog over the window. */
    void copyTickedExtraction();

private:
    /** Makes `row` the current row, shown, and changes the selection by `selection`; nothing
     *  when there is no such row. */
    void makeCurrent(int row, QItemSelectionModel::SelectionFlags selection);

    QTreeWidget& m_view;
    FileList& m_rows;
    FileBrowser& m_browser;
    QCheckBox& m_tickAllBox;
};
