#include "DemoDriveIds.h"
#include "WindowBenchSupport.h"
#include "browser/ListingRows.h"
#include "tour/WidgetDriver.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

// Long use in one process: the tour's browsing steps against the demo service, over and over
// (sign in, folders, 500 page turns, 100 row resolutions, 20 exports). Resident memory after
// the run should stay within a few MB of its size after the first 50 steps.

namespace {

class Soak
{
public:
    explicit Soak(DemoWindow& demo)
        : m_window(demo.window), m_list(*demo.window.findChild<QTreeWidget*>("ListView1"))
    {
    }

    void step(const std::function<void()>& action)
    {
        action();
        QApplication::processEvents();
        if (++m_steps == 50)
            m_residentAfterFifty = ProcessMemoryKiB("VmRSS");
    }

    void logIn()
    {
        field("user").setText(DemoService::account());
        field("pass").setText(DemoService::password());
        click("Command11");
    }
    void enterFolder(const char* id)
    {
        for (int row = 0; row < m_list.topLevelItemCount(); ++row) {
            if (m_list.topLevelItem(row)->text(ColumnIndex(Column::Id)) == QLatin1String(id)) {
                DoubleClickRow(m_list, m_list.topLevelItem(row));
                return;
            }
        }
    }
    void turnPage()
    {
        const bool atEnd = field("Text5").text().toInt() + 30 >= field("Text6").text().toInt();
        click(atEnd ? "Command7" : "Command6");
    }
    void resolveRow(int row) { ClickRow(m_list, m_list.topLevelItem(row)); }
    void exportRows(int first)
    {
        for (int row = first; row < first + 3; ++row)
            ClickTickBox(m_list, m_list.topLevelItem(row));
        click("Command16");
    }

    int steps() const { return m_steps; }
    long residentAfterFifty() const { return m_residentAfterFifty; }
    int rows() const { return m_list.topLevelItemCount(); }

private:
    QLineEdit& field(const char* name) { return *m_window.findChild<QLineEdit*>(name); }
    void click(const char* name) { m_window.findChild<QPushButton*>(name)->click(); }

    frmTest& m_window;
    QTreeWidget& m_list;
    int m_steps = 0;
    long m_residentAfterFifty = 0;
};

} // namespace

int main()
{
    EnsureWidgetApplication();
    QTemporaryDir exports;
    QDir::setCurrent(exports.path());
    DemoWindow demo;
    if (!demo.running)
        return 1;
    Soak soak(demo);
    soak.step([&] { soak.logIn(); });
    soak.step([&] { soak.enterFolder(DemoDriveIds::Photos); });
    for (int turn = 1; turn <= 500; ++turn) {
        soak.step([&] { soak.turnPage(); });
        if (turn % 5 == 0)
            soak.step([&] { soak.resolveRow(turn / 5 % soak.rows()); });
        if (turn % 25 == 0)
            soak.step([&] { soak.exportRows(turn / 25 % (soak.rows() - 3)); });
        if (turn % 50 == 0) {
            soak.step([&] { demo.window.findChild<QPushButton*>("Command10")->click(); });
            soak.step([&] { soak.enterFolder(DemoDriveIds::Photos); });
        }
    }
    const long residentAtEnd = ProcessMemoryKiB("VmRSS");
    std::printf("steps: %d, requests served: %lld, messages: %lld\n", soak.steps(),
                static_cast<long long>(demo.service.requests().size()),
                static_cast<long long>(demo.desktop.messages.size()));
    std::printf("resident after 50 steps: %.1f MiB; after the run: %.1f MiB; growth: %.2f MiB\n",
                soak.residentAfterFifty() / 1024.0, residentAtEnd / 1024.0,
                (residentAtEnd - soak.residentAfterFifty()) / 1024.0);
    return 0;
}
