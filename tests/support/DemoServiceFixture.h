#pragma once

#include "DemoService.h"
#include "QStringPrinter.h"
#include "platform/RecordingDesktop.h"

#include <QStringList>
#include <gtest/gtest.h>

/** A demo service started on loopback for each test and made the service
 *  base, with a desktop that records messages. Nobody is signed in. */
class DemoServiceFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    /** The targets of the listing requests ("/files", "/lists") received so far. */
    QStringList listingTargets() const;
    /** The targets of the download page requests received so far. */
    QStringList downloadTargets() const;
    /** Forgets the requests and messages recorded so far. */
    void forgetTraffic();

    DemoService service;
    RecordingDesktop desktop;
};
