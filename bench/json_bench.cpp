// The lenient JSON reader against QJsonDocument, RapidJSON (UTF-16 DOM) and
// nlohmann/json on listing responses of 12 KB, 1 MiB and 16 MiB and on a text
// dense with escapes; and the string builder appending many short pieces.
// Each peer gets the text in its own input form, converted before timing.
#include "text/JSON.h"
#include "text/cStringBuilder.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <string>
#include <vector>

namespace {

const char* const FileNames[] = {
    "年会视频.mp4",       "合同扫描件.pdf", "README.txt",  "家庭照片2012.zip",
    "课程录像 第3讲.mkv", "photo_0816.jpg", "备份.tar.gz", "ubuntu-12.04-desktop-amd64.iso",
    "论文终稿.docx",      "电影合集.rar"};
const char* const FolderNames[] = {"我的文档", "照片", "视频", "工作资料", "音乐", "下载"};

QString hexText(unsigned seed, int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += QLatin1Char("0123456789ABCDEF"[(seed >> 16) & 15]);
    }
    return text;
}

QString folderEntry(int i)
{
    const QString name = QString::fromUtf8(FolderNames[i % 6]);
    return QStringLiteral(
               R"({"cid":"%1","aid":1,"pid":"0","n":"%2","m":0,"cc":"","sh":"%3","pc":"",)"
               R"("t":"%4","e":"","p":0,"ns":"%2","category_file_count":%5,"fc":0,)"
               R"("fl":[],"hdf":0,"ispl":0,"issct":0})")
        .arg(1200 + i)
        .arg(name)
        .arg(i % 5 == 0 ? 1 : 0)
        .arg(1344257890 + i * 86400)
        .arg(i * 3 + 7);
}

QString fileEntry(int i)
{
    static const qint64 sizes[] = {1023,       1536,       73400320,     1073741824,
                                   2147483648, 5368709120, 1099511627776};
    const QString name = QString::fromUtf8(FileNames[i % 10]);
    return QStringLiteral(R"({"fid":"%1","uid":1234567,"aid":1,"cid":"1205","n":"%2","s":%3,)"
                          R"("sta":1,"pt":"0","pc":"%4","p":0,"m":0,"t":"2012-08-%5 20:58",)"
                          R"("te":"%6","tp":"%6","d":1,"c":0,"sh":%7,"e":"","ico":"%8",)"
                          R"("class":"","fatr":"0","sha":"%9","q":0,"hdf":0,"fvs":0,"u":"",)"
                          R"("iv":0,"vdi":0,"play_long":2711.46})")
        .arg(61000000 + i * 37)
        .arg(name)
        .arg(sizes[i % 7])
        .arg(hexText(i, 6).toLower())
        .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
        .arg(1344257890 + i)
        .arg(i % 3 == 0 ? 1 : 0)
        .arg(name.section(QLatin1Char('.'), -1))
        .arg(hexText(i + 7, 40));
}

// A listing answer with entries until its UTF-8 form reaches `minimumBytes`
// (at least `minimumEntries` of them).
QString listing(int minimumEntries, qsizetype minimumBytes)
{
    QString entries;
    qsizetype bytes = 0;
    int count = 0;
    while (count < minimumEntries || bytes < minimumBytes) {
        const QString entry = count % 5 == 0 ? folderEntry(count) : fileEntry(count);
        entries += (count ? QStringLiteral(",") : QString()) + entry;
        bytes += entry.toUtf8().size() + 1;
        ++count;
    }
    return QStringLiteral(R"({"data":[%1],"count":%2,"state":true,"error":"","aid":1,"cid":0,)"
                          R"("offset":0,"limit":30,"show_dir":1,"order":"user_ptime","is_asc":0})")
        .arg(entries)
        .arg(count);
}

