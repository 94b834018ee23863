#pragma once

#include <QString>
#include <ostream>

/** Lets GoogleTest show texts (and lists of them) readably in failure messages. */
void PrintTo(const QString& text, std::ostream* out);
