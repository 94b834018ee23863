#include "CaseName.h"
#include "DemoDrive.h"
#include "DemoServiceEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <limits>

namespace {

using ListingTest = DemoServiceTest;

std::string FilesTarget(const QString& cid, const QString& order = "user_ptime&asc=0",
                        int offset = 0, int sharedOnly = 0, int limit = 30)
{
    return QStringLiteral("/files?aid=1&cid=%1&o=%2&offset=%3&show_dir=1&limit=%4&source=&"
                          "format=json&type=&star=&is_share=%5&_t=1344257890616")
        .arg(cid, order)
        .arg(offset)
        .arg(limit)
        .arg(sharedOnly)
        .toStdString();
}

std::string ListsTarget(int aid, const QString& order = "user_ptime&asc=0", int offset = 0,
                        int limit = 30)
{
    return QStringLiteral("/lists?aid=%1&cid=0&o=%2&offset=%3&show_dir=1&limit=%4&source=&"
                          "format=json&_t=1326863372053")
        .arg(aid)
        .arg(order)
        .arg(offset)
        .arg(limit)
        .toStdString();
}

QList<QJsonObject> Entries(const QJsonObject& listing)
{
    QList<QJsonObject> entries;
    for (const QJsonValue& entry : listing.value("data").toArray())
        entries.append(entry.toObject());
    return entries;
}

bool IsFolder(const QJsonObject& entry)
{
    return !entry.contains("fid");
}

QStringList Names(const QList<QJsonObject>& entries)
{
    QStringList names;
    for (const QJsonObject& entry : entries)
        names.append(entry.value("n").toString());
    return names;
}

TEST_F(ListingTest, RootListsFoldersThenFilesWithTheirMembers)
{
    const QJsonObject listing = ListingJson(FilesTarget("0"));
    const DemoDrive& drive = DemoDrive::sample();
    const auto total = drive.subfoldersOf("0").size() + drive.filesIn("0").size();
    EXPECT_EQ(listing.value("count").toInteger(), total);
    const QList<QJsonObject> entries = Entries(listing);
    ASSERT_EQ(entries.size(), total);

    const QRegularExpression fileTime("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}$");
    bool filesBegun = false;
    for (const QJsonObject& entry : entries) {
        SCOPED_TRACE(entry.value("n").toString().toStdString());
        EXPECT_TRUE(entry.value("n").isString());
        EXPECT_TRUE(entry.value("sh").isDouble());
        if (IsFolder(entry)) {
            EXPECT_FALSE(filesBegun) << "folders come first";
            const DemoFolder* folder = drive.folder(entry.value("cid").toString());
            ASSERT_NE(folder, nullptr);
            EXPECT_EQ(entry.value("n").toString(), folder->name);
            EXPECT_EQ(entry.value("t").toInteger(), folder->time);
            EXPECT_EQ(entry.value("category_file_count").toInteger(),
                      drive.filesIn(folder->cid).size());
        } else {
            filesBegun = true;
            const DemoFile* file = drive.file(entry.value("fid").toString());
            ASSERT_NE(file, nullptr);
            EXPECT_EQ(entry.value("cid").toString(), "0");
            EXPECT_EQ(entry.value("n").toString(), file->name);
            EXPECT_EQ(entry.value("s").toInteger(), file->size);
            EXPECT_EQ(entry.value("pc").toString(), file->pickCode);
            EXPECT_TRUE(fileTime.match(entry.value("t").toString()).hasMatch());
            EXPECT_EQ(entry.value("sh").toInt(), file->shared ? 1 : 0);
        }
    }
    EXPECT_TRUE(filesBegun);
}

TEST_F(ListingTest, FolderTimesAreUnixSecondsAndFileTimesChinaTimeText)
{
    const QList<QJsonObject> root = Entries(ListingJson(FilesTarget("0")));
    const auto documents = std::find_if(root.begin(), root.end(), [](const QJsonObject& entry) {
        return entry.value("cid").toString() == DemoDriveIds::Documents && IsFolder(entry);
    });
    ASSERT_NE(documents, root.end());
    EXPECT_EQ(documents->value("t").toInteger(), DemoDriveIds::DocumentsTime);
    EXPECT_EQ(DemoDrive::fileTimeText(DemoDriveIds::DocumentsTime), "2012-08-06 20:58");
}

TEST_F(ListingTest, BodyIsAsciiWithLowerCaseUnicodeEscapes)
{
    const httplib::Result result = Get(FilesTarget("0"), DemoCookie());
    ASSERT_TRUE(result);
    for (const char byte : result->body)
        ASSERT_LT(static_cast<unsigned char>(byte), 0x80);
    // 🎬 (U+1F3AC) as a surrogate pair, 周 (U+5468) as one escape.
    EXPECT_NE(result->body.find(R"(\ud83c\udfac \u5468\u672b)"), std::string::npos);
    EXPECT_EQ(result->body.find("\\u5468"), result->body.find("\\u5468\\u672b"));
    EXPECT_EQ(result->get_header_value("Content-Type"), "application/json; charset=utf-8");
}

TEST_F(ListingTest, NamesInEveryScriptSurviveTheEscapes)
{
    const QStringList expected = {QString::fromUtf8(DemoDriveIds::AnimeName),
                                  QString::fromUtf8(DemoDriveIds::MusicName),
                                  DemoDrive::sample().file(DemoDriveIds::EmojiNameFile)->name};
    const QStringList names = Names(Entries(ListingJson(FilesTarget("0"))));
    for (const QString& name : expected)
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    const QStringList anime = Names(Entries(ListingJson(FilesTarget(DemoDriveIds::Anime))));
    EXPECT_TRUE(anime.contains(QStringLiteral("となりのトトロ.mkv")));
}

TEST_F(ListingTest, NestedFoldersThreeLevelsDeep)
{
    const std::pair<const char*, const char*> levels[] = {
        {DemoDriveIds::Root, DemoDriveIds::DocumentsName},
        {DemoDriveIds::Documents, DemoDriveIds::WorkName},
        {DemoDriveIds::Work, DemoDriveIds::ReportName},
    };
    for (const auto& [parent, childName] : levels) {
        const QStringList names = Names(Entries(ListingJson(FilesTarget(parent))));
        EXPECT_TRUE(names.contains(QString::fromUtf8(childName))) << parent;
    }
    const QList<QJsonObject> report = Entries(ListingJson(FilesTarget(DemoDriveIds::Report)));
    EXPECT_FALSE(report.isEmpty());
    EXPECT_TRUE(std::none_of(report.begin(), report.end(), IsFolder));
}

TEST_F(ListingTest, UnknownFolderAnswersErrorWithoutCount)
{
    const httplib::Result result = Get(FilesTarget("987654"), DemoCookie());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body.find("count"), std::string::npos) << result->body;
    EXPECT_NE(result->body.find("\"state\":false"), std::string::npos);
}

