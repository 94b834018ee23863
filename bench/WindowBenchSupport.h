#pragma once

#include "DemoService.h"
#include "app/frmTest.h"
#include "platform/RecordingDesktop.h"

#include <QByteArray>
#include <QString>

// What the window benchmarks share: the offscreen application, a window against the demo
// service with a quiet desktop, listings of any size, and the process's memory figures.

/** Creates the offscreen widget application on the first call; it stays for the whole run. */
void EnsureWidgetApplication();

/** A shown frmTest against the demo service on loopback; nobody signed in. */
struct DemoWindow
{
    DemoWindow();

    RecordingDesktop desktop;
    DemoService service;
    frmTest window;
    bool running = false;
};

/** A listing answer in the list form with `entries` file entries, their names escaped as the
 *  service writes them; every third one is a video. */
QByteArray ListingOfEntries(int entries);
/** A listing answer of `entries` entries padded to at least `bytes` bytes. */
QByteArray ListingOfSize(qsizetype bytes);

/** A figure of /proc/self/status in KiB ("VmRSS": resident now, "VmHWM": the peak). */
long ProcessMemoryKiB(const char* field);
/** Starts a new peak: VmHWM drops to the resident size of this moment. */
void ResetPeakMemory();
