#pragma once

#include "DemoService.h"
#include "platform/RecordingDesktop.h"
#include "app/frmTest.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

/** A real frmTest, created offscreen for each test after a demo service has
 *  started on loopback; the Desktop records messages. Starts signed out. */
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /** The window's control named `name`; aborts the test binary when there is none. */
    template <class Control> Control& control(const char* name) const
    {
        auto* found = window->findChild<Control*>(QLatin1String(name));
        if (!found)
            qFatal("the window has no %s named %s", Control::staticMetaObject.className(), name);
        return *found;
    }

    /** Types the account and password and clicks the login button. */
    void logIn(const QString& account, const QString& password);
    /** Signs in with the demo account; the root folder is then listed. */
    void logInAsDemo();
    /** The targets (path and query) of the listing requests received so far. */
    QStringList listingTargets() const;
    /** Double-clicks the folder row named `name` (without the folder marker). */
    void enterFolder(const QString& name);
    /** The list's column-1 texts, in list order. */
    QStringList rowNames() const;
    void forgetTraffic();

    DemoService service;
    RecordingDesktop desktop;
    std::unique_ptr<frmTest> window;
};
