#pragma once

#include <QList>
#include <QString>

/** One download button of a file's download page: a two-character line label and its address. */
struct DemoDownloadButton
{
    QString label; // e.g. "联通", "电信"
    QString url;   // absolute "http://" address
};

/** A folder of the sample drive. Times are Unix seconds. */
struct DemoFolder
{
    QString cid;
    QString parentCid; // "0" for folders in the root
    QString name;
    qint64 time = 0;
    bool shared = false;
};

/** A file of the sample drive and what its download page shows. */
struct DemoFile
{
    QString fid;
    QString cid; // the folder holding it ("0": the root)
    QString name;
    qint64 size = 0;
    qint64 time = 0; // Unix seconds; listed as text, see DemoDrive::fileTimeText
    bool shared = false;
    QString pickCode;
    QString sha1;                      // as the page writes it; empty: the page shows no SHA1
    QList<DemoDownloadButton> buttons; // in page order; empty: the page has no buttons
};

/** The fixed sample drive that the demo service serves to every account. Immutable and
 *  deterministic: the same ids, names, sizes, times, pick codes and SHA1s on every run. */
class DemoDrive
{
public:
    static const DemoDrive& sample();

    const QList<DemoFolder>& folders() const { return m_folders; }
    const QList<DemoFile>& files() const { return m_files; }

    /** nullptr when the drive has no such folder / file. */
    const DemoFolder* folder(const QString& cid) const;
    const DemoFile* file(const QString& fid) const;
    const DemoFile* fileByPickCode(const QString& pickCode) const;

    QList<const DemoFolder*> subfoldersOf(const QString& cid) const;
    QList<const DemoFile*> filesIn(const QString& cid) const;

    /** A file time as the listing sends it: "yyyy-MM-dd HH:mm" at UTC+8. */
    static QString fileTimeText(qint64 unixSeconds);

private:
    DemoDrive();

    QList<DemoFolder> m_folders;
    QList<DemoFile> m_files;
};

/** Well-known entries of the sample drive, for tests and demonstrations. Names are UTF-8. */
namespace DemoDriveIds {

inline constexpr char Root[] = "0";

// Three folder levels: 我的文档 / 工作 / 2012 年度报告.
inline constexpr char Documents[] = "1001";
inline constexpr char DocumentsName[] = "我的文档";
inline constexpr qint64 DocumentsTime = 1344257890; // 2012-08-06 20:58:10 at UTC+8
inline constexpr char Work[] = "1011";
inline constexpr char WorkName[] = "工作";
inline constexpr char Report[] = "1021";
inline constexpr char ReportName[] = "2012 年度报告";

// Twelve videos, one per extension in lower and in upper case, and some non-videos.
inline constexpr char Movies[] = "1002";
inline constexpr char MoviesName[] = "电影";
inline constexpr char Anime[] = "1003";
inline constexpr char AnimeName[] = "アニメ";
// Exactly PhotosEntryCount files, IMG_0001.jpg to IMG_0095.jpg; every 7th is shared.
inline constexpr char Photos[] = "1004";
inline constexpr char PhotosName[] = "相册 2012";
inline constexpr int PhotosEntryCount = 95;
inline constexpr char Music[] = "1005";
inline constexpr char MusicName[] = "音乐 🎵";
// Sizes at the edges of every unit, up to 3 TiB.
inline constexpr char BigFiles[] = "1006";
inline constexpr char BigFilesName[] = "大文件";
inline constexpr char EmptyFolder[] = "1007";
inline constexpr char EmptyFolderName[] = "空文件夹";
inline constexpr char SharedFolder[] = "1008";
inline constexpr char SharedFolderName[] = "共享资料";

// Download pages.
inline constexpr char UnicomFirstFile[] = "20101";   // SHA1, buttons 联通 then 电信
inline constexpr char TelecomFirstFile[] = "20102";  // SHA1, buttons 电信 then 联通
inline constexpr char ThreeButtonsFile[] = "20103";  // SHA1, 联通 移动 网通 (no 电信)
inline constexpr char TelecomThirdFile[] = "20104";  // SHA1, 联通 移动 电信
inline constexpr char OnlyTelecomFile[] = "20105";   // SHA1, one button: 电信
inline constexpr char LowerCaseSha1File[] = "20109"; // lower-case SHA1, buttons 电信 then 联通
inline constexpr char NoSha1File[] = "20113";        // no SHA1, buttons 电信 then 联通
inline constexpr char NoButtonsFile[] = "20609";     // SHA1, no buttons (the 1 TiB file)
inline constexpr char NoSha1NoButtonsFile[] = "20114"; // neither

// Sizes.
inline constexpr char ZeroByteFile[] = "20601";      // 0 B
inline constexpr char FourGigabyteFile[] = "20607";  // 4509715660 B ("4.20G")
inline constexpr char ThreeTebibyteFile[] = "20610"; // 3298534883328 B

// Names.
inline constexpr char EmojiNameFile[] = "20002";    // in the root: "🎬 周末观影计划.txt"
inline constexpr char JapaneseNameFile[] = "20201"; // "となりのトトロ.mkv"

/** /lists?aid=32 lists this many of the drive's most recently uploaded files. */
inline constexpr int NewestFileCount = 40;

} // namespace DemoDriveIds
