#pragma once

#include "export/ExportProgress.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

/** Export progress in a window-modal dialog over `parent` ("n / m" with a
 *  Cancel button), shown from the first report on and closed with this
 *  object. While it shows, the window under it takes no input. */
class ExportProgressDialog final : public ExportProgress
{
public:
    explicit ExportProgressDialog(QWidget* parent);
    ~ExportProgressDialog() override;
    ExportProgressDialog(const ExportProgressDialog&) = delete;
    ExportProgressDialog& operator=(const ExportProgressDialog&) = delete;

    bool advance(int done, int total) override;

private:
    QWidget* m_parent;
    QPointer<QProgressDialog> m_dialog;
};
