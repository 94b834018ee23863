#pragma once

#include "DemoServiceFixture.h"
#include "MemoryFileList.h"
#include "browser/FileBrowser.h"

#include <gtest/gtest.h>

/** A file browser over a MemoryFileList, talking to a demo service started on
 *  loopback for each test. Starts signed out; the Desktop records messages. */
class ServiceFixture : public DemoServiceFixture
{
protected:
    /** Signs in with the demo account through the login command. */
    void logIn();
    /** The row whose id column holds `id`, or -1. */
    int rowWithId(const QString& id) const;
    /** Selects the row with `id` and enters it; fails the test when no row has that id. */
    void enterFolder(const QString& id);
    MemoryFileList rows;
    FileBrowser browser{rows};
};

/** Faults of the demo service: answer with `status`, answer `body` with status 200, or
 *  close the connection without an answer. */
DemoService::Fault StatusFault(int status);
DemoService::Fault BodyFault(const QByteArray& body);
DemoService::Fault DroppedConnection();

/** "/files?..." of the listing of `cid` at `offset` in the default order, no filter. */
QString FilesTarget(const QString& cid, const QString& offset);
