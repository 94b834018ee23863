#pragma once

#include <QString>
#include <QStringList>

/** The keys, in text order, of every member anywhere in a listing response whose
 *  key is made of decimal digits only (or is empty) and whose value is an object.
 *  Any key at all means the listing comes in the keyed form. */
QStringList DigitKeys(const QString& responseText);
