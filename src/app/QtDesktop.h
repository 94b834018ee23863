#pragma once

#include "platform/Desktop.h"

/** Desktop on Qt Widgets: QMessageBox, the application clipboard, QDesktopServices. */
class QtDesktop final : public Desktop
{
public:
    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void showActionMessage(const QString& text, const QString& title, const QString& actionCaption,
                           const std::function<void()>& action) override;
    void setClipboardText(const QString& text) override;
    void shellOpen(const QString& target) override;
};
