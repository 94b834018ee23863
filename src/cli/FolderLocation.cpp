#include "FolderLocation.h"

#include "ProgressLine.h"
#include "browser/FileList.h"
#include "browser/ListingRows.h"
#include "export/FolderExport.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString FolderIdPrefix = QStringLiteral("cid:");

QString shown(const QStringList& steps)
{
    return u'/' + steps.join(u'/');
}

} // namespace

std::optional<QString> ResolveFolder(const QString& folder, const QString& sortOrder,
                                     ProgressLine& progress, const RetryPolicy& policy,
                                     QString& problem)
{
    if (folder.startsWith(FolderIdPrefix))
        return folder.mid(FolderIdPrefix.size());
    const QStringList steps = folder.split(u'/', Qt::SkipEmptyParts);
    QString folderId = QStringLiteral("0");
    for (qsizetype step = 0; step < steps.size(); ++step) {
        WalkScope scope;
        scope.query.sortOrder = sortOrder;
        scope.query.folderId = folderId;
        scope.includeFolderRows = true;
        Sha1Cache unused;
        const WalkResult listing = ListFolder(scope, unused, false, &progress, policy);
        progress.carryPages();
        if (listing.cancelled)
            return std::nullopt;
        const QString parent = shown(steps.first(step));
        if (!listing.failure.isEmpty()) {
            problem = QCoreApplication::translate("FolderLocation", "cannot list \"%1\": %2")
                          .arg(parent, listing.failure);
            return std::nullopt;
        }
        QStringList matches;
        for (const WalkedFile& entry : listing.files) {
            const QString name = entry.columns.value(ColumnIndex(Column::Name));
            if (IsFolderName(name) && name.mid(1) == steps[step])
                matches.append(entry.columns.value(ColumnIndex(Column::Id)));
        }
        if (matches.isEmpty()) {
            problem = QCoreApplication::translate("FolderLocation", "no folder \"%1\" in \"%2\"")
                          .arg(steps[step], parent);
            return std::nullopt;
        }
        if (matches.size() > 1) {
            problem = QCoreApplication::translate(
                          "FolderLocation",
                          "\"%1\" holds %2 folders named \"%3\" (%4%5); name one by its id")
                          // One arg() for all: a folder name holding "%3" stays as it is.
                          .arg(parent, QString::number(matches.size()), steps[step], FolderIdPrefix,
                               matches.join(QStringLiteral(", ") + FolderIdPrefix));
            return std::nullopt;
        }
        folderId = matches.first();
    }
    return folderId;
}
