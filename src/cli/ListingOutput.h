#pragma once

#include "CommandLine.h"
#include "export/FolderExport.h"

#include <QByteArray>
#include <QList>

/** What `ls` writes for the entries of a walk (files and folder rows, in walk order): per entry
 *  its path (a folder's ends in "/"), size in bytes, size text, pick code, time text, whether
 *  it is shared and, `withSha1`, the SHA1 that `sha1s` holds for its pick code (empty when the
 *  download page has none). TSV: a header line, then one line per entry, fields separated by
 *  tabs, a backslash, tab, line feed or carriage return inside a field written as \\, \t, \n
 *  or \r. JSON: one array of objects with the same fields, written by QJsonDocument (a folder's
 *  size and an unknown one are null). UTF-8 both. */
QByteArray FormatListing(const QList<WalkedFile>& entries, const Sha1Cache& sha1s, bool withSha1,
                         OutputFormat format);
