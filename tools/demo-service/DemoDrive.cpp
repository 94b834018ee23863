#include "DemoDrive.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int ChinaOffsetSeconds = 8 * 3600;

// What a file's download page shows besides its name and size.
enum class Page
{
    Usual,        // upper-case SHA1 and two buttons, 联通/电信 order alternating by id
    UnicomFirst,  // SHA1, 联通 then 电信
    TelecomFirst, // SHA1, 电信 then 联通
    ThreeButtons, // SHA1, 联通 移动 网通
    TelecomThird, // SHA1, 联通 移动 电信
    OnlyTelecom,  // SHA1, 电信
    LowerSha1,    // lower-case SHA1, two buttons
    NoSha1,       // buttons only
    NoButtons,    // SHA1 only
    Bare,         // neither
};

struct FolderRow
{
    const char* cid;
    const char* parentCid;
    const char* name;
    const char* time; // "yyyy-MM-dd HH:mm:ss" at UTC+8
    bool shared;
};

struct FileRow
{
    const char* fid;
    const char* cid;
    const char* name;
    qint64 size;
    const char* time; // "yyyy-MM-dd HH:mm:ss" at UTC+8
    bool shared;
    Page page;
};

const FolderRow Folders[] = {
    {"1001", "0", "我的文档", "2012-08-06 20:58:10", false},
    {"1002", "0", "电影", "2012-11-11 11:11:11", true},
    {"1003", "0", "アニメ", "2012-09-20 19:00:00", false},
    {"1004", "0", "相册 2012", "2012-12-24 18:30:00", true},
    {"1005", "0", "音乐 🎵", "2012-05-20 13:14:00", false},
    {"1006", "0", "大文件", "2013-01-08 02:00:00", false},
    {"1007", "0", "空文件夹", "2011-07-01 12:00:00", false},
    {"1008", "0", "共享资料", "2012-02-29 16:00:00", true},
    {"1011", "1001", "工作", "2012-07-01 09:00:00", false},
    {"1012", "1001", "个人", "2012-04-01 10:00:00", true},
    {"1021", "1011", "2012 年度报告", "2012-12-28 17:45:00", false},
    {"1031", "1003", "ジブリ 資料", "2012-09-21 08:15:30", false},
};

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * KiB;
constexpr qint64 GiB = 1024 * MiB;
constexpr qint64 TiB = 1024 * GiB;

