#pragma once

#include "TreeWidgetFileList.h"
#include "browser/FileBrowser.h"
#include "browser/KeptLogin.h"
#include "export/FolderExport.h"
#include "export/LinkResolution.h"

#include <QWidget>
#include <functional>

class ClickableLabel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

/** The program's one window: login fields, category and sort choices, the
 *  current path, the paging strip and the file list ListView1. Every control
 *  carries its own name as objectName. The window holds the browsing state in
 *  its FileBrowser and mirrors it in its text fields both ways; failures are
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
    /** Height of the menu bar above the client area, in which the controls lie. */
    int clientTop() const { return m_clientTop; }

    FileBrowser& browser() { return m_browser; }
    FileList& fileList() { return m_fileList; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createLoginRow();
    void createNavigationRow();
    void createPagingStrip();
    void createFileList();
    void createStateFields();
    void createLinkFields();
    void createCategoryOptions();
    void createAccountMenu();

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
    void openFolderRow(int row);
    void toggleCurrentTick();
    void tickEveryRow();
    int currentRow() const;
    void fetchLinkOfPickCode();
    void exportTickedRows();
    /** Exports the folder `folderId`, listed as the window lists its folder. */
    void exportFolder(const QString& folderId, bool includeSubfolders);
    void copyTickedExtraction();
    /** Runs `action` on the link fields Text10 and Text11 and shows what it left in them. */
    void changeLinkFields(const std::function<void(LinkFields&)>& action);

    // Controls by role; the object name each carries (tests find them by it):
    //   member                 objectName
    //   m_accountCaption       Label3
    //   m_accountField         user
    //   m_passwordCaption      Label4
    //   m_passwordField        pass
    //   m_loginButton          Command11
    //   m_markVideosBox        Check2
    //   m_exportButton         Command16
    //   m_folderExportButton   CommandFolderExport
    //   m_subfoldersBox        CheckSubfolders
    //   m_sharedOnlyBox        Check3
    //   m_sortChoice           Combo1
    //   m_authorLink           Label5
    //   m_tickAllBox           Check1
    //   m_rootButton           Command10
    //   m_upButton             Command9
    //   m_namePathField        Text7
    //   m_pagingStrip          Frame1
    //   m_offsetField          Text5
    //   m_pageSeparator        Label1
    //   m_totalCountField      Text6
    //   m_firstPageButton      Command7
    //   m_previousPageButton   Command5
    //   m_nextPageButton       Command6
    //   m_lastPageButton       Command8
    //   m_listView             ListView1
    //   m_idPathField          Text8
    //   m_categoryCodeField    Text12
    //   m_folderIdField        Text3
    //   m_readButton           Command3
    //   m_pageItemCountLabel   Label2
    //   m_columnWidthButton    Command2
    //   m_sortOrderField       Text2
    //   m_responseTextField    Text1
    //   m_parseButton          Command1
    //   m_openExportButton     Command17
    //   m_pickCodeField        Text10
    //   m_fetchLinkButton      Command13
    //   m_downloadLinkField    Text11
    //   m_copyLinkButton       Command14
    //   m_openLinkButton       Command15
    //   m_rememberPassword     CheckRememberPassword (a checkable action of the menu bar)

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

    QMenuBar* m_menuBar = nullptr;
    QAction* m_rememberPassword = nullptr;
    int m_clientTop = 0;

    TreeWidgetFileList m_fileList;
    FileBrowser m_browser;
    // SHA1s the folder exports found, kept while the window lives.
    Sha1Cache m_sha1s;
    // Renews a session the service ends, with the password the keyring keeps.
    KeptLogin m_keptLogin;

    // A user's choice of the entry already selected raises no index change;
    // this tells that case from the activation that follows an index change.
    bool m_sortRanForIndexChange = false;
    // The row under the last mouse press and its tick state then: a click
    // that changed the tick only ticks, it does not fetch the row's link.
    QTreeWidgetItem* m_pressedRow = nullptr;
    Qt::CheckState m_pressedTick = Qt::Unchecked;
};
