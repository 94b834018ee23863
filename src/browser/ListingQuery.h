#pragma once

#include <QLatin1String>
#include <QString>

/** Newest upload first: the sort order a listing starts in. */
inline constexpr QLatin1String NewestFirstOrder("user_ptime&asc=0");

/** One page of one folder as the service is asked for it. Values are texts as the service
 *  takes them and go into the address as held, without percent-encoding. */
struct ListingQuery
{
    /** The listed folder's id; "0" is the root. */
    QString folderId = QStringLiteral("0");
    /** "1"; "30" and "32" select the /lists endpoint. */
    QString categoryCode = QStringLiteral("1");
    /** Sent after "&o=", with its own "&asc=" part. */
    QString sortOrder = NewestFirstOrder;
    /** Only entries the user has shared (is_share 1); not sent on the /lists endpoint. */
    bool sharedOnly = false;
    /** Index of the first entry of the page, as decimal text. */
    QString offset = QStringLiteral("0");
};

/** Whether `categoryCode` is listed by the /lists endpoint ("30" and "32", compared as whole
 *  texts), which lists no folder of its own. */
bool UsesListsEndpoint(const QString& categoryCode);

/** The web API address that lists the page `query` names: /lists for the categories "30" and
 *  "32", /files otherwise. */
QString ListingAddress(const ListingQuery& query);
