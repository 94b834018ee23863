#pragma once

class QWidget;

/** Shrinks and moves the top-level `window` so that its frame lies inside the available area of
 *  its screen (the screen less task bars and docks): a window laid out for 96 dpi can be larger
 *  than a small or highly scaled screen. A window that fits keeps its size and place. */
void FitIntoAvailableArea(QWidget& window);