const FileRow Files[] = {
    // The root.
    {"20001", "0", "欢迎使用 Zorbel.txt", 2048, "2013-01-15 09:30:00", false, Page::Usual},
    {"20002", "0", "🎬 周末观影计划.txt", 1536, "2013-01-12 21:14:00", true, Page::Usual},
    {"20003", "0", "家庭聚会 2012.AVI", 700 * MiB, "2012-12-31 23:05:00", false, Page::Usual},
    {"20004", "0", "毕业典礼.wmv", 256 * MiB, "2012-06-30 10:20:00", true, Page::Usual},
    {"20005", "0", "旅行攻略 ✈️ 京都.pdf", 5 * MiB, "2012-10-02 08:45:00", false,
     Page::Usual},
    {"20006", "0", "README.md", 1023, "2012-03-14 15:09:00", false, Page::Usual},
    // 我的文档 / 工作 / 2012 年度报告, and 个人.
    {"20011", "1001", "读书笔记.txt", 4096, "2012-08-01 22:10:00", false, Page::Usual},
    {"20012", "1001", "购物清单.xlsx", 9876, "2012-08-03 12:34:00", false, Page::Usual},
    {"20021", "1011", "会议纪要.txt", 3500, "2012-07-02 10:00:00", false, Page::Usual},
    {"20022", "1011", "项目计划书.docx", 123456, "2012-07-05 16:20:00", true, Page::Usual},
    {"20031", "1021", "年度总结.docx", 456789, "2012-12-28 18:00:00", true, Page::Usual},
    {"20032", "1021", "财务报表 Q4.xlsx", 98765, "2012-12-29 09:15:00", false, Page::Usual},
    {"20033", "1021", "演示文稿.pptx", 10 * MiB, "2012-12-30 14:40:00", false, Page::Usual},
    {"20041", "1012", "简历.pdf", 200 * KiB, "2012-04-02 11:11:00", true, Page::Usual},
    // 电影: the six video extensions in both cases, and names that only look like videos.
    {"20101", "1002", "肖申克的救赎.mkv", 2 * GiB, "2012-11-01 20:00:00", true, Page::UnicomFirst},
    {"20102", "1002", "阿甘正传.AVI", 1400 * MiB, "2012-11-02 20:30:00", false, Page::TelecomFirst},
    {"20103", "1002", "霸王别姬.rmvb", 700 * MiB, "2012-11-03 21:00:00", true, Page::ThreeButtons},
    {"20104", "1002", "功夫.RMVB", 500 * MiB, "2012-11-04 21:30:00", false, Page::TelecomThird},
    {"20105", "1002", "英雄.wmv", 850 * MiB, "2012-11-05 22:00:00", false, Page::OnlyTelecom},
    {"20106", "1002", "卧虎藏龙.WMV", 900 * MiB, "2012-11-06 22:30:00", false, Page::Usual},
    {"20107", "1002", "大话西游.rm", 350 * MiB, "2012-11-07 19:00:00", true, Page::Usual},
    {"20108", "1002", "喜剧之王.RM", 300 * MiB, "2012-11-08 19:30:00", false, Page::Usual},
    {"20109", "1002", "Titanic.avi", 1536 * MiB, "2012-11-09 20:15:00", false, Page::LowerSha1},
    {"20110", "1002", "Inception.flv", 1331 * MiB, "2012-11-10 20:45:00", false, Page::Usual},
    {"20111", "1002", "Avatar.FLV", 1400 * MiB + 123, "2012-11-10 23:59:00", false, Page::Usual},
    {"20112", "1002", "The Matrix.MKV", 2150 * MiB, "2012-11-11 00:01:00", false, Page::Usual},
    {"20113", "1002", "预告片.mp4", 50 * MiB, "2012-11-11 08:00:00", false, Page::NoSha1},
    {"20114", "1002", "字幕合集.zip", MiB - 1, "2012-11-11 09:00:00", false, Page::Bare},
    {"20115", "1002", "avi 格式说明.txt", 1234, "2012-11-11 10:00:00", false, Page::Usual},
    {"20116", "1002", "movie.avi.txt", 777, "2012-11-11 10:30:00", false, Page::Usual},
    // アニメ.
    {"20201", "1003", "となりのトトロ.mkv", 1126 * MiB, "2012-09-20 19:10:00", false, Page::Usual},
    {"20202", "1003", "千と千尋の神隠し.avi", 1434 * MiB, "2012-09-20 19:20:00", true, Page::Usual},
    {"20203", "1003", "もののけ姫.FLV", 800 * MiB, "2012-09-20 19:30:00", false, Page::Usual},
    {"20204", "1003", "天空の城ラピュタ.rmvb", 600 * MiB, "2012-09-20 19:40:00", false,
     Page::Usual},
    {"20205", "1003", "魔女の宅急便.RM", 390 * MiB, "2012-09-20 19:50:00", false, Page::Usual},
    {"20206", "1003", "崖の上のポニョ.WMV", 680 * MiB, "2012-09-20 20:00:00", false, Page::Usual},
    {"20211", "1031", "スタジオジブリ作品一覧.txt", 8 * KiB, "2012-09-21 08:20:00", true,
     Page::Usual},
    // 音乐 🎵.
    {"20301", "1005", "月亮代表我的心.mp3", 4 * MiB, "2012-05-20 13:20:00", false, Page::Usual},
    {"20302", "1005", "🎸 吉他独奏.flac", 30 * MiB, "2012-05-20 13:30:00", true, Page::Usual},
    {"20303", "1005", "夜曲.mp3", 5033164, "2012-05-20 13:40:00", false, Page::Usual},
    {"20304", "1005", "さくら（独唱）.mp3", 4608 * KiB, "2012-05-20 13:50:00", false, Page::Usual},
    {"20305", "1005", "😀😀😀.ogg", MiB + 1, "2012-05-20 14:00:00", false, Page::Usual},
    // 大文件: both sides of every unit boundary.
    {"20601", "1006", "空文件.txt", 0, "2013-01-08 02:01:00", false, Page::Usual},
    {"20602", "1006", "1023 字节.bin", 1023, "2013-01-08 02:02:00", false, Page::Usual},
    {"20603", "1006", "1 KiB.bin", KiB, "2013-01-08 02:03:00", false, Page::Usual},
    {"20604", "1006", "1.5 KiB.bin", 1536, "2013-01-08 02:04:00", false, Page::Usual},
    {"20605", "1006", "1 MiB.bin", MiB, "2013-01-08 02:05:00", false, Page::Usual},
    {"20606", "1006", "1 GiB.iso", GiB, "2013-01-08 02:06:00", true, Page::Usual},
    {"20607", "1006", "蓝光原盘 4.2GB.iso", 4509715660, "2013-01-08 02:07:00", false, Page::Usual},
    {"20608", "1006", "差一字节 1 TiB.img", TiB - 1, "2013-01-08 02:08:00", false, Page::Usual},
    {"20609", "1006", "1 TiB.img", TiB, "2013-01-08 02:09:00", false, Page::NoButtons},
    {"20610", "1006", "整盘备份 3TB.tar", 3 * TiB, "2013-01-08 02:10:00", false, Page::Usual},
    {"20611", "1006", "1 GiB 少一字节.bin", GiB - 1, "2013-01-08 02:11:00", false, Page::Usual},
    {"20612", "1006", "1 MiB 少一字节.bin", MiB - 1, "2013-01-08 02:12:00", false, Page::Usual},
    // 共享资料.
    {"20801", "1008", "分享说明.txt", 512, "2012-02-29 16:05:00", true, Page::Usual},
    {"20802", "1008", "学习资料合集.rar", 2560 * MiB, "2012-03-01 09:00:00", true, Page::Usual},
    {"20803", "1008", "私人笔记.txt", 300, "2012-03-02 21:00:00", false, Page::Usual},
    {"20804", "1008", "公开课 第一讲.mkv", 900 * MiB, "2012-03-03 19:30:00", true, Page::Usual},
};