// Names full of escapes: quotes, backslashes, slashes, control and \u escapes.
QString escapeDense(qsizetype minimumBytes)
{
    const QString name = QStringLiteral(
        R"("\"C:\\\u6587\u4ef6\\\u5907\u4efd\/2012\" \n\t\u4e2d\u6587 \\\"\u0041\u0042\u0043\r\n")");
    QString items;
    while (items.size() < minimumBytes)
        items += (items.isEmpty() ? QString() : QStringLiteral(",")) + QStringLiteral("{\"n\":") +
                 name + QStringLiteral("}");
    return QStringLiteral("{\"data\":[") + items + QStringLiteral("],\"count\":1}");
}

struct Document
{
    const char* name;
    QString text;
    QByteArray utf8;
    std::string utf8String;
};

std::vector<Document>& documents()
{
    static std::vector<Document> all = [] {
        std::vector<Document> made;
        const auto add = [&made](const char* name, const QString& text) {
            const QByteArray utf8 = text.toUtf8();
            made.push_back({name, text, utf8, utf8.toStdString()});
        };
        add("listing30", listing(30, 0));
        add("listing1MiB", listing(30, 1 << 20));
        add("listing16MiB", listing(30, 16 << 20));
        add("escapes", escapeDense(256 << 10));
        return made;
    }();
    return all;
}

[[noreturn]] void fail(const char* parser, const Document& document)
{
    std::fprintf(stderr, "%s could not read %s\n", parser, document.name);
    std::abort();
}

void parseJson(benchmark::State& state, const Document& document)
{
    if (!ParseJson(document.text) || !ParseErrors().isEmpty())
        fail("ParseJson", document);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseJson(document.text));
    state.SetBytesProcessed(state.iterations() * document.utf8.size());
}

void qJsonDocument(benchmark::State& state, const Document& document)
{
    if (QJsonDocument::fromJson(document.utf8).isNull())
        fail("QJsonDocument", document);
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(document.utf8));
    state.SetBytesProcessed(state.iterations() * document.utf8.size());
}

void rapidJsonUtf16(benchmark::State& state, const Document& document)
{
    using Utf16Document = rapidjson::GenericDocument<rapidjson::UTF16<char16_t>>;
    // QString's text is zero-terminated; RapidJSON 1.1 cannot take a length for UTF-16.
    const auto* text = reinterpret_cast<const char16_t*>(document.text.utf16());
    if (Utf16Document().Parse(text).HasParseError())
        fail("RapidJSON", document);
    for (auto _ : state) {
        Utf16Document parsed;
        parsed.Parse(text);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(state.iterations() * document.utf8.size());
}

void nlohmannJson(benchmark::State& state, const Document& document)
{
    if (nlohmann::json::parse(document.utf8String, nullptr, false).is_discarded())
        fail("nlohmann", document);
    for (auto _ : state)
        benchmark::DoNotOptimize(nlohmann::json::parse(document.utf8String));
    state.SetBytesProcessed(state.iterations() * document.utf8.size());
}

// Builds a text of `state.range(0)` bytes (UTF-16) from 8-unit pieces.
void builderAppend(benchmark::State& state)
{
    const QString piece = QStringLiteral("abcdefgh");
    const qsizetype pieces = state.range(0) / 2 / piece.size();
    for (auto _ : state) {
        cStringBuilder builder;
        for (qsizetype i = 0; i < pieces; ++i)
            builder.Append(piece);
        benchmark::DoNotOptimize(builder.toString());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void registerAll()
{
    using Parser = void (*)(benchmark::State&, const Document&);
    const std::pair<const char*, Parser> parsers[] = {{"ParseJson", parseJson},
                                                      {"QJsonDocument", qJsonDocument},
                                                      {"RapidJSON_UTF16", rapidJsonUtf16},
                                                      {"nlohmann", nlohmannJson}};
    for (const Document& document : documents()) {
        for (const auto& [parserName, parser] : parsers) {
            const std::string name = std::string(parserName) + "/" + document.name;
            benchmark::RegisterBenchmark(name.c_str(), parser, std::cref(document))
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RegisterBenchmark("cStringBuilder_Append", builderAppend)
        ->Arg(1 << 20)
        ->Arg(16 << 20)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