TEST_F(ListingTest, EmptyFolderListsNothing)
{
    const QJsonObject listing = ListingJson(FilesTarget(DemoDriveIds::EmptyFolder));
    EXPECT_EQ(listing.value("count").toInteger(-1), 0);
    EXPECT_TRUE(listing.value("data").isArray());
    EXPECT_TRUE(listing.value("data").toArray().isEmpty());
}

struct Refusal
{
    const char* name;
    std::string target;
    std::string cookie;
};

class RefusedListingTest : public DemoServiceTableTest<Refusal>
{
};

TEST_P(RefusedListingTest, AnswersLoginRequiredWithoutCount)
{
    const httplib::Result result = Get(GetParam().target, GetParam().cookie);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, R"({"state":false,"error":"login required","errNo":990001})");
}

INSTANTIATE_TEST_SUITE_P(
    Cookies, RefusedListingTest,
    ::testing::Values(Refusal{"FilesWithoutCookie", FilesTarget("0"), ""},
                      Refusal{"ListsWithoutCookie", ListsTarget(30), ""},
                      Refusal{"UnknownToken", FilesTarget("0"), "OOFA=0123456789abcdef"},
                      Refusal{"EmptyToken", FilesTarget("0"), "OOFA="},
                      Refusal{"OtherCookieName", FilesTarget("0"), "UID=demo"},
                      Refusal{"TokenUnderLongerName", FilesTarget("0"), "OOFAX=abc"}),
    CaseName());

TEST_F(ListingTest, TokenAmongOtherCookiesIsAccepted)
{
    const std::string cookie = "UID=demo; " + DemoCookie() + "; theme=dark";
    const httplib::Result result = Get(FilesTarget("0"), cookie);
    ASSERT_TRUE(result);
    EXPECT_NE(result->body.find("\"count\":"), std::string::npos);
}

struct Window
{
    int offset;
    int limit;
    int expectedEntries;
};

class PagingTest : public DemoServiceTableTest<Window>
{
};

