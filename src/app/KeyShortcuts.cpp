#include "KeyShortcuts.h"

#include <QAbstractButton>
#include <QAction>
#include <QStringList>
#include <QWidget>

QAction* AddKeys(QWidget& scope, const char* name, const QList<QKeySequence>& keys,
                 const std::function<void()>& command)
{
    auto* action = new QAction(&scope);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(action, &QAction::triggered, &scope, command);
    scope.addAction(action);
    return action;
}

void AddButtonKeys(QWidget& scope, QAbstractButton& button, const QString& role,
                   const QList<QKeySequence>& keys)
{
    const QByteArray name = button.objectName().toLatin1() + "Keys";
    AddKeys(scope, name.constData(), keys, [&button] { button.click(); });
    ShowKeysInTooltip(button, role, keys);
}

void ShowKeysInTooltip(QWidget& widget, const QString& role, const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys)
        names.append(key.toString(QKeySequence::NativeText));
    widget.setToolTip(QStringLiteral("%1 (%2)").arg(role, names.join(QStringLiteral(", "))));
}
