#include "QtDesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

void QtDesktop::showMessage(const QString& text, const QString& title, Icon icon)
{
    const auto boxIcon = icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtDesktop::showActionMessage(const QString& text, const QString& title,
                                  const QString& actionCaption, const std::function<void()>& action)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    const QPushButton* actionButton = box.addButton(actionCaption, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == actionButton)
        action();
}

void QtDesktop::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

namespace {
// A one-letter scheme is a Windows drive ("C:/x.txt"), not a web address.
bool isWebAddress(const QString& target)
{
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1;
}
} // namespace

void QtDesktop::shellOpen(const QString& target)
{
    const QUrl url = isWebAddress(target)
                         ? QUrl(target)
                         : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}
