#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

// Keys that reach the window's commands. Each works while the focus is in its scope widget
// (or a child of it), so a key that a text field uses for itself stays the field's there.

/** Keys that run `command` while the focus is in `scope`. The action (named `name`, owned by
 *  `scope`) is returned so that a menu can show it with its keys. */
QAction* AddKeys(QWidget& scope, const char* name, const QList<QKeySequence>& keys,
                 const std::function<void()>& command);

/** Keys that click `button` while the focus is in `scope`; the button's tooltip then reads
 *  `role` followed by the keys, e.g. "上一级 (Alt+Up, Backspace)". */
void AddButtonKeys(QWidget& scope, QAbstractButton& button, const QString& role,
                   const QList<QKeySequence>& keys);

/** Names `keys` in `widget`'s tooltip after `role`, for keys bound elsewhere. */
void ShowKeysInTooltip(QWidget& widget, const QString& role, const QList<QKeySequence>& keys);
