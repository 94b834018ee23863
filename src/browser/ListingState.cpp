#include "ListingState.h"

namespace {

/** Stores `value` in `field` when it differs; reports whether it did. */
template <typename T> bool assignChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

ListingState::ListingState(QObject* parent) : QObject(parent) {}

void ListingState::setReactions(Reactions reactions)
{
    m_reactions = std::move(reactions);
}

void ListingState::requestListing() const
{
    if (m_reactions.requestListing)
        m_reactions.requestListing();
}

void ListingState::setCategoryCode(const QString& value)
{
    if (!assignChanged(m_query.categoryCode, value))
        return;
    emit categoryCodeChanged(value);
    setFolderId(QStringLiteral("0"));
    setOffset(QStringLiteral("0"));
    setNamePath(QString());
    setIdPath(QStringLiteral("/0"));
    requestListing();
}

void ListingState::setFolderId(const QString& value)
{
    if (!assignChanged(m_query.folderId, value))
        return;
    emit folderIdChanged(value);
    setOffset(QStringLiteral("0"));
}

void ListingState::setSortOrder(const QString& value)
{
    if (assignChanged(m_query.sortOrder, value))
        emit sortOrderChanged(value);
}

void ListingState::setOffset(const QString& value)
{
    if (!assignChanged(m_query.offset, value))
        return;
    emit offsetChanged(value);
    requestListing();
}

void ListingState::setSharedOnly(bool value)
{
    if (assignChanged(m_query.sharedOnly, value))
        emit sharedOnlyChanged(value);
}

void ListingState::setTotalCount(const QString& value)
{
    if (assignChanged(m_totalCount, value))
        emit totalCountChanged(value);
}

void ListingState::setPageItemCount(const QString& value)
{
    if (assignChanged(m_pageItemCount, value))
        emit pageItemCountChanged(value);
}

void ListingState::setIdPath(const QString& value)
{
    if (assignChanged(m_idPath, value))
        emit idPathChanged(value);
}

void ListingState::setNamePath(const QString& value)
{
    if (assignChanged(m_namePath, value))
        emit namePathChanged(value);
}

void ListingState::setResponseText(const QString& value)
{
    if (!assignChanged(m_responseText, value))
        return;
    emit responseTextChanged(value);
    if (m_reactions.parseListing)
        m_reactions.parseListing();
}
