#include "KeyboardReach.h"

#include <QLabel>
#include <QWidget>

namespace {

struct AccessibleName
{
    const char* control;
    const char16_t* name;
};

// Fields are named by the caption beside them or, without one, by what they hold.
constexpr AccessibleName Names[] = {
    {"user", u"账号"},          {"pass", u"密码"},        {"Text7", u"路径"},
    {"Text5", u"偏移"},         {"Text6", u"总数"},       {"Combo1", u"排序"},
    {"ListView1", u"文件列表"}, {"Text8", u"目录ID路径"}, {"Text12", u"分类代码"},
    {"Text3", u"目录ID"},       {"Text2", u"排序参数"},   {"Label2", u"本页条目数"},
    {"Text1", u"列表响应"},     {"Text10", u"提取码"},    {"Text11", u"下载链接"},
};

struct Buddy
{
    const char* caption;
    const char* field;
};

constexpr Buddy Buddies[] = {{"Label3", "user"}, {"Label4", "pass"}};

// The window's controls: its own children and those of its containers (the paging strip),
// not the parts that widgets such as the list are made of.
bool isControl(const QWidget& window, const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    return !widget.isWindow() && parent &&
           (parent == &window || parent->parentWidget() == &window) &&
           !widget.objectName().isEmpty() && !widget.objectName().startsWith(QLatin1String("qt_"));
}

} // namespace

void NameControlsForScreenReaders(QWidget& window)
{
    for (const AccessibleName& entry : Names) {
        if (auto* control = window.findChild<QWidget*>(QLatin1String(entry.control)))
            control->setAccessibleName(QString::fromUtf16(entry.name));
    }
    for (const Buddy& buddy : Buddies) {
        auto* caption = window.findChild<QLabel*>(QLatin1String(buddy.caption));
        auto* field = window.findChild<QWidget*>(QLatin1String(buddy.field));
        if (caption && field)
            caption->setBuddy(field);
    }
}

void TabThroughShownControls(QWidget& window)
{
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const Qt::FocusPolicy policy = widget->focusPolicy();
        if (!(policy & Qt::ClickFocus) || !isControl(window, *widget))
            continue;
        const QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        const bool shown = window.rect().contains(area);
        widget->setFocusPolicy(shown ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}
