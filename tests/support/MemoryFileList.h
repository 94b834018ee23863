#pragma once

#include "browser/FileList.h"

#include <array>
#include <vector>

/** A FileList held in memory, for rules tested without a window. */
class MemoryFileList final : public FileList
{
public:
    int rowCount() const override;
    void clearRows() override;
    void appendRow(const QStringList& columns) override;
    QString text(int row, Column column) const override;
    void setText(int row, Column column, const QString& text) override;
    bool isTicked(int row) const override;
    void setTicked(int row, bool ticked) override;
    QColor textColour(int row, Column column) const override;
    void setTextColour(int row, Column column, const QColor& colour) override;
    int selectedRow() const override;

    void selectRow(int row) { m_selected = row; }

private:
    struct Row
    {
        std::array<QString, ColumnCount> texts;
        std::array<QColor, ColumnCount> colours;
        bool ticked = false;
    };

    std::vector<Row> m_rows;
    int m_selected = -1;
};
