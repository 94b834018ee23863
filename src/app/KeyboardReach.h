#pragma once

class QWidget;

// What lets a user reach the window's controls without a mouse: a Tab order through the controls
// the window shows. (Their accessible names are given where the window creates them.)

/** Lets Tab stop at the controls that lie inside the window's client area, in the order they
 *  were made (left to right, top to bottom), and pass over those beyond its edges. Call again
 *  whenever the window's size changes. */
void TabThroughShownControls(QWidget& window);
