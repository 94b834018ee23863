#pragma once

class FileBrowser;
class FileList;
class QCheckBox;
class QTreeWidget;

/** The file list's own commands, which its keys and its row menu reach: tick the current row,
 *  tick every row, open a folder row, copy the ticked rows' extraction. It acts on the list
 *  `view` shows as `rows`, through `browser` and the tick-all box, all of which outlive it. */
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
    /** Copies the ticked rows' extraction, with a progress dialog over the window. */
    void copyTickedExtraction();

private:
    QTreeWidget& m_view;
    FileList& m_rows;
    FileBrowser& m_browser;
    QCheckBox& m_tickAllBox;
};
