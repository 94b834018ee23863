#include "ExportProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

ExportProgressDialog::ExportProgressDialog(QWidget* parent) : m_parent(parent) {}

ExportProgressDialog::~ExportProgressDialog()
{
    delete m_dialog;
}

bool ExportProgressDialog::advance(int done, int total)
{
    if (!m_dialog) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("ExportProgress"));
        m_dialog->setWindowTitle(QStringLiteral("导出选中文件"));
        m_dialog->setCancelButtonText(QStringLiteral("取消"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    m_dialog->setMaximum(total);
    m_dialog->setValue(done);
    m_dialog->setLabelText(QStringLiteral("%1 / %2").arg(done).arg(total));
    // Delivers the input held back while the last request ran, so that a
    // Cancel clicked meanwhile is seen before the next request starts.
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
