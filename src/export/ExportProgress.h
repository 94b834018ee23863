#pragma once

/** Progress of an export that fetches several download pages, shown by the window (n / m with
 *  a Cancel button). The export calls it between its synchronous requests. */
class ExportProgress
{
public:
    virtual ~ExportProgress();

    /** `done` of `total` pages fetched: called with 0 before the first request, after each
     *  request, and last with `done` == `total`. Only called when `total` is 2 or more.
     *  Returns false when the user cancelled; the export then stops and writes nothing. */
    virtual bool advance(int done, int total) = 0;
};
