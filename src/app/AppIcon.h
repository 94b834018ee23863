#pragma once

#include <QIcon>

/** The program's icon, drawn at run time in 16, 24, 32 and 48 pixels. */
QIcon MakeAppIcon();
