#include "TickedRowsExport.h"

#include "AccountFileName.h"
#include "DownloadPage.h"
#include "ExtractionFormat.h"
#include "LinkResolution.h"
#include "PageSearch.h"
#include "platform/Desktop.h"
#include "platform/GbkText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <optional>

namespace {

struct EncodedSection
{
    QString fileName;
    QByteArray bytes;
};
using EncodedSections = std::array<EncodedSection, 3>;

QList<int> RowsWithoutSha1(const FileList& list)
{
    QList<int> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.isTicked(row) && !list.text(row, Column::PickCode).isEmpty() &&
            IsUnresolved(list.text(row, Column::StandardForm)))
            rows.append(row);
    }
    return rows;
}

// Nothing when every page was fetched; else how the export ends.
std::optional<ExportOutcome> CompleteSha1s(FileList& list, ExportProgress* progress)
{
    const QList<int> rows = RowsWithoutSha1(list);
    const int total = int(rows.size());
    const auto goOn = [&](int done) {
        return !progress || total < 2 || progress->advance(done, total);
    };
    for (int done = 0; done < total; ++done) {
        if (!goOn(done))
            return ExportOutcome::Cancelled;
        const int row = rows[done];
        const QString page = FetchDownloadPage(list.text(row, Column::PickCode));
        if (page.isEmpty())
            return ExportOutcome::FetchFailed;
        const QString sha1 = FindSha1(page);
        if (!sha1.isEmpty())
            ResolveRowSha1(list, row, sha1);
    }
    if (!goOn(total))
        return ExportOutcome::Cancelled;
    return std::nullopt;
}

EncodedSections EncodeSections(const QString& account, const QList<ExportRow>& rows)
{
    const std::array<ExtractionFile, 3> files = ExtractionFileSet(account);
    EncodedSections sections;
    for (std::size_t i = 0; i < files.size(); ++i)
        sections[i] = {files[i].fileName, EncodeGbkText(ExtractionSection(files[i], rows))};
    return sections;
}

// Appends `bytes` with a single write. On failure the file is cut back to its old end, so it
// never keeps part of a section, and `reason` tells why.
bool AppendToFile(const QString& fileName, const QByteArray& bytes, QString& reason)
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
                 ? QStringLiteral("只写入了 %1 字节（共 %2 字节）").arg(written).arg(bytes.size())
                 : file.errorString();
    file.resize(oldSize);
    return false;
}

void ReportWriteFailure(const QString& fileName, const QString& reason,
                        const QStringList& writtenFiles)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    const QString written = writtenFiles.isEmpty() ? QStringLiteral("本次导出没有写入任何文件。")
                                                   : QStringLiteral("本次导出已写入：") +
                                                         writtenFiles.join(QStringLiteral("、"));
    CurrentDesktop().showMessage(QStringLiteral("错误原因:") + path + QStringLiteral(": ") +
                                     reason + QLatin1Char('\n') + written,
                                 QStringLiteral("提示"), Desktop::Icon::Information);
}

ExportOutcome WriteSections(const EncodedSections& sections)
{
    QStringList writtenFiles;
    for (const EncodedSection& section : sections) {
        QString reason;
        if (!AppendToFile(section.fileName, section.bytes, reason)) {
            ReportWriteFailure(section.fileName, reason, writtenFiles);
            return ExportOutcome::WriteFailed;
        }
        writtenFiles.append(section.fileName);
    }
    return ExportOutcome::Written;
}

} // namespace

ExportOutcome ExportTickedRows(FileList& list, const QString& account, ExportProgress* progress)
{
    if (account.isEmpty())
        return ExportOutcome::NoAccount;
    if (!CanNameExportFiles(account)) {
        ReportUnusableAccount(account);
        return ExportOutcome::UnusableAccount;
    }
    if (const std::optional<ExportOutcome> stop = CompleteSha1s(list, progress))
        return *stop;
    return WriteSections(EncodeSections(account, ExportedRows(list)));
}
