#pragma once

#include "browser/FileList.h"
#include "store/Sha1Store.h"

#include <QList>
#include <QString>
#include <QStringList>

// The lasting SHA1 store as the export steps use it: every step opens one for its run, looks
// there before fetching a download page and keeps every SHA1 a page gave.

/** The origin the store keeps SHA1s under: the main site's, whose download pages hold them. */
QString Sha1StoreOrigin();

/** A file row's key in the store: its pick code and the size in bytes its standard form names
 *  (-1 when it names none). */
StoreKey StoreKeyOf(const QStringList& columns);
StoreKey StoreKeyOfRow(const FileList& list, int row);

/** Resolves those of `rows` (unresolved file rows of `list`) whose SHA1 `store` holds, as a
 *  fetched page would (ResolveRowSha1: SHA1 in front, blue cell), with one look-up. Returns the
 *  rows it could not resolve, in their order. */
QList<int> ResolveRowsFromStore(FileList& list, const QList<int>& rows, Sha1Store& store);
