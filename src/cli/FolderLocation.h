#pragma once

#include <QString>
#include <optional>

class ProgressLine;
struct RetryPolicy;

/** The folder id that a command's FOLDER names: "cid:" and an id as it stands, or a path of
 *  folder names from the root ("/电影/アニメ"; "/" or empty is the root), found by listing each
 *  folder on the way (every page) in `sortOrder`. Nothing when a step is missing or named
 *  twice, or a listing fails; `problem` then says which step and why. Nothing without a
 *  problem after a cancel through `progress`, whose line counts the pages of every step. */
std::optional<QString> ResolveFolder(const QString& folder, const QString& sortOrder,
                                     ProgressLine& progress, const RetryPolicy& policy,
                                     QString& problem);
