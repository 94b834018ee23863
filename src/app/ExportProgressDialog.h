#pragma once

#include "export/ExportProgress.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

/** Export progress in a window-modal dialog over `parent` titled `title`: pages fetched
 *  "n / m" (`withFolders`: also the folders walked and the files found) and a Cancel
 *  button that sets the cancel token. Shown from the first report on and closed with this
 *  object. While it shows, the window under it takes no input. */
class ExportProgressDialog final : public ExportProgress
{
    Q_DECLARE_TR_FUNCTIONS(ExportProgressDialog)

public:
    ExportProgressDialog(QWidget* parent, const QString& title, bool withFolders = false);
    ~ExportProgressDialog() override;
    ExportProgressDialog(const ExportProgressDialog&) = delete;
    ExportProgressDialog& operator=(const ExportProgressDialog&) = delete;

    void report(const ExportCounts& counts) override;

private:
    QWidget* m_parent;
    QString m_title;
    bool m_withFolders;
    QPointer<QProgressDialog> m_dialog;
};
