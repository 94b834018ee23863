#pragma once

#include <QtGlobal>

// The demo service's account and the well-known entries of its sample drive:
// one list for the service, its tests and the program's tour, which walks the
// same drive. Header only, so the program can use it without the service.

/** The account that can always log in to the demo service, and its password. */
namespace DemoAccount {
inline constexpr char Name[] = "demo";
inline constexpr char Password[] = "zorbel-demo";
} // namespace DemoAccount

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

/** The large drive's size: every file and every folder below the root. */
inline constexpr int LargeDriveFileCount = 2020;
inline constexpr int LargeDriveFolderCount = 85;

/** /lists?aid=32 lists this many of the drive's most recently uploaded files. */
inline constexpr int NewestFileCount = 40;

} // namespace DemoDriveIds
