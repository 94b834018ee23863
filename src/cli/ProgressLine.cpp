#include "ProgressLine.h"

#include "Voice.h"

#include <QTextStream>
#include <unistd.h>

namespace {

constexpr qint64 TerminalIntervalMs = 100;
constexpr qint64 PlainIntervalMs = 1000;

} // namespace

ProgressLine::ProgressLine(bool quiet) : m_quiet(quiet), m_terminal(isatty(STDERR_FILENO) == 1)
{
    m_clock.start();
}

QString ProgressLine::text(const ExportCounts& counts) const
{
    return InVoice(tr("folders %1, files %2, pages %3 / %4, %5 s")
                       .arg(counts.foldersWalked)
                       .arg(counts.filesFound)
                       .arg(counts.pagesFetched)
                       .arg(counts.pagesToFetch)
                       .arg(double(m_clock.elapsed()) / 1000.0, 0, 'f', 1));
}

void ProgressLine::report(const ExportCounts& counts)
{
    if (m_quiet)
        return;
    m_counts = counts;
    m_counts.pagesFetched += m_carried.pagesFetched;
    m_counts.pagesToFetch += m_carried.pagesToFetch;
    m_unshown = true;
    // On a terminal the line shows at once; a log gets its first line after an interval, so a
    // quick command writes just its last one.
    const qint64 interval = m_terminal ? TerminalIntervalMs : PlainIntervalMs;
    const qint64 now = m_clock.elapsed();
    const bool due = m_shownAt < 0 ? m_terminal || now >= interval : now - m_shownAt >= interval;
    if (due)
        show(m_counts);
}

void ProgressLine::carryPages()
{
    m_carried.pagesFetched = m_counts.pagesFetched;
    m_carried.pagesToFetch = m_counts.pagesToFetch;
}

void ProgressLine::show(const ExportCounts& counts)
{
    QTextStream err(stderr);
    if (m_terminal) {
        // Back to the line's start and clear it, so a shorter line leaves nothing behind.
        err << "\r\033[K" << text(counts) << Qt::flush;
        m_lineOpen = true;
    } else {
        err << text(counts) << Qt::endl;
    }
    m_shownAt = m_clock.elapsed();
    m_unshown = false;
}

void ProgressLine::finish()
{
    if (m_unshown)
        show(m_counts);
    if (m_lineOpen)
        QTextStream(stderr) << '\n';
    m_lineOpen = false;
}
