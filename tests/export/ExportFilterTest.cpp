#include "export/ExportFilter.h"

#include "CaseName.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// One pattern and paths it must and must not match (file paths, or folder paths for a
// pattern ending in "/").
struct GlobCase
{
    const char* name;
    QString pattern;
    QStringList matching;
    QStringList other;
};

class GlobTest : public ::testing::TestWithParam<GlobCase>
{
};

TEST_P(GlobTest, MatchesItsPathsAndNoOthers)
{
    FilterProblem problem = FilterProblem::None;
    const std::optional<PathGlob> glob = ParseGlob(GetParam().pattern, problem);
    ASSERT_TRUE(glob) << int(problem);
    for (const QString& path : GetParam().matching)
        EXPECT_TRUE(glob->matches(path)) << path.toStdString();
    for (const QString& path : GetParam().other)
        EXPECT_FALSE(glob->matches(path)) << path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, GlobTest,
    ::testing::Values(
        GlobCase{"NameAtAnyDepth",
                 "*.mkv",
                 {"a.mkv", "电影/b.mkv", "x/y/z/c.MKV"},
                 {"a.mkv.txt", "mkv", "a.mkv/b.txt"}},
        GlobCase{"CaseIgnored", "*.avi", {"D.AVI", "d.Avi"}, {"D.AVIS"}},
        GlobCase{"UnicodeCaseIgnored", "ПРИВЕТ*", {"привет.txt", "a/Привет"}, {"пока.txt"}},
        GlobCase{"SlashAnchorsToTheFolder",
                 "工作/*.txt",
                 {"工作/会议纪要.txt"},
                 {"我的文档/工作/会议纪要.txt", "工作/2012/a.txt", "会议纪要.txt"}},
        GlobCase{"LeadingSlashAnchors", "/README.md", {"README.md", "readme.MD"}, {"a/README.md"}},
        GlobCase{"DoubleStarStepMatchesNoneOrMany",
                 "工作/**/*.docx",
                 {"工作/项目计划书.docx", "工作/2012 年度报告/年度总结.docx", "工作/a/b/c.docx"},
                 {"个人/工作/a.docx", "工作.docx"}},
        GlobCase{"LeadingDoubleStar",
                 "**/年度*",
                 {"年度总结.docx", "a/b/年度总结.docx"},
                 {"a/总结年度.docx"}},
        GlobCase{"TrailingDoubleStar",
                 "工作/**",
                 {"工作/a.txt", "工作/a/b/c.txt"},
                 {"个人/工作/a.txt", "工作"}},
        GlobCase{"DoubleStarInsideAStep", "/a**z", {"az", "a/b/z"}, {"a/b/y"}},
        GlobCase{"QuestionMarkIsOneCharacter",
                 "?.txt",
                 {"a.txt", "😀.txt", "年.txt"},
                 {"ab.txt", ".txt"}},
        GlobCase{"ClassWithRange", "[a-c]*.bin", {"a1.bin", "B2.bin", "c.bin"}, {"d.bin"}},
        GlobCase{"NegatedClass", "[!a-c]?", {"dx", "9y"}, {"ax", "C1"}},
        GlobCase{"CaretNegates", "[^0-9]*", {"x1"}, {"1x"}},
        GlobCase{"BracketFirstIsAMember", "[]a]x", {"]x", "ax"}, {"bx"}},
        GlobCase{"BackslashMakesPlain", "\\*\\?.txt", {"*?.txt"}, {"ab.txt"}},
        GlobCase{"StarStaysInItsStep",
                 "我的文档/*",
                 {"我的文档/读书笔记.txt"},
                 {"我的文档/工作/会议纪要.txt"}},
        GlobCase{"FolderNameAtAnyDepth", "临时/", {"临时", "a/b/临时"}, {"临时文件", "临时/a"}},
        GlobCase{"FolderPath", "工作/2012*/", {"工作/2012 年度报告"}, {"个人/工作/2012"}},
        // Backtracking would take years here; the matcher reads the path once.
        GlobCase{"ManyStarsStayLinear",
                 "*a*a*a*a*a*a*a*a*a*a*a*a*b",
                 {QString(4000, u'a') + u'b'},
                 {QString(4000, u'a')}},
        GlobCase{"ManyDoubleStarsStayLinear",
                 "**/a**/a**/a**/a**/a**/a**/b",
                 {QStringLiteral("a/").repeated(1500) + u'b'},
                 {QStringLiteral("a/").repeated(1500) + u'c'}}),
    CaseName());

