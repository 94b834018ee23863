#include "ListingRows.h"

#include "FileList.h"
#include "SizeText.h"
#include "service/qita.h"
#include "text/JSON.h"
#include "text/NumberText.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

/** Folder times come as Unix seconds and show as the wall clock at UTC+8. */
const QString FolderZoneHours = QStringLiteral("8");

QString memberText(const JsonValue& entry, const char* key)
{
    return entry.member(QLatin1String(key)).toString();
}

bool isFolderEntry(const JsonValue& entry)
{
    const JsonValue& fid = entry.member(QStringLiteral("fid"));
    return fid.kind() == JsonKind::Empty || fid.kind() == JsonKind::Null ||
           (fid.kind() == JsonKind::String && fid.toString().isEmpty());
}

/** Whether a "sh" value means shared: true, a non-zero number (also as text), or
 *  the text "true" in any case. */
bool isSharedFlag(const JsonValue& value)
{
    switch (value.kind()) {
    case JsonKind::Boolean:
        return value.toBool();
    case JsonKind::Integer:
    case JsonKind::Double:
        return value.toDouble() != 0;
    case JsonKind::String: {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        return StrictNumber(text).value_or(0) != 0;
    }
    default:
        return false;
    }
}

QString sharedText(const JsonValue& entry)
{
    return QString::fromUtf8(isSharedFlag(entry.member(QStringLiteral("sh"))) ? SharedText
                                                                              : NotSharedText);
}

QStringList folderRowTexts(const JsonValue& entry)
{
    const QDateTime time = UnixSecondsToDate(memberText(entry, "t"), FolderZoneHours);
    return {FolderMarker + memberText(entry, "n"),
            memberText(entry, "category_file_count"),
            QString(),
            DateTimeText(time),
            QString(),
            memberText(entry, "cid"),
            sharedText(entry)};
}

QStringList fileRowTexts(const JsonValue& entry)
{
    const QString name = memberText(entry, "n");
    const QString size = memberText(entry, "s");
    return {name,
            SizeText(entry.member(QStringLiteral("s"))),
            memberText(entry, "pc"),
            memberText(entry, "t"),
            QLatin1Char('#') + size + QLatin1Char('#') + name,
            memberText(entry, "fid"),
            sharedText(entry)};
}

} // namespace

bool IsFolderName(const QString& rowName)
{
    return rowName.startsWith(FolderMarker);
}

QStringList FileRowTexts(const JsonValue& entry)
{
    return isFolderEntry(entry) ? folderRowTexts(entry) : fileRowTexts(entry);
}

QList<QStringList> DataRows(const JsonValue& data)
{
    QList<QStringList> rows;
    if (const JsonArray* array = data.array()) {
        for (int position = 1; position <= array->Count(); ++position)
            rows.append(FileRowTexts(array->Item(position)));
    } else if (const JsonObject* object = data.object()) {
        const QStringList keys = object->keys();
        for (const QString& key : keys)
            rows.append(FileRowTexts(object->Item(key)));
    }
    return rows;
}

QList<QStringList> KeyedRows(const JsonValue& data, const QStringList& keys)
{
    QList<QStringList> rows;
    for (const QString& key : keys)
        rows.append(FileRowTexts(data.member(key)));
    return rows;
}

QStringList DigitKeys(const QString& responseText)
{
    static const QRegularExpression digitKeyedObject(QStringLiteral(R"re("(\d*)":\s*\{)re"),
                                                     QRegularExpression::CaseInsensitiveOption |
                                                         QRegularExpression::MultilineOption);
    QStringList keys;
    QRegularExpressionMatchIterator matches = digitKeyedObject.globalMatch(responseText);
    while (matches.hasNext())
        keys.append(matches.next().captured(1));
    return keys;
}

bool IsVideoName(const QString& name)
{
    static const QStringList extensions{
        QStringLiteral(".wmv"), QStringLiteral(".rm"),  QStringLiteral(".mkv"),
        QStringLiteral(".flv"), QStringLiteral(".avi"), QStringLiteral(".rmvb"),
    };
    for (const QString& extension : extensions) {
        if (name.endsWith(extension, Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString RowByteSizeText(const QStringList& row)
{
    return row.value(ColumnIndex(Column::StandardForm)).section(u'#', 1, 1);
}
