#include "OutFolder.h"

#include "Interrupt.h"
#include "export/ExtractionFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The folder itself when it exists, else the nearest folder above it that does (a file on the
// way is what exists there).
QString nearestExisting(QString path)
{
    while (!QFileInfo::exists(path))
        path = QFileInfo(path).path();
    return path;
}

} // namespace

QString ExportFilesProblem(const QString& folder, const QString& account)
{
    const QString target = folder.isEmpty() ? QDir::currentPath() : folder;
    const QString existing = nearestExisting(target);
    const QFileInfo place(existing);
    if (!place.isDir())
        return QCoreApplication::translate("OutFolder",
                                           "cannot write into the folder \"%1\": \"%2\" is a file")
            .arg(shown(target), shown(existing));
    if (!place.isWritable() || !place.isExecutable())
        return QCoreApplication::translate(
                   "OutFolder", "cannot write into the folder \"%1\": \"%2\" is read-only")
            .arg(shown(target), shown(existing));
    if (existing != target)
        return {};
    for (const ExtractionFile& file : ExtractionFileSet(account)) {
        const QFileInfo info(QDir(target).filePath(file.fileName));
        if (info.isDir())
            return QCoreApplication::translate(
                       "OutFolder", "cannot write the export file \"%1\": it is a folder")
                .arg(shown(info.filePath()));
        if (info.exists() && !info.isWritable())
            return QCoreApplication::translate(
                       "OutFolder", "cannot write the export file \"%1\": it is read-only")
                .arg(shown(info.filePath()));
    }
    return {};
}

OutFolder::~OutFolder()
{
    removeMade();
}

bool OutFolder::make(const QString& folder)
{
    if (folder.isEmpty())
        return true;
    for (QString level = folder; !QFileInfo::exists(level); level = QFileInfo(level).path())
        m_made.append(level);
    if (!QDir().mkpath(folder)) {
        removeMade();
        return false;
    }
    for (const QString& level : m_made)
        m_paths.push_back(QFile::encodeName(level));
    for (const QByteArray& path : m_paths)
        m_list.push_back(path.constData());
    m_list.push_back(nullptr);
    RemoveOnInterrupt(m_list.data());
    return true;
}

void OutFolder::removeMade()
{
    RemoveOnInterrupt(nullptr);
    for (const QString& level : std::as_const(m_made)) {
        if (QFileInfo::exists(level) && !QDir().rmdir(level))
            break;
    }
    m_made.clear();
}