TEST(GlobTest, RefusesAnEmptyPatternAndAnUnclosedClass)
{
    const std::pair<QString, FilterProblem> cases[] = {
        {"", FilterProblem::EmptyPattern},     {"/", FilterProblem::EmptyPattern},
        {"a[b", FilterProblem::UnclosedClass}, {"[!", FilterProblem::UnclosedClass},
        {"[]", FilterProblem::UnclosedClass},  {"x/[a-/", FilterProblem::UnclosedClass},
    };
    for (const auto& [pattern, expected] : cases) {
        FilterProblem problem = FilterProblem::None;
        EXPECT_FALSE(ParseGlob(pattern, problem)) << pattern.toStdString();
        EXPECT_EQ(problem, expected) << pattern.toStdString();
    }
}

TEST(SizeTest, ReadsBytesAndPowersOf1024)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    const std::pair<QString, qint64> sizes[] = {
        {"0", 0},
        {"1023", 1023},
        {"1K", 1024},
        {"1k", 1024},
        {"0.5M", 512 * 1024},
        {"1.5G", 1610612736},
        {"1.5g", 1610612736},
        {"0.3K", 307}, // rounded down
        {"3T", qint64(3) << 40},
        {"8388607T", qint64(8388607) << 40},
        {"9223372036854775807", max},
    };
    for (const auto& [text, bytes] : sizes) {
        FilterProblem problem = FilterProblem::None;
        EXPECT_EQ(ParseSize(text, problem), bytes) << text.toStdString();
    }
    const std::pair<QString, FilterProblem> refused[] = {
        {"12Q", FilterProblem::NotASize},
        {"-5", FilterProblem::NotASize},
        {"", FilterProblem::NotASize},
        {"1.", FilterProblem::NotASize},
        {"1 K", FilterProblem::NotASize},
        {"1KB", FilterProblem::NotASize},
        {"8388608T", FilterProblem::SizeTooLarge},
        {"9223372036854775808", FilterProblem::SizeTooLarge},
    };
    for (const auto& [text, expected] : refused) {
        FilterProblem problem = FilterProblem::None;
        EXPECT_FALSE(ParseSize(text, problem)) << text.toStdString();
        EXPECT_EQ(problem, expected) << text.toStdString();
    }
}

PathGlob glob(const QString& pattern)
{
    FilterProblem problem = FilterProblem::None;
    return *ParseGlob(pattern, problem);
}

TEST(ExportFilterTest, KeepsWhatAnIncludeAndNoExcludeMatchesWithinTheBounds)
{
    ExportFilter filter;
    EXPECT_TRUE(filter.isEmpty());
    EXPECT_TRUE(filter.keepsFile("a/b.txt", 0));

    filter.includes = {glob("*.txt"), glob("工作/")};
    filter.excludes = {glob("secret*"), glob("个人/")};
    filter.minSize = 1024;
    filter.maxSize = 2048;
    EXPECT_FALSE(filter.isEmpty());
    const std::pair<QString, bool> files[] = {
        {"a/b.TXT", true},
        {"a/b.doc", false},              // no include
        {"我的文档/工作/x/b.doc", true}, // below a folder an include names
        {"a/secret.txt", false},         // an exclude
        {"个人/b.txt", false},           // below an excluded folder
        {"工作/个人/b.txt", false},
    };
    for (const auto& [path, kept] : files)
        EXPECT_EQ(filter.keepsFile(path, 1500), kept) << path.toStdString();
    // The bounds are inclusive.
    EXPECT_FALSE(filter.keepsFile("b.txt", 1023));
    EXPECT_TRUE(filter.keepsFile("b.txt", 1024));
    EXPECT_TRUE(filter.keepsFile("b.txt", 2048));
    EXPECT_FALSE(filter.keepsFile("b.txt", 2049));
}

TEST(ExportFilterTest, WalksFoldersNoExcludeNamesUpToTheDepth)
{
    ExportFilter filter;
    filter.excludes = {glob("临时/"), glob("*.tmp")};
    EXPECT_TRUE(filter.walksFolder("a/b/c", 3));
    EXPECT_FALSE(filter.walksFolder("临时", 1));
    EXPECT_FALSE(filter.walksFolder("a/临时", 2));
    EXPECT_TRUE(filter.walksFolder("x.tmp", 1)) << "a file pattern names no folder";

    filter.maxDepth = 1;
    EXPECT_TRUE(filter.walksFolder("", 0));
    EXPECT_TRUE(filter.walksFolder("a", 1));
    EXPECT_FALSE(filter.walksFolder("a/b", 2));
    filter.maxDepth = 0;
    EXPECT_TRUE(filter.walksFolder("", 0)) << "the exported folder itself";
    EXPECT_FALSE(filter.walksFolder("a", 1));
}

} // namespace
