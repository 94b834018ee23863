#include "WindowBenchSupport.h"
#include "service/httpxml.h"

#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>

// A large listing into the window's list: parse, rows and video marking, and the first passes
// over the fresh rows that ticking "标出视频" or "全选" makes. Four times the rows should cost
// about four times the time.

namespace {

/** The window showing `entries` rows of a listing, video marking as `marking` says. */
struct ListedWindow
{
    ListedWindow(int entries, bool marking)
        : listing(UnescapeText(QString::fromUtf8(ListingOfEntries(entries))))
    {
        EnsureWidgetApplication();
        demo = std::make_unique<DemoWindow>();
        browser().setVideoMarking(marking);
    }

    FileBrowser& browser() { return demo->window.browser(); }
    void list()
    {
        browser().state().setResponseText(listing);
        QApplication::processEvents();
    }
    void clear()
    {
        browser().clearListing();
        QApplication::processEvents();
    }

    QString listing;
    std::unique_ptr<DemoWindow> demo;
};

void ListAndMark(benchmark::State& state)
{
    ListedWindow shown(int(state.range(0)), true);
    for (auto _ : state) {
        state.PauseTiming();
        shown.clear();
        state.ResumeTiming();
        shown.list();
    }
    state.counters["rows"] = shown.demo->window.fileList().rowCount();
}

void MarkFreshRows(benchmark::State& state)
{
    ListedWindow shown(int(state.range(0)), false);
    for (auto _ : state) {
        state.PauseTiming();
        shown.browser().setVideoMarking(false);
        shown.clear();
        shown.list();
        state.ResumeTiming();
        shown.browser().setVideoMarking(true);
        QApplication::processEvents();
    }
}

void TickFreshRows(benchmark::State& state)
{
    ListedWindow shown(int(state.range(0)), false);
    auto* tickAll = shown.demo->window.findChild<QCheckBox*>(QStringLiteral("Check1"));
    for (auto _ : state) {
        state.PauseTiming();
        shown.clear();
        shown.list();
        state.ResumeTiming();
        tickAll->setChecked(true);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(ListAndMark)->Arg(50000)->Arg(200000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(MarkFreshRows)->Arg(50000)->Arg(200000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(TickFreshRows)->Arg(50000)->Arg(200000)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
