#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

/** Why the three export files of `account` cannot be written into `folder` (an absolute path;
 *  empty: the working folder), found without creating or changing anything: a folder on the
 *  way that is a file or cannot be written in, or an export file that is a folder or cannot be
 *  written. Empty when they can. */
QString ExportFilesProblem(const QString& folder, const QString& account);

/** The folder an export writes into, made with the folders above it that are missing. What it
 *  made is removed again while it is empty: when it ends, or when a SIGINT ends the program. */
class OutFolder
{
public:
    OutFolder() = default;
    ~OutFolder();
    OutFolder(const OutFolder&) = delete;
    OutFolder& operator=(const OutFolder&) = delete;

    /** Makes `folder` (an absolute path; empty: the working folder, there already); false when
     *  it cannot be made. */
    bool make(const QString& folder);

private:
    void removeMade();

    QStringList m_made;              // the folders made, deepest first
    std::vector<QByteArray> m_paths; // the same, encoded for the interrupt
    std::vector<const char*> m_list; // their texts, null-terminated
};
