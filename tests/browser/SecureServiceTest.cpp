#include "DemoService.h"
#include "MemoryFileList.h"
#include "SelfSignedCertificate.h"
#include "browser/FileBrowser.h"
#include "browser/Login.h"
#include "platform/RecordingDesktop.h"
#include "service/endpoints.h"
#include "service/session.h"

#include <gtest/gtest.h>

namespace {

// The demo service over https with a certificate made for this test alone.
class SecureService : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(certificate.error().toStdString(), "");
        ASSERT_TRUE(service.start(
            0, DemoService::TlsFiles{certificate.certificateFile(), certificate.keyFile()}));
        ASSERT_TRUE(service.baseUrl().startsWith(QStringLiteral("https://127.0.0.1:")));
        SetServiceBase(service.baseUrl());
    }

    LoginOutcome logIn()
    {
        return SignInAndList(DemoService::account(), DemoService::password(), browser);
    }

    SelfSignedCertificate certificate;
    DemoService service;
    RecordingDesktop desktop;
    MemoryFileList rows;
    FileBrowser browser{rows};
};

TEST_F(SecureService, TrustedCertificateLogsInAndLists)
{
    SetTrustedCertificateFile(certificate.certificateFile());
    EXPECT_EQ(logIn(), LoginOutcome::SignedIn);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_GT(rows.rowCount(), 0);
    EXPECT_EQ(browser.state().totalCount(), "14");
}

// The password must never travel over a connection whose server is not verified.
TEST_F(SecureService, UntrustedCertificateIsRefusedBeforeTheRequestIsSent)
{
    EXPECT_EQ(logIn(), LoginOutcome::SignedOut);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, "提示1");
    EXPECT_TRUE(desktop.messages[0].text.startsWith(
        QStringLiteral("错误原因:服务器的证书未通过验证，请求未发送 (")))
        << desktop.messages[0].text.toStdString();
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_EQ(SessionCookie(), "");
}

TEST_F(SecureService, UnreadableCertificateFileIsSaidSo)
{
    SetTrustedCertificateFile(certificate.certificateFile() + QStringLiteral(".missing"));
    EXPECT_EQ(logIn(), LoginOutcome::SignedOut);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith(
        QStringLiteral("错误原因:无法读取所信任的证书文件，请求未发送 (")))
        << desktop.messages[0].text.toStdString();
    EXPECT_TRUE(service.requests().isEmpty());
}

} // namespace
