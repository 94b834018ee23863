#include "ExtractionFiles.h"

#include "AccountFileName.h"
#include "platform/Desktop.h"
#include "text/GbkText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>

namespace {

struct EncodedSection
{
    QString fileName;
    QByteArray bytes;
};
using EncodedSections = std::array<EncodedSection, 3>;

EncodedSections encodeSections(const QString& account, const QList<ExportRow>& rows,
                               const QString& folder)
{
    const std::array<ExtractionFile, 3> files = ExtractionFileSet(account);
    EncodedSections sections;
    for (std::size_t i = 0; i < files.size(); ++i) {
        sections[i] = {folder.isEmpty() ? files[i].fileName
                                        : QDir(folder).filePath(files[i].fileName),
                       EncodeGbkText(ExtractionSection(files[i], rows))};
    }
    return sections;
}

// Appends `bytes` with a single write. On failure the file is cut back to its old end, so it
// never keeps part of a section, and `reason` tells why.
bool appendToFile(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    const qint64 oldSize = file.size();
    const qint64 written = file.write(bytes);
    if (written == bytes.size())
        return true;
    // A write cut short reports no error of its own (the next one would).
    reason = written > 0
                 ? QCoreApplication::translate("ExtractionFiles", "只写入了 %1 字节（共 %2 字节）")
                       .arg(written)
                       .arg(bytes.size())
                 : file.errorString();
    file.resize(oldSize);
    return false;
}

void reportWriteFailure(const QString& fileName, const QString& reason,
                        const QStringList& writtenFiles)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    const QString written =
        writtenFiles.isEmpty()
            ? NothingWrittenText()
            : QCoreApplication::translate("ExtractionFiles", "本次导出已写入：%1")
                  .arg(writtenFiles.join(QCoreApplication::translate("ExtractionFiles", "、")));
    CurrentDesktop().showMessage(
        QCoreApplication::translate("ExtractionFiles", "错误原因:%1: %2").arg(path, reason) +
            u'\n' + written,
        QCoreApplication::translate("ExtractionFiles", "提示"), Desktop::Icon::Information);
}

ExportOutcome writeSections(const EncodedSections& sections)
{
    QStringList writtenFiles;
    for (const EncodedSection& section : sections) {
        QString reason;
        if (!appendToFile(section.fileName, section.bytes, reason)) {
            reportWriteFailure(section.fileName, reason, writtenFiles);
            return ExportOutcome::WriteFailed;
        }
        writtenFiles.append(section.fileName);
    }
    return ExportOutcome::Written;
}

} // namespace

std::optional<ExportOutcome> RefuseAccount(const QString& account)
{
    if (account.isEmpty())
        return ExportOutcome::NoAccount;
    if (!CanNameExportFiles(account)) {
        ReportUnusableAccount(account);
        return ExportOutcome::UnusableAccount;
    }
    return std::nullopt;
}

QString NothingWrittenText()
{
    return QCoreApplication::translate("ExtractionFiles", "本次导出没有写入任何文件。");
}

ExportOutcome AppendExtractionSections(const QString& account, const QList<ExportRow>& rows,
                                       const QString& folder)
{
    return writeSections(encodeSections(account, rows, folder));
}
