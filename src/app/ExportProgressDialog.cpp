#include "ExportProgressDialog.h"

#include <QProgressDialog>

ExportProgressDialog::ExportProgressDialog(QWidget* parent, const QString& title, bool withFolders)
    : m_parent(parent), m_title(title), m_withFolders(withFolders)
{
}

ExportProgressDialog::~ExportProgressDialog()
{
    delete m_dialog;
}

void ExportProgressDialog::report(const ExportCounts& counts)
{
    if (!m_dialog) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("ExportProgress"));
        m_dialog->setWindowTitle(m_title);
        m_dialog->setCancelButtonText(tr("取消"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog,
                         [this] { cancelToken().cancel(); });
        m_dialog->show();
    }
    m_dialog->setMaximum(std::max(counts.pagesToFetch, 1));
    m_dialog->setValue(counts.pagesFetched);
    const QString pages =
        QStringLiteral("%1 / %2").arg(counts.pagesFetched).arg(counts.pagesToFetch);
    m_dialog->setLabelText(!m_withFolders ? pages
                                          : tr("已遍历目录 %1 个，找到文件 %2 个\n已获取页面 %3")
                                                .arg(counts.foldersWalked)
                                                .arg(counts.filesFound)
                                                .arg(pages));
}
