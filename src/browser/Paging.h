#pragma once

#include <QString>
#include <optional>

// Where each paging step moves the offset, given the offset and the folder's
// total count as their fields hold them. Nothing means the step does nothing:
// a missing total, no page in that direction, or a number it cannot compute with.

std::optional<QString> FirstPageOffset(const QString& offset, const QString& totalCount);
std::optional<QString> PreviousPageOffset(const QString& offset, const QString& totalCount);
std::optional<QString> NextPageOffset(const QString& offset, const QString& totalCount);
/** The last full page: total minus one page, never below "0". */
std::optional<QString> LastPageOffset(const QString& offset, const QString& totalCount);
