#pragma once

#include "ExportOptionsDialog.h"
#include "TreeWidgetFileList.h"
#include "browser/FileBrowser.h"
#include "browser/KeptLogin.h"
#include "export/FolderExport.h"
#include "export/LinkResolution.h"

#include <QWidget>
#include <functional>
#include <memory>

class ClickableLabel;
class FileListActions;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

/** The program's one window: a menu bar above the client area, which holds the
 *  login fields, category and sort choices, the current path, the paging strip
 *  and the file list ListView1. Every control carries its own name as objectName. The window holds
 * the browsing state in its FileBrowser and mirrors it in its text fields both ways; failures are
 *  shown through the current Desktop by the layers that meet them. */
class frmTest : public QWidget
{
    Q_OBJECT

public:
    explicit frmTest(QWidget* parent = nullptr);
    ~frmTest() override;

    /** Opens a web address or a file with the desktop's default handler; reports nothing. */
    void ShellOpen(const QString& target);
    /** Sets the list's column widths: fixed widths on an empty list, sized to the
     *  contents on a filled one. */
    void setColumnWidths();

    /** The account of the last successful login in this window; empty before one. */
    const QString& signedInAccount() const { return m_keptLogin.account(); }
    /** What the folder exports filter and where they write. */
    const ExportOptions& exportOptions() const { return m_exportOptions; }
    /** Takes `options` (read, as ReadExportOptions reads them) and says on the options action
     *  whether they filter. */
    void setExportOptions(const ExportOptions& options);
    /** Height of the menu bar above the client area, in which the controls lie. */

    FileBrowser& browser() { return m_browser; }
    FileList& fileList() { return m_fileList; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    /** The first time the window shows, it is fitted into its screen's available area. */
    void showEvent(QShowEvent* event) override;

private:
    /** The menu bar, laid out above the client area so that no control moves. */
    void createMenus();
    void createLoginRow();
    void createNavigationRow();
    void createPagingStrip();
    void createFileList();
    void createStateFields();
    void createLinkFields();
    void createCategoryOptions();

    void wireStateToFields();
    void wireFieldsToState();
    void wireCommands();
    void wireChoices();
    void wireFileList();
    // The keys and the list's context menu (frmTestKeysAndMenu.cpp).
    void wireKeys();
    void createRowMenu();

    void load();
    void placeFileList();

    void logIn();
    /** After a successful login: keeps the session, and the password when "记住密码" is ticked
     *  (else removes one kept before), in the keyring. */
    void keepLogin(const QString& account, const QString& password);
    /** The service ended the session and it could not be renewed: signed out, and the user is
     *  asked for the password again. */
    void endSession();
    void runSortChoice(int index);
    void onSortChoiceActivated(int index);
    void onRowPressed(QTreeWidgetItem* item);
    void onRowClicked(QTreeWidgetItem* item);
    /** What a click on the selected row does: resolves a file row, shows a row's pick code. */
    void resolveSelectedRow();
    /** Return in the list: a click on the selected row, and a folder row opens. */
    void activateSelectedRow();
    void fetchLinkOfPickCode();
    void exportTickedRows();
    /** Exports the folder `folderId`, listed as the window lists its folder. */
    void exportFolder(const QString& folderId, bool includeSubfolders);
    /** Opens the export options dialog; accepted, its options become the window's. */
    void openExportOptions();
    /** Says on the options action whether a filter is set. */
    void showExportOptions();
    /** Runs `action` on the link fields Text10 and Text11 and shows what it left in them. */
    void changeLinkFields(const std::function<void(LinkFields&)>& action);

    // Controls by role; the code that creates each gives it its object name.

    // Every control lies in the client area, whose origin the twips are measured from.
    QWidget* m_clientArea = nullptr;
    QAction* m_exportOptionsAction = nullptr;
    QAction* m_rememberPassword = nullptr;

    // Inside the initial client area.
    QLabel* m_accountCaption = nullptr;
    QLineEdit* m_accountField = nullptr;
    QLabel* m_passwordCaption = nullptr;
    QLineEdit* m_passwordField = nullptr;
    QPushButton* m_loginButton = nullptr;
    QCheckBox* m_markVideosBox = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_folderExportButton = nullptr;
    QCheckBox* m_subfoldersBox = nullptr;
    QCheckBox* m_sharedOnlyBox = nullptr;
    QComboBox* m_sortChoice = nullptr;
    ClickableLabel* m_authorLink = nullptr;
    QCheckBox* m_tickAllBox = nullptr;
    QPushButton* m_rootButton = nullptr;
    QPushButton* m_upButton = nullptr;
    QLineEdit* m_namePathField = nullptr;
    QFrame* m_pagingStrip = nullptr;
    QLineEdit* m_offsetField = nullptr;
    QLabel* m_pageSeparator = nullptr;
    QLineEdit* m_totalCountField = nullptr;
    QPushButton* m_firstPageButton = nullptr;
    QPushButton* m_previousPageButton = nullptr;
    QPushButton* m_nextPageButton = nullptr;
    QPushButton* m_lastPageButton = nullptr;
    QTreeWidget* m_listView; // made before the list and browser that use it

    // Right of the initial client area: state holders and commands.
    QLineEdit* m_idPathField = nullptr;
    QLineEdit* m_categoryCodeField = nullptr;
    QLineEdit* m_folderIdField = nullptr;
    QPushButton* m_readButton = nullptr;
    QLabel* m_pageItemCountLabel = nullptr;
    QPushButton* m_columnWidthButton = nullptr;
    QLineEdit* m_sortOrderField = nullptr;
    QLineEdit* m_responseTextField = nullptr;
    QPushButton* m_parseButton = nullptr;
    QPushButton* m_openExportButton = nullptr;
    QLineEdit* m_pickCodeField = nullptr;
    QPushButton* m_fetchLinkButton = nullptr;
    QLineEdit* m_downloadLinkField = nullptr;
    QPushButton* m_copyLinkButton = nullptr;
    QPushButton* m_openLinkButton = nullptr;
    QButtonGroup* m_options = nullptr;

    TreeWidgetFileList m_fileList;
    FileBrowser m_browser;
    std::unique_ptr<FileListActions> m_listActions; // made once the tick-all box exists
    // SHA1s the folder exports found, kept while the window lives.
    Sha1Cache m_sha1s;
    // What the folder exports filter and where they write.
    ExportOptions m_exportOptions;
    // Renews a session the service ends, with the password the keyring keeps.
    KeptLogin m_keptLogin;

    // A user's choice of the entry already selected raises no index change;
    // this tells that case from the activation that follows an index change.
    bool m_sortRanForIndexChange = false;
    // The row under the last mouse press and its tick state then: a click
    // that changed the tick only ticks, it does not fetch the row's link.
    QTreeWidgetItem* m_pressedRow = nullptr;
    Qt::CheckState m_pressedTick = Qt::Unchecked;
    // The size laid out in twips, or a remembered one, is fitted into the screen once, when the
    // window first shows (and so has its frame); later sizes are the user's.
    bool m_fittedToScreen = false;
};
