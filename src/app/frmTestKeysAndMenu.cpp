#include "FileListActions.h"
#include "KeyShortcuts.h"
#include "RowMenu.h"
#include "export/ResultActions.h"
#include "export/RowMenuActions.h"
#include "frmTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

// The window's keys and the list's context menu: more ways to the same commands.

void frmTest::wireKeys()
{
    connect(m_accountField, &QLineEdit::returnPressed, m_loginButton, &QPushButton::click);
    connect(m_passwordField, &QLineEdit::returnPressed, m_loginButton, &QPushButton::click);
    ShowKeysInTooltip(*m_loginButton, tr("登陆"), {QKeySequence(Qt::Key_Return)});

    QWidget& list = *m_listView;
    AddButtonKeys(list, *m_upButton, tr("上一级"),
                  {QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::Key_Backspace)});
    AddButtonKeys(list, *m_rootButton, tr("根目录"), {QKeySequence(Qt::ALT | Qt::Key_Home)});
    AddButtonKeys(list, *m_firstPageButton, tr("第一页"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp)});
    AddButtonKeys(list, *m_previousPageButton, tr("上一页"),
                  {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    AddButtonKeys(list, *m_nextPageButton, tr("下一页"),
                  {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    AddButtonKeys(list, *m_lastPageButton, tr("最后一页"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown)});
    AddKeys(list, "ReloadKeys", {QKeySequence(Qt::Key_F5)}, [this] { m_browser.reloadListing(); });
    AddKeys(list, "OpenRowKeys", {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
            [this] { activateSelectedRow(); });
    AddKeys(list, "TickRowKeys", {QKeySequence(Qt::Key_Space)},
            [this] { m_listActions->toggleCurrentTick(); });
    AddKeys(list, "TickAllKeys", {QKeySequence(Qt::CTRL | Qt::Key_A)},
            [this] { m_listActions->tickEveryRow(); });
    ShowKeysInTooltip(*m_tickAllBox, tr("全选"), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    AddKeys(list, "CopyRowKeys", {QKeySequence(QKeySequence::Copy)}, [this] {
        changeLinkFields([this](LinkFields& fields) {
            CopyRowStandardForm(m_fileList, m_listActions->currentRow(), fields);
        });
    });
}

void frmTest::createRowMenu()
{
    using Rows = RowMenu::Rows;
    auto* menu = new RowMenu(*m_listView); // owned by the list
    const auto onLinkFields = [this](void (*action)(FileList&, int, LinkFields&)) {
        return [this, action](int row) {
            changeLinkFields(
                [this, action, row](LinkFields& fields) { action(m_fileList, row, fields); });
        };
    };
    menu->addEntry(Rows::Files, "CopyPickCode", tr("复制提取码"),
                   [this](int row) { CopyRowPickCode(m_fileList, row); });
    menu->addEntry(Rows::Files, "CopySha1", tr("复制 SHA1"), onLinkFields(CopyRowSha1));
    const QString copyKey = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
    menu->addEntry(Rows::Files, "CopyStandardForm", tr("复制标准提取式") + u'\t' + copyKey,
                   onLinkFields(CopyRowStandardForm));
    menu->addEntry(Rows::Files, "CopyDownloadLink", tr("复制下载链接"),
                   onLinkFields(CopyRowDownloadLink));
    menu->addEntry(Rows::Files, "OpenDownloadLink", tr("打开下载链接"),
                   onLinkFields(OpenRowDownloadLink));
    menu->addEntry(Rows::Folders, "OpenFolder", tr("打开"),
                   [this](int row) { m_listActions->openFolderRow(row); });
    const auto exportFolderRow = [this](bool includeSubfolders) {
        return [this, includeSubfolders](int row) {
            exportFolder(m_fileList.text(row, Column::Id), includeSubfolders);
        };
    };
    menu->addEntry(Rows::Folders, "ExportFolder", tr("导出此目录"), exportFolderRow(false));
    menu->addEntry(Rows::Folders, "ExportFolderWithSubfolders", tr("导出此目录（含子目录）"),
                   exportFolderRow(true));
    menu->addEntry(
        Rows::Any, "CopyTickedExtraction", tr("复制选中文件的提取式"),
        [this](int) { m_listActions->copyTickedExtraction(); },
        [this] { return AnyRowTicked(m_fileList); });
}

void frmTest::activateSelectedRow()
{
    resolveSelectedRow();
    m_listActions->enterSelectedFolder(); // a file row stays as it is
}
