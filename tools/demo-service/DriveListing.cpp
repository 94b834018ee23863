#include "DriveListing.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int MaximumLimit = 1000;

// One listed entry: a folder or a file of the drive.
struct Entry
{
    const DemoFolder* folder = nullptr;
    const DemoFile* file = nullptr;

    const QString& name() const { return folder ? folder->name : file->name; }
    qint64 time() const { return folder ? folder->time : file->time; }
    qint64 size() const { return folder ? 0 : file->size; }
    const QString& id() const { return folder ? folder->cid : file->fid; }
    bool shared() const { return folder ? folder->shared : file->shared; }
};

// Strings go out as the service writes them: ASCII only, every other UTF-16 unit as \uXXXX.
QByteArray jsonString(const QString& text)
{
    QByteArray out = "\"";
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += char(unit);
        } else if (unit >= 0x20 && unit < 0x7f) {
            out += char(unit);
        } else {
            out += "\\u" + QByteArray::number(unit, 16).rightJustified(4, '0');
        }
    }
    return out + "\"";
}

QByteArray member(const char* key, const QByteArray& jsonValue)
{
    return jsonString(QString::fromLatin1(key)) + ":" + jsonValue;
}

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray folderJson(const DemoDrive& drive, const DemoFolder& folder)
{
    const QList<QByteArray> members = {
        member("cid", jsonString(folder.cid)),
        member("pid", jsonString(folder.parentCid)),
        member("n", jsonString(folder.name)),
        member("t", number(folder.time)),
        member("sh", number(folder.shared ? 1 : 0)),
        member("category_file_count", number(drive.filesIn(folder.cid).size())),
    };
    return "{" + members.join(',') + "}";
}

QByteArray fileJson(const DemoFile& file)
{
    const QList<QByteArray> members = {
        member("fid", jsonString(file.fid)),
        member("cid", jsonString(file.cid)),
        member("n", jsonString(file.name)),
        member("s", number(file.size)),
        member("t", jsonString(DemoDrive::fileTimeText(file.time))),
        member("pc", jsonString(file.pickCode)),
        member("sh", number(file.shared ? 1 : 0)),
        member("ico", jsonString(QFileInfo(file.name).suffix().toLower())),
    };
    return "{" + members.join(',') + "}";
}

QByteArray entryJson(const DemoDrive& drive, const Entry& entry)
{
    return entry.folder ? folderJson(drive, *entry.folder) : fileJson(*entry.file);
}

bool sortsBefore(const Entry& a, const Entry& b, ListingParameters::SortKey key)
{
    switch (key) {
    case ListingParameters::SortKey::Name:
        if (const int order = a.name().compare(b.name(), Qt::CaseInsensitive))
            return order < 0;
        break;
    case ListingParameters::SortKey::Time:
        if (a.time() != b.time())
            return a.time() < b.time();
        break;
    case ListingParameters::SortKey::Size:
        if (a.size() != b.size())
            return a.size() < b.size();
        break;
    }
    // Equal keys: a fixed order, so that pages never overlap.
    if (const int order = a.name().compare(b.name()))
        return order < 0;
    return a.id().toLongLong() < b.id().toLongLong();
}

// Folders come before files, as the service lists them; each group in the requested order.
void sortEntries(QList<Entry>& entries, const ListingParameters& query)
{
    std::stable_sort(entries.begin(), entries.end(), [&query](const Entry& a, const Entry& b) {
        const bool aFolder = a.folder != nullptr;
        const bool bFolder = b.folder != nullptr;
        if (aFolder != bFolder)
            return aFolder;
        return query.ascending ? sortsBefore(a, b, query.sortKey)
                               : sortsBefore(b, a, query.sortKey);
    });
}

QList<Entry> folderEntries(const DemoDrive& drive, const QString& cid)
{
    QList<Entry> entries;
    for (const DemoFolder* folder : drive.subfoldersOf(cid))
        entries.append({folder, nullptr});
    for (const DemoFile* file : drive.filesIn(cid))
        entries.append({nullptr, file});
    return entries;
}

QList<Entry> sharedEntries(const DemoDrive& drive)
{
    QList<Entry> entries;
    for (const DemoFolder& folder : drive.folders()) {
        if (folder.shared)
            entries.append({&folder, nullptr});
    }
    for (const DemoFile& file : drive.files()) {
        if (file.shared)
            entries.append({nullptr, &file});
    }
    return entries;
}

