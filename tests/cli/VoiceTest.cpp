#include "cli/Voice.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

// Each line of a message, as a window box shows it, becomes a line of the command line's own:
// its name first, then the line with a small first letter, unless the first word is an acronym.
TEST(VoiceTest, EveryLineStartsWithTheProgramAndASmallLetter)
{
    const struct
    {
        const char* message;
        const char* said;
    } cases[] = {
        {"Login failed! Check the account", "zorbel-extract: login failed! Check the account"},
        {"SHA1 store \"a\" cannot be used", "zorbel-extract: SHA1 store \"a\" cannot be used"},
        {"HTTP error code: 503", "zorbel-extract: HTTP error code: 503"},
        {"ZORBEL_SERVICE: --service needs", "zorbel-extract: ZORBEL_SERVICE: --service needs"},
        {"A folder", "zorbel-extract: a folder"},
        {"Reason: /tmp/x: denied\n\nNothing was written.\n",
         "zorbel-extract: reason: /tmp/x: denied\nzorbel-extract: nothing was written."},
        {"Written:\n    /a: Refused", "zorbel-extract: written:\nzorbel-extract:     /a: Refused"},
        {"登陆失败！请确认账户和密码", "zorbel-extract: 登陆失败！请确认账户和密码"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InVoice(QString::fromUtf8(c.message)), QString::fromUtf8(c.said)) << c.message;
}

} // namespace
