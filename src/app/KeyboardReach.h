#pragma once

class QWidget;

// What lets a user reach the window's controls without a mouse or without seeing them: names a
// screen reader announces, and a Tab order through the controls the window shows.

/** Gives the window's fields, list and choice the accessible name of the caption beside them or
 *  of their role (buttons, boxes and labels are announced by their captions), and ties each
 *  login caption to its field. */
void NameControlsForScreenReaders(QWidget& window);

/** Lets Tab stop at the controls that lie inside the window's client area, in the order they
 *  were made (left to right, top to bottom), and pass over those beyond its edges. Call again
 *  whenever the window's size changes. */
void TabThroughShownControls(QWidget& window);