TEST_P(PagingTest, WindowOverThe95EntryFolder)
{
    const Window window = GetParam();
    const QJsonObject listing = ListingJson(
        FilesTarget(DemoDriveIds::Photos, "file_name&asc=1", window.offset, 0, window.limit));
    EXPECT_EQ(listing.value("count").toInt(), DemoDriveIds::PhotosEntryCount);
    const QStringList names = Names(Entries(listing));
    ASSERT_EQ(names.size(), window.expectedEntries);
    for (int i = 0; i < names.size(); ++i) {
        const int number = window.offset + i + 1;
        EXPECT_EQ(names[i], QStringLiteral("IMG_%1.jpg").arg(number, 4, 10, QLatin1Char('0')));
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, PagingTest,
                         ::testing::Values(Window{0, 30, 30}, Window{30, 30, 30},
                                           Window{60, 30, 30}, Window{90, 30, 5}, Window{94, 30, 1},
                                           Window{95, 30, 0}, Window{200, 30, 0}, Window{10, 7, 7},
                                           Window{0, 100, 95}));

TEST_F(ListingTest, PagesTogetherHoldEveryEntryOnce)
{
    for (const QString order : {"user_ptime&asc=0", "file_size&asc=1", "file_name&asc=0"}) {
        QStringList all;
        for (int offset = 0; offset < DemoDriveIds::PhotosEntryCount; offset += 30)
            all += Names(Entries(ListingJson(FilesTarget(DemoDriveIds::Photos, order, offset))));
        EXPECT_EQ(all.size(), DemoDriveIds::PhotosEntryCount) << order.toStdString();
        EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), DemoDriveIds::PhotosEntryCount);
    }
}

struct SortCase
{
    const char* order;
    const char* folder;
    const char* firstFile;
};

class SortTest : public DemoServiceTableTest<SortCase>
{
};

// Compares two entries by the listed key: <0, 0 or >0.
int CompareBy(const QString& key, const QJsonObject& a, const QJsonObject& b)
{
    if (key == "file_name")
        return a.value("n").toString().compare(b.value("n").toString(), Qt::CaseInsensitive);
    if (key == "file_size")
        return a.value("s").toInteger() < b.value("s").toInteger()
                   ? -1
                   : int(a.value("s").toInteger() > b.value("s").toInteger());
    if (IsFolder(a))
        return a.value("t").toInteger() < b.value("t").toInteger()
                   ? -1
                   : int(a.value("t").toInteger() > b.value("t").toInteger());
    return a.value("t").toString().compare(b.value("t").toString());
}

TEST_P(SortTest, ListsInTheRequestedOrder)
{
    const SortCase sort = GetParam();
    const QString order = QString::fromLatin1(sort.order);
    const QString key = order.section('&', 0, 0);
    const bool ascending = order.endsWith("asc=1");

    const QList<QJsonObject> entries =
        Entries(ListingJson(FilesTarget(sort.folder, order, 0, 0, 1000)));
    const auto firstFile = std::find_if_not(entries.begin(), entries.end(), IsFolder);
    ASSERT_NE(firstFile, entries.end());
    EXPECT_EQ(firstFile->value("n").toString(), QString::fromUtf8(sort.firstFile));
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (IsFolder(entries[i - 1]) != IsFolder(entries[i])) {
            EXPECT_TRUE(IsFolder(entries[i - 1])) << "folders come first";
            continue;
        }
        const int comparison = CompareBy(key, entries[i - 1], entries[i]);
        EXPECT_TRUE(ascending ? comparison <= 0 : comparison >= 0)
            << entries[i - 1].value("n").toString().toStdString() << " then "
            << entries[i].value("n").toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SortTest,
    ::testing::Values(SortCase{"file_name&asc=1", DemoDriveIds::BigFiles, "1 GiB 少一字节.bin"},
                      SortCase{"file_name&asc=0", DemoDriveIds::BigFiles, "蓝光原盘 4.2GB.iso"},
                      SortCase{"user_ptime&asc=0", DemoDriveIds::BigFiles, "1 MiB 少一字节.bin"},
                      SortCase{"user_ptime&asc=1", DemoDriveIds::BigFiles, "空文件.txt"},
                      SortCase{"file_size&asc=0", DemoDriveIds::BigFiles, "整盘备份 3TB.tar"},
                      SortCase{"file_size&asc=1", DemoDriveIds::BigFiles, "空文件.txt"},
                      SortCase{"file_name&asc=1", DemoDriveIds::Root, "README.md"},
                      SortCase{"user_ptime&asc=0", DemoDriveIds::Root, "欢迎使用 Zorbel.txt"},
                      SortCase{"file_size&asc=1", DemoDriveIds::Photos, "IMG_0001.jpg"},
                      SortCase{"user_ptime&asc=1", DemoDriveIds::Photos, "IMG_0001.jpg"},
                      SortCase{"user_ptime&asc=0", DemoDriveIds::Photos, "IMG_0078.jpg"},
                      SortCase{"file_size&asc=0", DemoDriveIds::Photos, "IMG_0015.jpg"}));

