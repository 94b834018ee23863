#include "FileBrowser.h"

#include "ListingQuery.h"
#include "ListingRows.h"
#include "Paging.h"
#include "platform/Desktop.h"
#include "service/httpxml.h"
#include "service/session.h"
#include "text/JSON.h"

namespace {

/** A parse log can run to any length; a message box must fit on the screen. */
constexpr qsizetype ParseMessageLimit = 1024;

int entryCount(const JsonValue& data)
{
    if (const JsonArray* array = data.array())
        return array->Count();
    if (const JsonObject* object = data.object())
        return object->Count();
    return 0;
}

bool isUsableData(const JsonValue& data)
{
    return data.array() || data.object();
}

} // namespace

FileBrowser::FileBrowser(FileList& list, QObject* parent) : QObject(parent), m_list(list)
{
    m_state.setReactions({[this] { RequestListing(); }, [this] { ParseListing(); }});
}

void FileBrowser::RequestListing()
{
    if (const std::optional<QString> response = fetchListing())
        m_state.setResponseText(*response);
}

void FileBrowser::reloadListing()
{
    const std::optional<QString> response = fetchListing();
    if (!response)
        return;
    // The same answer raises no change of the response text, yet a reload shows it afresh.
    if (*response == m_state.responseText())
        ParseListing();
    else
        m_state.setResponseText(*response);
}

std::optional<QString> FileBrowser::fetchListing() const
{
    if (SessionCookie().isEmpty())
        return std::nullopt;
    QString response =
        ServiceRequest(QStringLiteral("GET"), ListingAddress(m_state.query()), QString());
    const bool accepted =
        response.contains(QLatin1String("count")) || m_selectedCategory == CategoryOption::Shared;
    if (!accepted)
        return std::nullopt;
    return response;
}

void FileBrowser::chooseCategory(CategoryOption option)
{
    m_selectedCategory = option;
    m_state.setCategoryCode(CategoryCodeOf(option));
}

void FileBrowser::chooseSort(int index)
{
    if (const QList<SortChoice> choices = SortChoices(); index >= 0 && index < choices.size())
        m_state.setSortOrder(choices.at(index).order);
    RequestListing();
}

void FileBrowser::chooseSharedOnly(bool sharedOnly)
{
    m_state.setSharedOnly(sharedOnly);
    RequestListing();
}

void FileBrowser::clearListing()
{
    m_list.clearRows();
    m_state.setResponseText(QString());
}

void FileBrowser::ParseListing()
{
    emit selectAllUntickRequested();
    m_list.clearRows();
    if (!DigitKeys(m_state.responseText()).isEmpty()) {
        pipeilist();
        return;
    }
    showListing(ParseJson(m_state.responseText()),
                [](const JsonValue& data) { return DataRows(data); });
}

void FileBrowser::pipeilist()
{
    const QString text = m_state.responseText();
    showListing(ParseJson(text),
                [&text](const JsonValue& data) { return KeyedRows(data, DigitKeys(text)); });
}

void FileBrowser::showListing(std::optional<JsonValue> root,
                              const std::function<QList<QStringList>(const JsonValue&)>& rowsOf)
{
    if (!root) {
        m_state.setPageItemCount(QStringLiteral("0"));
    } else if (reportParseErrors()) {
        m_state.setTotalCount(root->member(QStringLiteral("count")).toString());
    } else if (const JsonValue& data = root->member(QStringLiteral("data")); !isUsableData(data)) {
        m_state.setPageItemCount(QStringLiteral("0"));
    } else {
        m_state.setPageItemCount(QString::number(entryCount(data)));
        const QList<QStringList> rows = rowsOf(data);
        const QString totalCount = root->member(QStringLiteral("count")).toString();
        // The rows hold what they show; the rest of a large tree need not stay beside them.
        root.reset();
        m_list.appendRows(rows);
        m_state.setTotalCount(totalCount);
    }
    MarkVideoRows();
}

bool FileBrowser::reportParseErrors()
{
    const QString errors = ParseErrors();
    if (errors.isEmpty())
        return false;
    CurrentDesktop().showMessage(errors.left(ParseMessageLimit), tr("解析出错"),
                                 Desktop::Icon::Information);
    return true;
}

void FileBrowser::GoRoot()
{
    m_state.setOffset(QStringLiteral("0"));
    m_state.setFolderId(QStringLiteral("0"));
    m_state.setNamePath(QString());
    m_state.setIdPath(QStringLiteral("/0"));
    RequestListing();
}

void FileBrowser::GoUp()
{
    const QString idPath = m_state.idPath();
    if (idPath == QLatin1String("/0"))
        return;
    const QString namePath = m_state.namePath();
    m_state.setNamePath(namePath.left(std::max<qsizetype>(namePath.lastIndexOf(u'/'), 0)));
    const qsizetype cut = idPath.lastIndexOf(u'/');
    const QString parentPath = cut > 0 ? idPath.left(cut) : QStringLiteral("/0");
    m_state.setIdPath(parentPath);
    m_state.setFolderId(parentPath.mid(parentPath.lastIndexOf(u'/') + 1));
    m_state.setOffset(QStringLiteral("0"));
    RequestListing();
}

void FileBrowser::EnterFolder()
{
    const int row = m_list.selectedRow();
    if (row < 0 || row >= m_list.rowCount())
        return;
    const QString name = m_list.text(row, Column::Name);
    if (!IsFolderName(name))
        return;
    const QString id = m_list.text(row, Column::Id);
    // A folder already on the path is not entered again: that would only
    // repeat its steps. Steps are compared whole, so folder 2 inside /0/12 opens.
    if (!m_state.idPath().split(u'/').contains(id)) {
        m_state.setIdPath(m_state.idPath() + u'/' + id);
        m_state.setNamePath(m_state.namePath() + u'/' + name);
        m_state.setFolderId(id);
    }
    RequestListing();
}

void FileBrowser::FirstPage()
{
    moveOffset(FirstPageOffset(m_state.offset(), m_state.totalCount()));
}

void FileBrowser::PreviousPage()
{
    moveOffset(PreviousPageOffset(m_state.offset(), m_state.totalCount()));
}

void FileBrowser::NextPage()
{
    moveOffset(NextPageOffset(m_state.offset(), m_state.totalCount()));
}

void FileBrowser::LastPage()
{
    moveOffset(LastPageOffset(m_state.offset(), m_state.totalCount()));
}

void FileBrowser::moveOffset(const std::optional<QString>& offset)
{
    if (offset)
        m_state.setOffset(*offset);
}

void FileBrowser::setVideoMarking(bool ticked)
{
    m_videoMarking = ticked;
    if (ticked) {
        MarkVideoRows();
        return;
    }
    m_list.updateRows([this] {
        for (int row = 0; row < m_list.rowCount(); ++row)
            m_list.setTextColour(row, Column::Name, QColor(Qt::black));
    });
}

void FileBrowser::MarkVideoRows()
{
    if (!m_videoMarking)
        return;
    m_list.updateRows([this] {
        for (int row = 0; row < m_list.rowCount(); ++row) {
            if (IsVideoName(m_list.text(row, Column::Name)))
                m_list.setTextColour(row, Column::Name, QColor(Qt::red));
        }
    });
}
