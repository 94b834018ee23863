#pragma once

class QTreeWidget;
class QTreeWidgetItem;

// Mouse input for driving the file list as a user does, through the view's
// own event handling (press, release, double-click, context menu), also offscreen.

/** A left click in the middle of `row`, away from its tick box. */
void ClickRow(QTreeWidget& list, QTreeWidgetItem* row);
/** A left click on `row`'s tick box. */
void ClickTickBox(QTreeWidget& list, QTreeWidgetItem* row);
/** A right click in the middle of `row`, which asks for the list's context menu there. */
void RightClickRow(QTreeWidget& list, QTreeWidgetItem* row);
/** A left double-click in the middle of `row`. */
void DoubleClickRow(QTreeWidget& list, QTreeWidgetItem* row);