TEST_F(ListingTest, SharedOnlyFilterKeepsSharedEntriesAndCountsThem)
{
    for (const char* cid : {DemoDriveIds::Root, DemoDriveIds::Movies, DemoDriveIds::Photos}) {
        const QJsonObject all = ListingJson(FilesTarget(cid, "user_ptime&asc=0", 0, 0, 1000));
        const QJsonObject shared = ListingJson(FilesTarget(cid, "user_ptime&asc=0", 0, 1, 1000));
        QStringList expected;
        for (const QJsonObject& entry : Entries(all)) {
            if (entry.value("sh").toInt() == 1)
                expected.append(entry.value("n").toString());
        }
        EXPECT_FALSE(expected.isEmpty()) << cid;
        EXPECT_LT(expected.size(), all.value("count").toInt()) << cid;
        EXPECT_EQ(Names(Entries(shared)), expected) << cid;
        EXPECT_EQ(shared.value("count").toInt(), expected.size()) << cid;
    }
}

TEST_F(ListingTest, SharedAcrossTheDriveOnAid30)
{
    const QJsonObject first = ListingJson(ListsTarget(30));
    // 4 shared folders, 15 shared files and every 7th of the 95 photos.
    EXPECT_EQ(first.value("count").toInt(), 33);
    const QList<QJsonObject> entries =
        Entries(first) + Entries(ListingJson(ListsTarget(30, "user_ptime&asc=0", 30)));
    ASSERT_EQ(entries.size(), 33);
    QSet<QString> parents;
    for (const QJsonObject& entry : entries) {
        EXPECT_EQ(entry.value("sh").toInt(), 1) << entry.value("n").toString().toStdString();
        parents.insert(IsFolder(entry) ? entry.value("pid").toString()
                                       : entry.value("cid").toString());
    }
    EXPECT_GT(parents.size(), 3) << "shared entries come from all over the drive";
}

TEST_F(ListingTest, NewestFilesOnAid32)
{
    const QList<QJsonObject> newest =
        Entries(ListingJson(ListsTarget(32, "user_ptime&asc=0", 0, 1000)));
    ASSERT_EQ(newest.size(), DemoDriveIds::NewestFileCount);
    EXPECT_TRUE(std::none_of(newest.begin(), newest.end(), IsFolder));
    EXPECT_EQ(newest.front().value("fid").toString(), "20001");

    QSet<QString> listed;
    qint64 oldestListed = std::numeric_limits<qint64>::max();
    for (const QJsonObject& entry : newest) {
        const DemoFile* file = DemoDrive::sample().file(entry.value("fid").toString());
        ASSERT_NE(file, nullptr);
        listed.insert(file->fid);
        oldestListed = std::min(oldestListed, file->time);
    }
    for (const DemoFile& file : DemoDrive::sample().files()) {
        if (!listed.contains(file.fid)) {
            EXPECT_LE(file.time, oldestListed) << file.name.toStdString();
        }
    }
    const QJsonObject page = ListingJson(ListsTarget(32, "user_ptime&asc=0", 30));
    EXPECT_EQ(page.value("count").toInt(), DemoDriveIds::NewestFileCount);
    EXPECT_EQ(Entries(page).size(), DemoDriveIds::NewestFileCount - 30);
}

TEST_F(ListingTest, KeyedFormNumbersTheSameEntries)
{
    const std::string target = FilesTarget(DemoDriveIds::Movies);
    const QJsonObject listForm = ListingJson(target);
    service().setListingForm(DemoService::ListingForm::Keyed);
    const httplib::Result keyedResult = Get(target, DemoCookie());
    ASSERT_TRUE(keyedResult);
    const QJsonObject keyed =
        QJsonDocument::fromJson(QByteArray::fromStdString(keyedResult->body)).object();

    ASSERT_TRUE(keyed.value("data").isObject());
    const QJsonObject data = keyed.value("data").toObject();
    const QList<QJsonObject> listed = Entries(listForm);
    ASSERT_EQ(data.size(), listed.size());
    for (qsizetype i = 0; i < listed.size(); ++i)
        EXPECT_EQ(data.value(QString::number(i)).toObject(), listed[i]) << i;
    EXPECT_EQ(keyed.value("count"), listForm.value("count"));
    // Keys stand in page order in the text, and only the keyed form has digit keys before "{".
    EXPECT_LT(keyedResult->body.find("\"9\":{"), keyedResult->body.find("\"10\":{"));
    const QRegularExpression digitKey(R"re("(\d*)":\s*{)re");
    EXPECT_TRUE(QString::fromStdString(keyedResult->body).contains(digitKey));
    service().setListingForm(DemoService::ListingForm::List);
    EXPECT_FALSE(QString::fromStdString(Get(target, DemoCookie())->body).contains(digitKey))
        << "list form";
}

} // namespace
