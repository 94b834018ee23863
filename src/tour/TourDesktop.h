#pragma once

#include "platform/Desktop.h"

#include <QStringList>

/** A Desktop for an unattended run: it shows nothing and waits for nobody.
 *  Every message, clipboard text and opened target is kept in order and
 *  printed to standard output. Installs itself as the current desktop for
 *  its lifetime. */
class TourDesktop final : public Desktop
{
public:
    struct Message
    {
        QString text;
        QString title;
    };

    TourDesktop();
    ~TourDesktop() override;
    TourDesktop(const TourDesktop&) = delete;
    TourDesktop& operator=(const TourDesktop&) = delete;

    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void setClipboardText(const QString& text) override;
    void shellOpen(const QString& target) override;

    const QList<Message>& messages() const { return m_messages; }
    const QStringList& clipboardTexts() const { return m_clipboardTexts; }
    const QStringList& openedTargets() const { return m_openedTargets; }

private:
    QList<Message> m_messages;
    QStringList m_clipboardTexts;
    QStringList m_openedTargets;
};
