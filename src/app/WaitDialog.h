#pragma once

#include "platform/ResponsiveWait.h"

#include <QCoreApplication>
#include <QPointer>

class QProgressDialog;

/** The prompt of a long wait on Qt Widgets: a small dialog "正在等待服务器…" titled `title` (the
 *  window's title) with a Cancel button ("取消"; Esc too), window-modal over the active window,
 *  or over the whole program when none is active, so that no other input starts a second
 *  request. Shown at once, closed with this object. */
class WaitDialog final : public WaitPrompt
{
    Q_DECLARE_TR_FUNCTIONS(WaitDialog)

public:
    explicit WaitDialog(const QString& title);
    ~WaitDialog() override;
    WaitDialog(const WaitDialog&) = delete;
    WaitDialog& operator=(const WaitDialog&) = delete;

    bool cancelRequested() const override;

private:
    QPointer<QProgressDialog> m_dialog;
};
