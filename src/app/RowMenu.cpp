#include "RowMenu.h"

#include "browser/FileList.h"
#include "browser/ListingRows.h"

#include <QTreeWidget>
#include <algorithm>

RowMenu::RowMenu(QTreeWidget& list) : QMenu(&list), m_list(list)
{
    setObjectName(QStringLiteral("RowMenu"));
    m_list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_list, &QTreeWidget::customContextMenuRequested, this, &RowMenu::openAt);
}

QAction* RowMenu::addEntry(Rows rows, const char* name, const QString& caption,
                           const std::function<void(int row)>& command,
                           const std::function<bool()>& enabled)
{
    // Entries for any place follow the ones for the row, set apart by a line.
    const bool firstOfAny = rows == Rows::Any && std::none_of(m_entries.begin(), m_entries.end(),
                                                              [](const Entry& entry) {
                                                                  return entry.rows == Rows::Any;
                                                              });
    if (firstOfAny && !m_entries.isEmpty())
        addSeparator();
    QAction* action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, command] { command(m_row); });
    m_entries.append({action, rows, enabled});
    return action;
}

void RowMenu::openAt(const QPoint& position)
{
    QTreeWidgetItem* item = m_list.itemAt(position);
    m_row = item ? m_list.indexOfTopLevelItem(item) : -1;
    const bool folder = item && IsFolderName(item->text(ColumnIndex(Column::Name)));
    bool anyShown = false;
    for (const Entry& entry : std::as_const(m_entries)) {
        const bool shown =
            entry.rows == Rows::Any || (item && folder == (entry.rows == Rows::Folders));
        entry.action->setVisible(shown);
        entry.action->setEnabled(!entry.enabled || entry.enabled());
        anyShown = anyShown || shown;
    }
    if (anyShown)
        popup(m_list.viewport()->mapToGlobal(position));
}
