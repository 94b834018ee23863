#pragma once

#include <QString>

class JsonValue;

/** A file size in bytes as the list shows it: "1023B", "1.50K", "2.00M", "4.20G";
 *  empty from 1 TiB up and for a value that is not a number; "B" when missing. */
QString SizeText(const JsonValue& bytes);
