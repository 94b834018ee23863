#include "WindowBenchSupport.h"

#include "service/endpoints.h"

#include <QApplication>
#include <QFile>
#include <string>

void EnsureWidgetApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static std::string name = "zorbel-window-bench";
    static char* argv[] = {name.data(), nullptr};
    // Never destroyed: at exit it would go after the statics its devices still use.
    static const auto* application = new QApplication(argc, argv);
    (void)application;
}

DemoWindow::DemoWindow()
{
    running = service.start();
    if (running)
        SetServiceBase(service.baseUrl());
    window.show();
}

namespace {

QByteArray Entry(int index)
{
    // "家庭聚会 第N段" and an extension, as \u escapes like the service's names.
    const char* const extensions[] = {".avi", ".txt", ".jpg"};
    return QStringLiteral(
               R"({"fid":"%1","cid":"0","n":"\u5bb6\u5ead\u805a\u4f1a \u7b2c%1\u6bb5%2",)"
               R"("s":"1048576","t":"2012-08-06 20:58","pc":"pc%1x",)"
               R"("sha1":"A94A8FE5CCB19BA61C4C0873D391E987982FBBD3","sh":"0","ico":"avi"})")
        .arg(index)
        .arg(QLatin1String(extensions[index % 3]))
        .toUtf8();
}

QByteArray Listing(const QByteArrayList& entries)
{
    return R"({"state":true,"count":)" + QByteArray::number(entries.size()) + R"(,"data":[)" +
           entries.join(',') + "]}";
}

} // namespace

QByteArray ListingOfEntries(int entries)
{
    QByteArrayList texts;
    texts.reserve(entries);
    for (int i = 0; i < entries; ++i)
        texts.append(Entry(i));
    return Listing(texts);
}

QByteArray ListingOfSize(qsizetype bytes)
{
    QByteArrayList texts;
    qsizetype size = 0;
    for (int i = 0; size < bytes; ++i) {
        texts.append(Entry(i));
        size += texts.constLast().size() + 1;
    }
    return Listing(texts);
}

long ProcessMemoryKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void ResetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}
