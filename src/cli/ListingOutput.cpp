#include "ListingOutput.h"

#include "browser/FileList.h"
#include "browser/ListingRows.h"
#include "text/NumberText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

/** One entry as `ls` shows it. */
struct ListedEntry
{
    QString path;
    QString size; // bytes, as the service sent them; empty for a folder
    QString sizeText;
    QString pickCode;
    QString time;
    bool shared = false;
    QString sha1;
};

ListedEntry entryOf(const WalkedFile& walked, const Sha1Cache& sha1s)
{
    const auto column = [&](Column which) { return walked.columns.value(ColumnIndex(which)); };
    ListedEntry entry;
    entry.time = column(Column::Time);
    entry.shared = column(Column::Shared) == QString::fromUtf8(SharedText);
    if (IsFolderName(column(Column::Name))) {
        entry.path = walked.path + u'/';
        return entry;
    }
    entry.path = walked.path;
    entry.size = RowByteSizeText(walked.columns);
    entry.sizeText = column(Column::Size);
    entry.pickCode = column(Column::PickCode);
    entry.sha1 = sha1s.value(entry.pickCode);
    return entry;
}

QString tsvField(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\r"));
    return text;
}

QByteArray tsv(const QList<ListedEntry>& entries, bool withSha1)
{
    QStringList header{QStringLiteral("path"),      QStringLiteral("size"),
                       QStringLiteral("size_text"), QStringLiteral("pick_code"),
                       QStringLiteral("time"),      QStringLiteral("shared")};
    if (withSha1)
        header.append(QStringLiteral("sha1"));
    QString text = header.join(u'\t') + u'\n';
    for (const ListedEntry& entry : entries) {
        QStringList fields{
            entry.path,     entry.size,
            entry.sizeText, entry.pickCode,
            entry.time,     entry.shared ? QStringLiteral("yes") : QStringLiteral("no")};
        if (withSha1)
            fields.append(entry.sha1);
        for (QString& field : fields)
            field = tsvField(field);
        text += fields.join(u'\t') + u'\n';
    }
    return text.toUtf8();
}

QByteArray json(const QList<ListedEntry>& entries, bool withSha1)
{
    QJsonArray array;
    for (const ListedEntry& entry : entries) {
        const std::optional<double> size = StrictNumber(entry.size);
        QJsonObject object{
            {QStringLiteral("path"), entry.path},
            {QStringLiteral("size"), size ? QJsonValue(*size) : QJsonValue()},
            {QStringLiteral("size_text"), entry.sizeText},
            {QStringLiteral("pick_code"), entry.pickCode},
            {QStringLiteral("time"), entry.time},
            {QStringLiteral("shared"), entry.shared},
        };
        if (withSha1)
            object.insert(QStringLiteral("sha1"), entry.sha1);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray FormatListing(const QList<WalkedFile>& entries, const Sha1Cache& sha1s, bool withSha1,
                         OutputFormat format)
{
    QList<ListedEntry> listed;
    listed.reserve(entries.size());
    for (const WalkedFile& walked : entries)
        listed.append(entryOf(walked, sha1s));
    return format == OutputFormat::Json ? json(listed, withSha1) : tsv(listed, withSha1);
}
