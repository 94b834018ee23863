#include "TourDesktop.h"

#include <QTextStream>

namespace {

void print(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

} // namespace

TourDesktop::TourDesktop()
{
    SetDesktop(this);
}

TourDesktop::~TourDesktop()
{
    SetDesktop(nullptr);
}

void TourDesktop::showMessage(const QString& text, const QString& title, Icon)
{
    m_messages.append({text, title});
    print(QStringLiteral("  message box [%1]: %2").arg(title, text));
}

void TourDesktop::setClipboardText(const QString& text)
{
    m_clipboardTexts.append(text);
    print(QStringLiteral("  clipboard: %1").arg(text));
}

void TourDesktop::shellOpen(const QString& target)
{
    m_openedTargets.append(target);
    print(QStringLiteral("  open: %1").arg(target));
}
