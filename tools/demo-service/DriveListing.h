#pragma once

#include "DemoDrive.h"
#include "DemoService.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

/** What a listing request of the web API asks for, read from its query parameters. */
struct ListingParameters
{
    enum class Scope
    {
        Folder,
        Shared,
        Newest
    };
    enum class SortKey
    {
        Name,
        Time,
        Size
    };

    Scope scope = Scope::Folder;
    QString cid = QStringLiteral("0");
    SortKey sortKey = SortKey::Time;
    bool ascending = false;
    bool sharedOnly = false;
    int offset = 0;
    int limit = 30;

    /** Reads cid, o, asc, offset, limit, is_share and (on /lists) aid; missing or unreadable
     *  values keep their defaults. */
    static ListingParameters fromParameters(const QMap<QString, QString>& parameters,
                                            bool listsPath);
};

/** The JSON answer for `query` over `drive`: an ASCII body in which every non-ASCII character
 *  is a \uXXXX escape. nullopt when the folder does not exist. */
std::optional<QByteArray> RenderListing(const DemoDrive& drive, const ListingParameters& query,
                                        DemoService::ListingForm form);
