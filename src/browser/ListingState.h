#pragma once

#include "ListingQuery.h"

#include <QObject>
#include <QString>
#include <functional>

/** The browsing position and the last listing result, one per window.
 *  Every setter compares first: assigning the value already held does nothing.
 *  On a real change it stores the value, emits the field's signal (so a window
 *  can show it), then runs the field's reaction at once, nested, before it
 *  returns:
 *    responseText -> parse the listing
 *    offset       -> request the listing
 *    folderId     -> offset := "0"
 *    categoryCode -> folderId := "0", offset := "0", namePath := "", idPath := "/0",
 *                    then request the listing
 *  The other fields have no reaction. */
class ListingState : public QObject
{
    Q_OBJECT

public:
    /** Entries asked for per page, and the paging step. */
    static constexpr int PageSize = 30;

    /** What the reactions call beyond the state; installed by the browser. An
     *  unset function is skipped. */
    struct Reactions
    {
        std::function<void()> requestListing;
        std::function<void()> parseListing;
    };

    explicit ListingState(QObject* parent = nullptr);

    void setReactions(Reactions reactions);

    /** The page the state names, as one query; the five fields that follow are its fields. */
    const ListingQuery& query() const { return m_query; }

    const QString& categoryCode() const { return m_query.categoryCode; }
    void setCategoryCode(const QString& value);
    const QString& folderId() const { return m_query.folderId; }
    void setFolderId(const QString& value);
    const QString& sortOrder() const { return m_query.sortOrder; }
    void setSortOrder(const QString& value);
    const QString& offset() const { return m_query.offset; }
    void setOffset(const QString& value);
    bool sharedOnly() const { return m_query.sharedOnly; }
    void setSharedOnly(bool value);
    /** Entries of the whole listed folder as the service sent it; empty before a listing. */
    const QString& totalCount() const { return m_totalCount; }
    void setTotalCount(const QString& value);
    /** Entries on the last listing page. */
    const QString& pageItemCount() const { return m_pageItemCount; }
    void setPageItemCount(const QString& value);
    /** Folder ids from the root, each preceded by "/": "/0/12/345". */
    const QString& idPath() const { return m_idPath; }
    void setIdPath(const QString& value);
    /** Folder names (with the folder marker) from the root, each preceded by "/". */
    const QString& namePath() const { return m_namePath; }
    void setNamePath(const QString& value);
    /** The last accepted listing response. */
    const QString& responseText() const { return m_responseText; }
    void setResponseText(const QString& value);

signals:
    void categoryCodeChanged(const QString& value);
    void folderIdChanged(const QString& value);
    void sortOrderChanged(const QString& value);
    void offsetChanged(const QString& value);
    void sharedOnlyChanged(bool value);
    void totalCountChanged(const QString& value);
    void pageItemCountChanged(const QString& value);
    void idPathChanged(const QString& value);
    void namePathChanged(const QString& value);
    void responseTextChanged(const QString& value);

private:
    void requestListing() const;

    Reactions m_reactions;
    ListingQuery m_query;
    QString m_totalCount;
    QString m_pageItemCount = QStringLiteral("0");
    QString m_idPath = QStringLiteral("/0");
    QString m_namePath;
    QString m_responseText;
};
