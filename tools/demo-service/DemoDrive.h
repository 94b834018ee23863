#pragma once

#include "DemoDriveIds.h"

#include <QHash>
#include <QList>
#include <QString>

/** One download button of a file's download page: a two-character line label and its address. */
struct DemoDownloadButton
{
    QString label; // e.g. "联通", "电信"
    QString url;   // absolute "http://" address
};

/** A folder of the sample drive. Times are Unix seconds. */
struct DemoFolder
{
    QString cid;
    QString parentCid; // "0" for folders in the root
    QString name;
    qint64 time = 0;
    bool shared = false;
};

/** A file of the sample drive and what its download page shows. */
struct DemoFile
{
    QString fid;
    QString cid; // the folder holding it ("0": the root)
    QString name;
    qint64 size = 0;
    qint64 time = 0; // Unix seconds; listed as text, see DemoDrive::fileTimeText
    bool shared = false;
    QString pickCode;
    QString sha1;                      // as the page writes it; empty: the page shows no SHA1
    QList<DemoDownloadButton> buttons; // in page order; empty: the page has no buttons
};

/** A fixed drive that the demo service serves to every account. Immutable and deterministic:
 *  the same ids, names, sizes, times, pick codes and SHA1s on every run. */
class DemoDrive
{
public:
    /** The sample drive: few entries, chosen to show every case the program meets. */
    static const DemoDrive& sample();
    /** A generated drive for measuring whole-folder work: LargeDriveFileCount files in three
     *  levels of folders below the root, several listing pages in many folders. */
    static const DemoDrive& large();
    /** A generated drive of `fileCount` files (at least one), 40 to a folder, each folder
     *  below the root holding four more: for measuring work on drives of any size. */
    static DemoDrive generated(int fileCount);

    const QList<DemoFolder>& folders() const { return m_folders; }
    const QList<DemoFile>& files() const { return m_files; }

    /** nullptr when the drive has no such folder / file. */
    const DemoFolder* folder(const QString& cid) const;
    const DemoFile* file(const QString& fid) const;
    const DemoFile* fileByPickCode(const QString& pickCode) const;

    QList<const DemoFolder*> subfoldersOf(const QString& cid) const;
    QList<const DemoFile*> filesIn(const QString& cid) const;

    /** A file time as the listing sends it: "yyyy-MM-dd HH:mm" at UTC+8. */
    static QString fileTimeText(qint64 unixSeconds);

private:
    DemoDrive(QList<DemoFolder> folders, QList<DemoFile> files);

    QList<DemoFolder> m_folders;
    QList<DemoFile> m_files;
    // Places in the lists above, so that a drive of many thousand files answers quickly.
    QHash<QString, qsizetype> m_fileByPickCode;
    QHash<QString, QList<qsizetype>> m_subfolders; // by parent folder id
    QHash<QString, QList<qsizetype>> m_filesIn;    // by folder id
};
