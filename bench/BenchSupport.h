#pragma once

#include "DemoService.h"
#include "platform/RecordingDesktop.h"

#include <QString>
#include <string>
#include <vector>

// What the benchmarks against the demo service share: a recording desktop that
// keeps failures for the report, the service on loopback, a bare libcurl GET to compare with,
// and the application for the GUI-thread variants.

/** The text of the last message `desktop` kept, or an empty text: what ended a benchmark run. */
QString LastMessage(const RecordingDesktop& desktop);

/** The demo service on loopback as the service base, a recording desktop current and the
 *  transport ready; nobody signed in. `running` is false when the service could not start. */
struct QuietDemoService
{
    QuietDemoService();

    RecordingDesktop desktop;
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
 *  run as on the window's GUI thread, handling its events between polls. The application stays
 *  for the rest of the run: register the benchmarks that call this last. */
void ensureGuiApplication(const char* programName);
