#include "StoredSha1s.h"

#include "LinkResolution.h"
#include "service/endpoints.h"

QString Sha1StoreOrigin()
{
    return MainSiteAddress();
}

StoreKey StoreKeyOf(const QStringList& columns)
{
    // A standard form is "#", the size in bytes, "#" and the name, after the SHA1 once known.
    bool isNumber = false;
    const qint64 size =
        columns.value(ColumnIndex(Column::StandardForm)).section(u'#', 1, 1).toLongLong(&isNumber);
    return {columns.value(ColumnIndex(Column::PickCode)), isNumber ? size : -1};
}

StoreKey StoreKeyOfRow(const FileList& list, int row)
{
    QStringList columns;
    for (int column = 1; column <= ColumnCount; ++column)
        columns.append(list.text(row, Column(column)));
    return StoreKeyOf(columns);
}

QList<int> ResolveRowsFromStore(FileList& list, const QList<int>& rows, Sha1Store& store)
{
    QList<StoreKey> keys;
    for (const int row : rows)
        keys.append(StoreKeyOfRow(list, row));
    const QHash<QString, QString> stored = store.lookUp(keys);
    QList<int> unresolved;
    list.updateRows([&] {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QString sha1 = stored.value(keys[i].pickCode);
            if (sha1.isEmpty())
                unresolved.append(rows[i]);
            else
                ResolveRowSha1(list, rows[i], sha1);
        }
    });
    return unresolved;
}
