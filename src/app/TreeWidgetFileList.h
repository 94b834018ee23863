#pragma once

#include "browser/FileList.h"

class QTreeWidget;
class QTreeWidgetItem;

/** The FileList over the window's QTreeWidget (not owned; must outlive this).
 *  Row n is the tree's n-th top-level item; every row carries a tick box. */
class TreeWidgetFileList final : public FileList
{
public:
    explicit TreeWidgetFileList(QTreeWidget* tree);

    int rowCount() const override;
    void clearRows() override;
    void appendRow(const QStringList& columns) override;
    void appendRows(const QList<QStringList>& rows) override;
    void updateRows(const std::function<void()>& change) override;
    QString text(int row, Column column) const override;
    void setText(int row, Column column, const QString& text) override;
    bool isTicked(int row) const override;
    void setTicked(int row, bool ticked) override;
    QColor textColour(int row, Column column) const override;
    void setTextColour(int row, Column column, const QColor& colour) override;
    int selectedRow() const override;

private:
    QTreeWidgetItem* item(int row) const;

    QTreeWidget* m_tree;
};
