#pragma once

#include <QString>

/** Whether a row's name ends in one of the video extensions (.wmv .rm .mkv .flv
 *  .avi .rmvb), compared exactly, case included. */
bool IsVideoName(const QString& name);
