#pragma once

#include "DemoService.h"
#include "platform/Desktop.h"

#include <QString>
#include <string>
#include <vector>

// What the benchmarks against the demo service share: a desktop that keeps
// failures quiet, the service on loopback, a bare libcurl GET to compare with,
// and the application for the GUI-thread variants.

/** Keeps failure messages for the benchmark to report instead of showing boxes. */
class QuietDesktop final : public Desktop
{
public:
    void showMessage(const QString& text, const QString&, Icon) override { lastMessage = text; }
    void setClipboardText(const QString&) override {}
    void shellOpen(const QString&) override {}

    QString lastMessage;
};

/** The demo service on loopback as the service base, the quiet desktop current and the
 *  transport ready; nobody signed in. `running` is false when the service could not start. */
struct QuietDemoService
{
    QuietDemoService();

    QuietDesktop desktop;
    DemoService service;
    bool running = false;
};

/** The header lines ServiceRequest sends for a GET, so that a bare GET puts the same bytes on
 *  the wire. */
std::vector<std::string> serviceHeaderLines();

/** One GET on a fresh handle sending `headerLines` and nothing else: no time-outs, caps, checks
 *  or decoding. The body, or an empty string when the transfer failed. */
std::string bareGet(const std::string& url, const std::vector<std::string>& headerLines);

/** Creates the offscreen application named `programName` on the first call, so that transfers
 *  run on a worker thread while this thread waits. The application stays for the rest of the
 *  run: register the benchmarks that call this last. */
void ensureGuiApplication(const char* programName);