qint64 chinaTimeToUnix(const char* text)
{
    const QString dateTime = QString::fromLatin1(text);
    const QDate date = QDate::fromString(dateTime.left(10), "yyyy-MM-dd");
    const QTime time = QTime::fromString(dateTime.mid(11), "HH:mm:ss");
    return QDateTime(date, time, Qt::OffsetFromUTC, ChinaOffsetSeconds).toSecsSinceEpoch();
}

QString hashHex(const QString& text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

// Pick codes look like the service's: 17 lower-case letters and digits.
QString pickCodeFor(const QString& fid)
{
    static const char alphabet[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    const QByteArray digest =
        QCryptographicHash::hash("pick-" + fid.toUtf8(), QCryptographicHash::Sha1);
    QString code;
    for (int i = 0; i < 17; ++i)
        code += QLatin1Char(alphabet[static_cast<unsigned char>(digest[i]) % 36]);
    return code;
}

QString sha1For(const DemoFile& file)
{
    // An empty file has the well-known SHA1 of no bytes.
    if (file.size == 0)
        return QStringLiteral("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
    return hashHex("content-" + file.fid + "/" + file.name).toUpper();
}

DemoDownloadButton buttonFor(const DemoFile& file, const QString& label)
{
    static const QList<QPair<QString, QString>> lineHosts = {
        {QStringLiteral("联通"), QStringLiteral("cdn-cu")},
        {QStringLiteral("电信"), QStringLiteral("cdn-ct")},
        {QStringLiteral("移动"), QStringLiteral("cdn-cm")},
        {QStringLiteral("网通"), QStringLiteral("cdn-cnc")},
    };
    QString host;
    for (const auto& [lineLabel, lineHost] : lineHosts) {
        if (lineLabel == label)
            host = lineHost;
    }
    return {label,
            QStringLiteral("http://%1.zorbel.example/files/%2/%3")
                .arg(host, file.pickCode, QString::fromLatin1(QUrl::toPercentEncoding(file.name)))};
}

QStringList buttonLabels(Page page, const QString& fid)
{
    const QString unicom = QStringLiteral("联通");
    const QString telecom = QStringLiteral("电信");
    const QString mobile = QStringLiteral("移动");
    switch (page) {
    case Page::UnicomFirst:
        return {unicom, telecom};
    case Page::TelecomFirst:
        return {telecom, unicom};
    case Page::ThreeButtons:
        return {unicom, mobile, QStringLiteral("网通")};
    case Page::TelecomThird:
        return {unicom, mobile, telecom};
    case Page::OnlyTelecom:
        return {telecom};
    case Page::NoButtons:
    case Page::Bare:
        return {};
    case Page::Usual:
    case Page::LowerSha1:
    case Page::NoSha1:
        break;
    }
    if (fid.toLongLong() % 2 == 0)
        return {unicom, telecom};
    return {telecom, unicom};
}

void describePage(DemoFile& file, Page page)
{
    if (page != Page::NoSha1 && page != Page::Bare)
        file.sha1 = page == Page::LowerSha1 ? sha1For(file).toLower() : sha1For(file);
    for (const QString& label : buttonLabels(page, file.fid))
        file.buttons.append(buttonFor(file, label));
}

DemoFile makeFile(const QString& fid, const QString& cid, const QString& name, qint64 size,
                  qint64 time, bool shared, Page page)
{
    DemoFile file;
    file.fid = fid;
    file.cid = cid;
    file.name = name;
    file.size = size;
    file.time = time;
    file.shared = shared;
    file.pickCode = pickCodeFor(fid);
    describePage(file, page);
    return file;
}

// 相册 2012: 95 photos whose name, time and size orders all differ from one another.
QList<DemoFile> photos()
{
    const qint64 firstTime = chinaTimeToUnix("2012-03-01 09:00:00");
    const int count = DemoDriveIds::PhotosEntryCount;
    QList<DemoFile> photos;
    for (int i = 0; i < count; ++i) {
        const qint64 time = firstTime + qint64((i * 37) % count) * (2 * 86400 + 7 * 60);
        const qint64 size = 1500000 + qint64((i * 61) % count) * 20011;
        photos.append(makeFile(QString::number(30001 + i),
                               QString::fromLatin1(DemoDriveIds::Photos),
                               QStringLiteral("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')),
                               size, time, i % 7 == 0, Page::Usual));
    }
    return photos;
}

QList<DemoFolder> sampleFolders()
{
    QList<DemoFolder> folders;
    for (const FolderRow& row : Folders) {
        folders.append({QString::fromUtf8(row.cid), QString::fromUtf8(row.parentCid),
                        QString::fromUtf8(row.name), chinaTimeToUnix(row.time), row.shared});
    }
    return folders;
}

QList<DemoFile> sampleFiles()
{
    QList<DemoFile> files;
    for (const FileRow& row : Files) {
        files.append(makeFile(QString::fromUtf8(row.fid), QString::fromUtf8(row.cid),
                              QString::fromUtf8(row.name), row.size, chinaTimeToUnix(row.time),
                              row.shared, row.page));
    }
    files.append(photos());
    return files;
}

// The large drive, level by level: how many subfolders and files a folder of each level holds.
// Top folders list on two pages, their subfolders on two, the third level on one.
struct LargeLevel
{
    int subfolders;
    int files;
};
constexpr LargeLevel LargeLevels[] = {{5, 20}, {4, 36}, {3, 40}, {0, 17}};

class LargeDriveBuilder
{
public:
    LargeDriveBuilder() { addFolderContent(QStringLiteral("0"), 0); }

    QList<DemoFolder> folders;
    QList<DemoFile> files;

private:
    void addFolderContent(const QString& cid, int level)
    {
        const LargeLevel shape = LargeLevels[level];
        for (int i = 1; i <= shape.files; ++i) {
            const int serial = int(files.size()) + 1;
            const QString name =
                QStringLiteral("文件 %1-%2.dat").arg(level).arg(serial, 4, 10, QLatin1Char('0'));
            files.append(makeFile(QString::number(500000 + serial), cid, name,
                                  qint64(serial) * 7919 % (64 * MiB), BaseTime + serial * 60,
                                  serial % 5 == 0, Page::Usual));
        }
        for (int i = 1; i <= shape.subfolders; ++i) {
            const QString subfolder = QString::number(400000 + int(folders.size()) + 1);
            folders.append({subfolder, cid,
                            QStringLiteral("第 %1 层 目录 %2").arg(level + 1).arg(i),
                            BaseTime + int(folders.size()) * 3600, i % 3 == 0});
            addFolderContent(subfolder, level + 1);
        }
    }

    static constexpr qint64 BaseTime = 1356969600; // 2013-01-01 00:00:00 at UTC+8
};

// A generated drive: folder i (the root first) holds files 40 i + 1 to 40 i + 40, and folder i
// below the root lies in folder (i - 1) / 4, so every folder lists on two pages.
constexpr int GeneratedFilesPerFolder = 40;
constexpr int GeneratedSubfolders = 4;

} // namespace

DemoDrive DemoDrive::generated(int fileCount)
{
    const int folderCount =
        (std::max(1, fileCount) + GeneratedFilesPerFolder - 1) / GeneratedFilesPerFolder;
    const auto cidOf = [](int folder) {
        return folder == 0 ? QStringLiteral("0") : QString::number(600000 + folder);
    };
    constexpr qint64 baseTime = 1356969600; // 2013-01-01 00:00:00 at UTC+8
    QList<DemoFolder> folders;
    for (int folder = 1; folder < folderCount; ++folder) {
        folders.append({cidOf(folder), cidOf((folder - 1) / GeneratedSubfolders),
                        QStringLiteral("目录 %1").arg(folder), baseTime + folder * 3600,
                        folder % 3 == 0});
    }
    QList<DemoFile> files;
    for (int serial = 1; serial <= std::max(1, fileCount); ++serial) {
        files.append(makeFile(QString::number(700000 + serial),
                              cidOf((serial - 1) / GeneratedFilesPerFolder),
                              QStringLiteral("文件 %1.dat").arg(serial, 6, 10, QLatin1Char('0')),
                              qint64(serial) * 7919 % (64 * MiB), baseTime + serial * 60,
                              serial % 5 == 0, Page::Usual));
    }
    return DemoDrive(std::move(folders), std::move(files));
}

const DemoDrive& DemoDrive::sample()
{
    static const DemoDrive drive(sampleFolders(), sampleFiles());
    return drive;
}

const DemoDrive& DemoDrive::large()
{
    static const DemoDrive drive = [] {
        LargeDriveBuilder builder;
        return DemoDrive(std::move(builder.folders), std::move(builder.files));
    }();
    return drive;
}

DemoDrive::DemoDrive(QList<DemoFolder> folders, QList<DemoFile> files)
    : m_folders(std::move(folders)), m_files(std::move(files))
{
    for (qsizetype i = 0; i < m_folders.size(); ++i)
        m_subfolders[m_folders[i].parentCid].append(i);
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (!m_fileByPickCode.contains(m_files[i].pickCode)) // the first keeps it
            m_fileByPickCode.insert(m_files[i].pickCode, i);
        m_filesIn[m_files[i].cid].append(i);
    }
}

const DemoFolder* DemoDrive::folder(const QString& cid) const
{
    for (const DemoFolder& folder : m_folders) {
        if (folder.cid == cid)
            return &folder;
    }
    return nullptr;
}

const DemoFile* DemoDrive::file(const QString& fid) const
{
    for (const DemoFile& file : m_files) {
        if (file.fid == fid)
            return &file;
    }
    return nullptr;
}

const DemoFile* DemoDrive::fileByPickCode(const QString& pickCode) const
{
    const auto place = m_fileByPickCode.constFind(pickCode);
    return place == m_fileByPickCode.cend() ? nullptr : &m_files[*place];
}

QList<const DemoFolder*> DemoDrive::subfoldersOf(const QString& cid) const
{
    QList<const DemoFolder*> found;
    for (const qsizetype place : m_subfolders.value(cid))
        found.append(&m_folders[place]);
    return found;
}

QList<const DemoFile*> DemoDrive::filesIn(const QString& cid) const
{
    QList<const DemoFile*> found;
    for (const qsizetype place : m_filesIn.value(cid))
        found.append(&m_files[place]);
    return found;
}

QString DemoDrive::fileTimeText(qint64 unixSeconds)
{
    return QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::OffsetFromUTC, ChinaOffsetSeconds)
        .toString("yyyy-MM-dd HH:mm");
}
