// Link extraction and export: the page searches on a realistic and on a 4 MiB download page,
// and one export of 30 resolved rows to the three files.
#include "MemoryFileList.h"
#include "export/PageSearch.h"
#include "export/TickedRowsExport.h"
#include "platform/RecordingDesktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString Sha1 = QStringLiteral("A94A8FE5CCB19BA61C4C0873D391E987982FBBD3");

// Page furniture as a download page carries it: site links, a script, text. Links before the
// buttons are relative, as on the service's pages (the button pattern would run from an earlier
// "http://" link to the first button); the footer after the buttons links out.
QString Furniture(int block)
{
    return QStringLiteral("<div class=\"nav\"><a href=\"/c/%1\">分类 %1</a>"
                          " | <a href=\"/help\">帮助</a></div>\n"
                          "<script type=\"text/javascript\">var t%1 = {\"id\": %1, \"s\": "
                          "\"3f2a9c\"};</script>\n"
                          "<p class=\"tip\">温馨提示：下载前请确认文件名与大小，第 %1 条。</p>\n")
        .arg(block);
}

QString Buttons()
{
    return QStringLiteral("<p class=\"sha1\">SHA1：<span>%1</span></p>\n"
                          "<a href=\"http://cdn-cu.zorbel.example/files/abc/a.avi\" class=\"btn\" "
                          "target=\"_blank\">联通下载</a>\n"
                          "<a href=\"http://cdn-ct.zorbel.example/files/abc/a.avi\" class=\"btn\" "
                          "target=\"_blank\">电信下载</a>\n")
        .arg(Sha1);
}

// Furniture up to `utf8Bytes` of UTF-8, then the SHA1 and buttons, then a footer of links.
QString DownloadPage(qsizetype utf8Bytes)
{
    QString head;
    for (int block = 0; head.toUtf8().size() < 4096; ++block)
        head += Furniture(block);
    const QString furniture = head.repeated(qMax<qsizetype>(1, utf8Bytes / head.toUtf8().size()));
    const QString footer =
        QStringLiteral("<div class=\"footer\"><a href=\"http://www.zorbel.example/about\">关于</a>"
                       " <a href=\"http://www.zorbel.example/terms\">条款</a></div>\n");
    return QStringLiteral("<html><head><title>a.avi - Zorbel</title></head><body>\n") + furniture +
           Buttons() + footer + QStringLiteral("</body></html>\n");
}

const QString& RealisticPage()
{
    static const QString page = DownloadPage(48 * 1024);
    return page;
}

const QString& LargePage()
{
    static const QString page = DownloadPage(4 * 1024 * 1024);
    return page;
}

// Thousands of unclosed button starts, then text that looks like a button's end.
const QString& HostilePage()
{
    static const QString page =
        (QStringLiteral("<a href=\"http://") +
         QStringLiteral("\" class=\"btn\" target=\"_self\">电信下载</a>\n").repeated(24))
            .repeated(4000);
    return page;
}

void CountPage(benchmark::State& state, const QString& page)
{
    state.SetBytesProcessed(state.iterations() * page.size() * qsizetype(sizeof(QChar)));
    state.counters["page_chars"] = double(page.size());
}

void BM_FindSha1(benchmark::State& state, const QString& (*page)())
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSha1(page()));
    CountPage(state, page());
}

void BM_PickDownloadLink(benchmark::State& state, const QString& (*page)())
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PickDownloadLink(page()));
    CountPage(state, page());
}

BENCHMARK_CAPTURE(BM_FindSha1, Realistic, RealisticPage);
BENCHMARK_CAPTURE(BM_FindSha1, FourMiB, LargePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindSha1, Hostile, HostilePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PickDownloadLink, Realistic, RealisticPage);
BENCHMARK_CAPTURE(BM_PickDownloadLink, FourMiB, LargePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PickDownloadLink, Hostile, HostilePage)->Unit(benchmark::kMillisecond);

// Thirty resolved rows, as a listing page of files shows them, all ticked.
void FillResolvedRows(MemoryFileList& list)
{
    for (int i = 0; i < 30; ++i) {
        const QString name = QStringLiteral("周末观影计划 第%1集 高清版.mkv").arg(i + 1);
        const QString size = QString::number(700LL * 1024 * 1024 + i);
        list.appendRow({name, QStringLiteral("700.00M"), QStringLiteral("abcdefghij%1").arg(i),
                        QStringLiteral("2013-01-12 21:14"),
                        Sha1 + QStringLiteral("#") + size + QStringLiteral("#") + name,
                        QString::number(20000 + i), QStringLiteral("否")});
        list.setTicked(i, true);
    }
}

void BM_ExportThirtyResolvedRows(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    RecordingDesktop desktop;
    MemoryFileList list;
    FillResolvedRows(list);
    QDir working(folder.path());
    for (auto _ : state) {
        if (ExportTickedRows(list, QStringLiteral("bench")) != ExportOutcome::Written) {
            state.SkipWithError("export failed");
            break;
        }
        state.PauseTiming(); // start every export from new files, so the folder stays small
        for (const QString& file : working.entryList(QDir::Files))
            working.remove(file);
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_ExportThirtyResolvedRows)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
