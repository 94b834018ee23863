#include "WaitDialog.h"

#include <QApplication>
#include <QProgressDialog>

WaitDialog::WaitDialog(const QString& title)
{
    QWidget* over = QApplication::activeWindow();
    // No range: the bar only shows that the wait goes on.
    m_dialog = new QProgressDialog(tr("正在等待服务器…"), tr("取消"), 0, 0, over);
    m_dialog->setObjectName(QStringLiteral("WaitDialog"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(over ? Qt::WindowModal : Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    // Esc reaches the dialog as a rejection when its window is not the active one; it ends
    // the wait all the same.
    QObject::connect(m_dialog, &QDialog::rejected, m_dialog, &QProgressDialog::cancel);
    m_dialog->show();
}

WaitDialog::~WaitDialog()
{
    delete m_dialog;
}

bool WaitDialog::cancelRequested() const
{
    return m_dialog && m_dialog->wasCanceled();
}
