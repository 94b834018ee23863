#pragma once

#include "browser/FileList.h"
#include "browser/ListingRequest.h"
#include "browser/ListingState.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class JsonArray;
class JsonValue;

/** The file browser: lists one page of one folder of the drive into a FileList
 *  and moves through folders and pages, all through its ListingState (owned)
 *  and the list (not owned, must outlive the browser). Requests go through
 *  ServiceRequest, which shows its own failure messages; a parse problem is
 *  shown through the current Desktop. Nothing is sent while signed out. */
class FileBrowser : public QObject
{
    Q_OBJECT

public:
    explicit FileBrowser(FileList& list, QObject* parent = nullptr);

    ListingState& state() { return m_state; }
    const ListingState& state() const { return m_state; }
    FileList& list() { return m_list; }

    /** Requests the page the state names; an accepted answer becomes the response text. */
    void RequestListing();
    /** Requests the page again and shows the answer even when it reads the same as the held one. */
    void reloadListing();

    /** A category option became the selected one: records it, then sets its code. */
    void chooseCategory(CategoryOption option);
    /** The selected category option; none until one is chosen. */
    std::optional<CategoryOption> selectedCategory() const { return m_selectedCategory; }
    /** The sort choice at `index` (0..5) sets the sort order; any other index keeps
     *  it. Then requests the listing; the offset stays. */
    void chooseSort(int index);
    /** The shared-only box changed: stores it and requests the listing; the offset stays. */
    void chooseSharedOnly(bool sharedOnly);

    /** Removes every row and forgets the held response, so that the next accepted
     *  answer is shown even when it reads the same as the last one. */
    void clearListing();

    /** Turns the response text into rows, page item count and total count. */
    void ParseListing();
    /** The keyed form of the listing ("data" members under digit keys). Expects the
     *  rows already removed. */
    void pipeilist();

    void GoRoot();
    void GoUp();
    /** Enters the folder of the selected row; does nothing on a file row or no selection. */
    void EnterFolder();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();

    /** The mark-videos box changed: ticked marks video names red, unticked turns
     *  every name black. */
    void setVideoMarking(bool ticked);
    bool videoMarking() const { return m_videoMarking; }
    /** Colours the names of video rows red while video marking is on. */
    void MarkVideoRows();

signals:
    /** A parse begins: the window's select-all box is to be unticked. */
    void selectAllUntickRequested();

private:
    /** The answer to the listing request when it is accepted; nothing while signed out. */
    std::optional<QString> fetchListing() const;
    void showListing(std::optional<JsonValue> root,
                     const std::function<QList<QStringList>(const JsonValue&)>& rowsOf);
    bool reportParseErrors();
    void moveOffset(const std::optional<QString>& offset);

    FileList& m_list;
    ListingState m_state;
    std::optional<CategoryOption> m_selectedCategory;
    bool m_videoMarking = false;
};
