#pragma once

#include "DemoDrive.h"
#include "DemoServiceFixture.h"
#include "MemoryFileList.h"
#include "export/ExportProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/** Makes a fresh temporary folder the process's working folder; restores the old one after. */
class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();

    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    /** The names of the entries the folder holds, sorted. */
    QStringList entries() const;

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

/** Records every progress report, to be read once the export has returned. */
class RecordingProgress final : public ExportProgress
{
public:
    void report(const ExportCounts& counts) override { reports.append(counts); }

    QList<ExportCounts> reports;
};

/** A demo service on loopback with the demo account signed in through the real login request,
 *  a recording desktop and an empty list. */
class SignedInTest : public DemoServiceFixture
{
protected:
    void SetUp() override;

    /** Appends the drive's file `fid` as the listing shows it: unresolved, not ticked. */
    int appendFile(const char* fid);
    /** Appends a folder row (marker, empty pick code and standard form). */
    int appendFolder(const QString& name);

    MemoryFileList rows;
};

/** The drive's file `fid`; fails the test (and returns an empty file) when there is none. */
const DemoFile& DemoFileWithId(const char* fid);

/** The address of the drive's file `fid`'s button labelled `label`. */
QString ButtonUrl(const char* fid, const QString& label);

/** The header line of every export section, in GBK. */
QByteArray HeaderLineBytes();

/** The whole content of the file `fileName`, or an empty array when it cannot be read. */
QByteArray FileBytes(const QString& fileName);
