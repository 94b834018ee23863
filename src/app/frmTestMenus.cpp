#include "ExportOptionsDialog.h"
#include "frmTest.h"
#include "platform/SecretStore.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

// The window's menu bar, above the client area: the account menu and the export options.

void frmTest::createMenus()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MenuBar"));
    menuBar->setAccessibleName(tr("菜单栏"));
    // The login row has no room left, so "记住密码" is a checkable action of the menu bar.
    QMenu* accountMenu = menuBar->addMenu(tr("账号", "menu"));
    accountMenu->setToolTipsVisible(true);
    m_rememberPassword = accountMenu->addAction(tr("记住密码"));
    m_rememberPassword->setObjectName(QStringLiteral("CheckRememberPassword"));
    m_rememberPassword->setCheckable(true);
    if (const QString reason = CurrentSecretStore().unavailableReason(); !reason.isEmpty()) {
        m_rememberPassword->setEnabled(false);
        m_rememberPassword->setToolTip(tr("没有可用的系统密钥环，密码无法记住：%1").arg(reason));
    }
    m_exportOptionsAction = menuBar->addAction(QString());
    m_exportOptionsAction->setObjectName(QStringLiteral("CommandExportOptions"));
    connect(m_exportOptionsAction, &QAction::triggered, this, &frmTest::openExportOptions);
    showExportOptions();

    // The twips are measured from the client area, as a menu bar lies outside it: the layout
    // puts the bar above the client area, and every control keeps its place.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_clientArea);
}

void frmTest::openExportOptions()
{
    auto* dialog = new ExportOptionsDialog(m_exportOptions, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { setExportOptions(dialog->options()); });
    dialog->open();
}

void frmTest::setExportOptions(const ExportOptions& options)
{
    m_exportOptions = options;
    showExportOptions();
}

void frmTest::showExportOptions()
{
    const QString summary = FilterSummary(m_exportOptions);
    m_exportOptionsAction->setText(summary.isEmpty() ? tr("导出选项…") : tr("导出选项（已筛选）…"));
    m_exportOptionsAction->setToolTip(summary.isEmpty()
                                          ? tr("导出当前目录时的筛选、导出文件夹和出错时的做法")
                                          : tr("已筛选：%1").arg(summary));
}
