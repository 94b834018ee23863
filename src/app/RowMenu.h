#pragma once

#include <QList>
#include <QMenu>
#include <functional>

class QTreeWidget;

/** The file list's context menu. Its entries are kinds of rows' entries: a file row's, a folder
 *  row's, or ones offered wherever the list is right-clicked. Each entry's action carries an
 *  object name and acts on the row under the click (the list's row number). The menu belongs
 *  to the list. */
class RowMenu : public QMenu
{
    Q_OBJECT

public:
    enum class Rows
    {
        Files,
        Folders,
        Any, // also offered below the last row, where there is no row
    };

    explicit RowMenu(QTreeWidget& list);

    /** Adds an entry for `rows`. `enabled`, when given, is asked each time the menu opens. */
    QAction* addEntry(Rows rows, const char* name, const QString& caption,
                      const std::function<void(int row)>& command,
                      const std::function<bool()>& enabled = {});

    /** Opens the menu for the row at `position` (in the list's viewport); shows nothing when
     *  no entry fits there. */
    void openAt(const QPoint& position);

private:
    struct Entry
    {
        QAction* action;
        Rows rows;
        std::function<bool()> enabled;
    };

    QTreeWidget& m_list;
    QList<Entry> m_entries;
    int m_row = -1; // the row the open menu acts on; -1 below the last row
};
