#pragma once

#include "DemoServiceFixture.h"
#include "app/frmTest.h"

#include <initializer_list>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

/** A real frmTest, created offscreen for each test after a demo service has
 *  started on loopback; the Desktop records messages. Starts signed out. */
class WindowFixture : public DemoServiceFixture
{
protected:
    void SetUp() override;

    /** The window's control named `name`; aborts the test binary when there is none. */
    template <class Control> Control& control(const char* name) const
    {
        auto* found = window->findChild<Control*>(QLatin1String(name));
        if (!found)
            qFatal("the window has no %s named %s", Control::staticMetaObject.className(), name);
        return *found;
    }

    /** The area below the menu bar that holds every control. */
    QWidget& clientArea() const { return control<QWidget>("ClientArea"); }
    /** Resizes the window so that its client area takes `size`. */
    void resizeClientArea(const QSize& size);
    /** Types the account and password and clicks the login button. */
    void logIn(const QString& account, const QString& password);
    /** Signs in with the demo account; the root folder is then listed. */
    void logInAsDemo();
    /** Double-clicks the folder row named `name` (without the folder marker). */
    void enterFolder(const QString& name);
    /** Signs in with the demo account, enters `folders` (names, each inside the one before)
     *  and forgets the traffic so far. */
    void signInAndEnter(std::initializer_list<const char*> folders);
    /** Shows the window with the client area it is laid out for, 928 × 607: the test screen (the
     *  offscreen platform's, 800 × 800) is narrower, and the window's first show fits it in. */
    void showLaidOut();
    /** Shows it laid out and waits until it is active, so that keys reach it as a user's do. */
    void showActive();
    /** The file list. */
    QTreeWidget& list() const;
    /** The text of the line edit `field`. */
    QString text(const char* field) const;
    /** The row of the listed file `fid`; aborts the test binary when there is none. */
    QTreeWidgetItem* rowOfFile(const char* fid) const;
    /** The list's column-1 texts, in list order. */
    QStringList rowNames() const;

    std::unique_ptr<frmTest> window;
};
