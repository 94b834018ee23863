#pragma once

#include "export/ExportProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

/** A command's progress on standard error, in the command line's voice: folders walked, files
 * found, pages fetched and the time taken. On a terminal one line rewritten in place (a few times a
 * second); otherwise a plain line at most once a second. Silent when quiet. */
class ProgressLine final : public ExportProgress
{
    Q_DECLARE_TR_FUNCTIONS(ProgressLine)

public:
    explicit ProgressLine(bool quiet);

    void report(const ExportCounts& counts) override;
    /** Keeps the pages fetched so far in the line: the next walk's pages add to them, so that
     *  the walks of one run (a path's steps, then the folder) show as one. */
    void carryPages();
    /** Shows the last counts if they are not shown yet and, on a terminal, ends the line, so
     *  that what follows starts on a line of its own. */
    void finish();

private:
    QString text(const ExportCounts& counts) const;
    void show(const ExportCounts& counts);

    bool m_quiet;
    bool m_terminal;
    QElapsedTimer m_clock;
    qint64 m_shownAt = -1;   // when the last line was shown (ms on m_clock); -1: none yet
    ExportCounts m_counts;   // the last reported, with the pages carried
    ExportCounts m_carried;  // pages of the walks before this one
    bool m_unshown = false;  // m_counts has not been shown
    bool m_lineOpen = false; // a terminal line is waiting for its end
};
