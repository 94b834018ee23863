#include "Desktop.h"

#include <QTextStream>

namespace {

class StandardErrorDesktop final : public Desktop
{
public:
    void showMessage(const QString& text, const QString& title, Icon) override
    {
        print(title + QStringLiteral(": ") + text);
    }
    // Nobody can press the button: the message alone.
    void showActionMessage(const QString& text, const QString& title, const QString&,
                           const std::function<void()>&) override
    {
        showMessage(text, title, Icon::None);
    }
    void setClipboardText(const QString& text) override
    {
        print(QStringLiteral("clipboard: ") + text);
    }
    void shellOpen(const QString& target) override { print(QStringLiteral("open: ") + target); }

private:
    static void print(const QString& line)
    {
        QTextStream err(stderr);
        err << line << Qt::endl;
    }
};

Desktop* g_current = nullptr;

} // namespace

Desktop::~Desktop() = default;

void SetDesktop(Desktop* desktop)
{
    g_current = desktop;
}

Desktop& CurrentDesktop()
{
    static StandardErrorDesktop fallback;
    return g_current ? *g_current : fallback;
}
