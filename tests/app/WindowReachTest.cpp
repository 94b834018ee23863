#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

namespace {

/** The window shown and active, as a user meets it. */
class WindowReachTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (!HasFatalFailure())
            showActive();
    }

    /** The controls Tab visits from the focused one until it comes back, by object name. */
    QStringList tabRound() const
    {
        QStringList visited;
        QWidget* start = QApplication::focusWidget();
        for (QWidget* at = start; at && visited.size() < 100;) {
            visited.append(at->objectName());
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (at == start)
                break;
        }
        return visited;
    }

    QList<QWidget*> controls() const
    {
        QList<QWidget*> all;
        for (QWidget* parent : {&clientArea(), &control<QWidget>("Frame1")}) {
            for (QWidget* child :
                 parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!child->isWindow())
                    all.append(child);
            }
        }
        return all;
    }
};

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(WindowReachTest, FocusStartsInTheAccountAndTabWalksTheShownControlsInReadingOrder)
{
    EXPECT_EQ(QApplication::focusWidget(), &control<QWidget>("user"));
    EXPECT_EQ(tabRound(), QStringList({"user",
                                       "pass",
                                       "Command11",
                                       "Check2",
                                       "Command16",
                                       "CommandFolderExport",
                                       "CheckSubfolders",
                                       "Check3",
                                       "Combo1",
                                       "Label5",
                                       "Check1",
                                       "Command10",
                                       "Command9",
                                       "Text7",
                                       "Text5",
                                       "Text6",
                                       "Command7",
                                       "Command5",
                                       "Command6",
                                       "Command8",
                                       "ListView1"}));

    // Brought into view, the controls beyond the initial client area are reached too (the
    // category options as one group, whose other options the arrow keys reach).
    window->resize(1500, 800);
    const QStringList wide = tabRound();
    for (const char* side : {"Text8", "Command3", "Text11", "Command15", "Option5"})
        EXPECT_TRUE(wide.contains(QLatin1String(side))) << side;
}

TEST_F(WindowReachTest, EveryControlHasAnAccessibleName)
{
    const QList<QWidget*> all = controls();
    ASSERT_GT(all.size(), 40);
    for (QWidget* widget : all)
        EXPECT_FALSE(AccessibleName(widget).isEmpty()) << widget->objectName().toStdString();

    // Fields take the caption beside them or what they hold; buttons their caption.
    const std::pair<const char*, const char16_t*> named[] = {
        {"user", u"账号"},  {"pass", u"密码"},      {"Text7", u"路径"},  {"Text5", u"偏移"},
        {"Text6", u"总数"}, {"Command11", u"登陆"}, {"Check1", u"全选"}, {"Command9", u"↑"},
    };
    for (const auto& [name, expected] : named)
        EXPECT_EQ(AccessibleName(&control<QWidget>(name)), QString::fromUtf16(expected)) << name;
}

TEST_F(WindowReachTest, ButtonTooltipsNameTheirKeys)
{
    const std::pair<const char*, const char*> keys[] = {
        {"Command11", "Return"},
        {"Command9", "Alt+Up"},
        {"Command9", "Backspace"},
        {"Command10", "Alt+Home"},
        {"Command7", "Ctrl+Shift+PgUp"},
        {"Command5", "Ctrl+PgUp"},
        {"Command6", "Ctrl+PgDown"},
        {"Command8", "Ctrl+Shift+PgDown"},
        {"Check1", "Ctrl+A"},
    };
    // Key names as the run's language writes them ("Alt+上方向" in Chinese).
    for (const auto& [name, key] : keys) {
        const QString shown = QKeySequence(QLatin1String(key)).toString(QKeySequence::NativeText);
        EXPECT_TRUE(control<QWidget>(name).toolTip().contains(shown))
            << name << ": " << control<QWidget>(name).toolTip().toStdString();
    }
}

} // namespace
