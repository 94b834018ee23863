#include "FileListActions.h"

#include "ExportProgressDialog.h"
#include "browser/FileBrowser.h"
#include "browser/ListingRows.h"
#include "export/ResultActions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTreeWidget>

FileListActions::FileListActions(QTreeWidget& view, FileList& rows, FileBrowser& browser,
                                 QCheckBox& tickAllBox)
    : m_view(view), m_rows(rows), m_browser(browser), m_tickAllBox(tickAllBox)
{
}

int FileListActions::currentRow() const
{
    return m_view.indexOfTopLevelItem(m_view.currentItem());
}

void FileListActions::toggleCurrentTick()
{
    const int row = currentRow();
    if (row >= 0)
        m_rows.setTicked(row, !m_rows.isTicked(row));
}

void FileListActions::tickEveryRow()
{
    // Ticking the box ticks every row; when it is ticked already, rows unticked since are ticked.
    if (m_tickAllBox.isChecked())
        TickEveryRow(m_rows, true);
    else
        m_tickAllBox.setChecked(true);
}

void FileListActions::openFolderRow(int row)
{
    m_view.setCurrentItem(m_view.topLevelItem(row));
    enterSelectedFolder();
}

void FileListActions::enterSelectedFolder()
{
    const QString pathBefore = m_browser.state().idPath();
    m_browser.EnterFolder();
    // A folder already on the path only reloads; the current row stays. The first row is not
    // selected: the click that ends a double-click on the folder would fetch its link.
    if (m_browser.state().idPath() != pathBefore)
        makeCurrent(0, QItemSelectionModel::NoUpdate);
}

void FileListActions::goUp()
{
    const ListingState& state = m_browser.state();
    const QString left = state.folderId();
    const QString pathBefore = state.idPath();
    m_browser.GoUp();
    if (state.idPath() == pathBefore)
        return;
    int row = m_rows.rowCount() - 1;
    while (row > 0 &&
           !(IsFolderName(m_rows.text(row, Column::Name)) && m_rows.text(row, Column::Id) == left))
        --row;
    makeCurrent(row, QItemSelectionModel::ClearAndSelect);
}

void FileListActions::makeCurrent(int row, QItemSelectionModel::SelectionFlags selection)
{
    if (QTreeWidgetItem* item = m_view.topLevelItem(row)) {
        m_view.setCurrentItem(item, 0, selection);
        m_view.scrollToItem(item);
    }
}

void FileListActions::copyTickedExtraction()
{
    ExportProgressDialog progress(
        m_view.window(), QCoreApplication::translate("FileListActions", "复制选中文件的提取式"));
    CopyTickedExtraction(m_rows, &progress);
}
