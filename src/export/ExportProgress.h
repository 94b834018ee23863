#pragma once

#include "platform/CancelToken.h"

/** How far an export that fetches pages has come. The ticked-rows export counts only pages. */
struct ExportCounts
{
    int foldersWalked = 0;
    int filesFound = 0;
    int pagesFetched = 0;     // listing and download pages answered or given up, of those known
    int pagesToFetch = 0;     // all of them known so far
    int filesFilteredOut = 0; // files the export's filter left out

    friend bool operator==(const ExportCounts&, const ExportCounts&) = default;
};

/** Progress of an export that fetches pages, shown by the window (a window-modal dialog with
 *  Cancel) or the command line. The export reports on its own thread, between and during its
 *  requests; the user's Cancel sets the token, which stops the export within a fraction of a
 *  second, before anything is written. */
class ExportProgress
{
public:
    virtual ~ExportProgress();

    /** The counts changed. */
    virtual void report(const ExportCounts& counts) = 0;

    CancelToken& cancelToken() { return m_cancel; }

private:
    CancelToken m_cancel;
};