QList<Entry> newestFiles(const DemoDrive& drive)
{
    QList<Entry> entries;
    for (const DemoFile& file : drive.files())
        entries.append({nullptr, &file});
    ListingParameters newestFirst;
    sortEntries(entries, newestFirst);
    return entries.mid(0, DemoDriveIds::NewestFileCount);
}

QList<Entry> onlyShared(const QList<Entry>& entries)
{
    QList<Entry> shared;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(shared),
                 [](const Entry& entry) { return entry.shared(); });
    return shared;
}

QByteArray dataJson(const DemoDrive& drive, const QList<Entry>& page, DemoService::ListingForm form)
{
    QList<QByteArray> items;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const QByteArray entry = entryJson(drive, page[i]);
        items.append(form == DemoService::ListingForm::Keyed
                         ? jsonString(QString::number(i)) + ":" + entry
                         : entry);
    }
    if (form == DemoService::ListingForm::Keyed)
        return "{" + items.join(',') + "}";
    return "[" + items.join(',') + "]";
}

const char* sortKeyName(ListingParameters::SortKey key)
{
    switch (key) {
    case ListingParameters::SortKey::Name:
        return "file_name";
    case ListingParameters::SortKey::Size:
        return "file_size";
    case ListingParameters::SortKey::Time:
        break;
    }
    return "user_ptime";
}

int aidOf(ListingParameters::Scope scope)
{
    switch (scope) {
    case ListingParameters::Scope::Shared:
        return 30;
    case ListingParameters::Scope::Newest:
        return 32;
    case ListingParameters::Scope::Folder:
        break;
    }
    return 1;
}

int numberOr(const QMap<QString, QString>& parameters, const QString& key, int fallback)
{
    bool ok = false;
    const int value = parameters.value(key).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

ListingParameters ListingParameters::fromParameters(const QMap<QString, QString>& parameters,
                                                    bool listsPath)
{
    ListingParameters query;
    if (listsPath) {
        const QString aid = parameters.value(QStringLiteral("aid"));
        if (aid == QLatin1String("30"))
            query.scope = Scope::Shared;
        else if (aid == QLatin1String("32"))
            query.scope = Scope::Newest;
    }
    if (parameters.contains(QStringLiteral("cid")))
        query.cid = parameters.value(QStringLiteral("cid"));
    const QString order = parameters.value(QStringLiteral("o"));
    if (order == QLatin1String("file_name"))
        query.sortKey = SortKey::Name;
    else if (order == QLatin1String("file_size"))
        query.sortKey = SortKey::Size;
    query.ascending = parameters.value(QStringLiteral("asc")) == QLatin1String("1");
    query.sharedOnly = parameters.value(QStringLiteral("is_share")) == QLatin1String("1");
    query.offset = std::max(0, numberOr(parameters, QStringLiteral("offset"), 0));
    const int limit = numberOr(parameters, QStringLiteral("limit"), query.limit);
    if (limit > 0)
        query.limit = std::min(limit, MaximumLimit);
    return query;
}

std::optional<QByteArray> RenderListing(const DemoDrive& drive, const ListingParameters& query,
                                        DemoService::ListingForm form)
{
    QList<Entry> entries;
    switch (query.scope) {
    case ListingParameters::Scope::Shared:
        entries = sharedEntries(drive);
        break;
    case ListingParameters::Scope::Newest:
        entries = newestFiles(drive);
        break;
    case ListingParameters::Scope::Folder:
        if (query.cid != QLatin1String(DemoDriveIds::Root) && !drive.folder(query.cid))
            return std::nullopt;
        entries = folderEntries(drive, query.cid);
        break;
    }
    if (query.sharedOnly)
        entries = onlyShared(entries);
    sortEntries(entries, query);
    const QList<Entry> page =
        entries.mid(std::min<qsizetype>(query.offset, entries.size()), query.limit);
    const QList<QByteArray> members = {
        member("data", dataJson(drive, page, form)),
        member("count", number(entries.size())),
        member("offset", number(query.offset)),
        member("limit", number(query.limit)),
        member("aid", number(aidOf(query.scope))),
        member("cid", jsonString(query.cid)),
        member("order", jsonString(QString::fromLatin1(sortKeyName(query.sortKey)))),
        member("is_asc", number(query.ascending ? 1 : 0)),
        member("state", "true"),
        member("error", jsonString(QString())),
    };
    return "{" + members.join(',') + "}";
}
