#include "FileListActions.h"

#include "ExportProgressDialog.h"
#include "browser/FileBrowser.h"
#include "export/ResultActions.h"

#include <QCheckBox>
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
    m_browser.EnterFolder();
}

void FileListActions::copyTickedExtraction()
{
    ExportProgressDialog progress(m_view.window(), QStringLiteral("复制选中文件的提取式"));
    CopyTickedExtraction(m_rows, &progress);
}
