#pragma once

#include "TreeWidgetFileList.h"
#include "browser/FileBrowser.h"
#include "export/LinkResolution.h"

#include <QWidget>

class ClickableLabel;
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
    void SetColumnWidths();

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

    void wireStateToFields();
    void wireFieldsToState();
    void wireCommands();
    void wireChoices();
    void wireFileList();

    void load();
    void placeFileList();

    void logIn();
    void runSortChoice(int index);
    void onSortChoiceActivated(int index);
    void onRowPressed(QTreeWidgetItem* item);
    void onRowClicked(QTreeWidgetItem* item);
    void fetchLinkOfPickCode();
    void exportTickedRows();
    LinkFields linkFields() const;
    void showLinkFields(const LinkFields& fields);

    // Inside the initial client area.
    QLabel* m_Label3 = nullptr;
    QLineEdit* m_user = nullptr;
    QLabel* m_Label4 = nullptr;
    QLineEdit* m_pass = nullptr;
    QPushButton* m_Command11 = nullptr;
    QCheckBox* m_Check2 = nullptr;
    QPushButton* m_Command16 = nullptr;
    QCheckBox* m_Check3 = nullptr;
    QComboBox* m_Combo1 = nullptr;
    ClickableLabel* m_Label5 = nullptr;
    QCheckBox* m_Check1 = nullptr;
    QPushButton* m_Command10 = nullptr;
    QPushButton* m_Command9 = nullptr;
    QLineEdit* m_Text7 = nullptr;
    QFrame* m_Frame1 = nullptr;
    QLineEdit* m_Text5 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_Text6 = nullptr;
    QPushButton* m_Command7 = nullptr;
    QPushButton* m_Command5 = nullptr;
    QPushButton* m_Command6 = nullptr;
    QPushButton* m_Command8 = nullptr;
    QTreeWidget* m_ListView1; // made before the list and browser that use it

    // Right of the initial client area: state holders and commands.
    QLineEdit* m_Text8 = nullptr;
    QLineEdit* m_Text12 = nullptr;
    QLineEdit* m_Text3 = nullptr;
    QPushButton* m_Command3 = nullptr;
    QLabel* m_Label2 = nullptr;
    QPushButton* m_Command2 = nullptr;
    QLineEdit* m_Text2 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QPushButton* m_Command1 = nullptr;
    QPushButton* m_Command17 = nullptr;
    QLineEdit* m_Text10 = nullptr;
    QPushButton* m_Command13 = nullptr;
    QLineEdit* m_Text11 = nullptr;
    QPushButton* m_Command14 = nullptr;
    QPushButton* m_Command15 = nullptr;
    QButtonGroup* m_options = nullptr;

    TreeWidgetFileList m_fileList;
    FileBrowser m_browser;

    // A user's choice of the entry already selected raises no index change;
    // this tells that case from the activation that follows an index change.
    bool m_sortRanForIndexChange = false;
    // The row under the last mouse press and its tick state then: a click
    // that changed the tick only ticks, it does not fetch the row's link.
    QTreeWidgetItem* m_pressedRow = nullptr;
    Qt::CheckState m_pressedTick = Qt::Unchecked;
};
