#include "ExportTestSupport.h"
#include "export/DownloadPage.h"
#include "export/FolderExport.h"
#include "language/Language.h"
#include "platform/HttpTransport.h"

#include <QRegularExpression>

namespace {

bool hasCjk(const QString& text)
{
    static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(cjk);
}

/** The shared messages in English for one test; the Chinese of every other test after it. */
class EnglishMessagesTest : public SignedInTest
{
protected:
    void SetUp() override
    {
        UseLanguage(Language::English);
        SignedInTest::SetUp();
    }
    void TearDown() override { UseLanguage(Language::Chinese); }
};

// A transport failure is told in English, curl's own words kept in their brackets.
TEST_F(EnglishMessagesTest, TransportFailureKeepsCurlsWords)
{
    service.setFault(DemoService::Endpoint::DownloadPage, {.dropConnection = true});
    const HttpResult result = SendHttpRequest(DownloadPageRequest(QStringLiteral("pc")));
    ASSERT_FALSE(result.detail.text.isEmpty());

    EXPECT_TRUE(FetchDownloadPage(QStringLiteral("pc")).isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    const RecordingDesktop::Message& message = desktop.messages[0];
    EXPECT_TRUE(message.text.endsWith(" (" + result.detail.text + ")"))
        << message.text.toStdString();
    EXPECT_FALSE(hasCjk(message.text + message.title))
        << (message.text + message.title).toStdString();
}

// A walk that cannot read a folder says so in English around the folder's own path, which
// keeps its characters, "%1" included.
TEST_F(EnglishMessagesTest, WalkFailureNamesThePathAsItIs)
{
    const QString path = QStringLiteral("年报 100%1 off");
    service.setFault(DemoService::Endpoint::Files,
                     {.body = R"({"data":[{"cid":"999","n":"年报 100%1 off","t":"1344257890",)"
                              R"("sh":0,"category_file_count":0}],"count":1})",
                      .targetContains = "cid=0&"});
    const WorkingFolder folder;
    WalkScope scope;
    scope.includeSubfolders = true;
    Sha1Cache sha1s;
    EXPECT_EQ(ExportFolder(scope, QStringLiteral("tester"), sha1s, nullptr),
              ExportOutcome::FetchFailed);

    ASSERT_EQ(desktop.messages.size(), 1);
    const RecordingDesktop::Message& message = desktop.messages[0];
    EXPECT_TRUE(message.text.contains("\"" + path + "\" (page 1)")) << message.text.toStdString();
    EXPECT_FALSE(hasCjk(QString(message.text).remove(path) + message.title))
        << message.text.toStdString();
}

} // namespace
