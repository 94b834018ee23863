#include "CaseName.h"
#include "DemoDrive.h"
#include "WindowFixture.h"
#include "service/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace {

/** Signed in, the window shown and active, so that keys reach it as a user's do. */
class WindowKeysTest : public WindowFixture
{
public:
    using WindowFixture::control;
    using WindowFixture::desktop;
    using WindowFixture::listingTargets;

    using WindowFixture::list;
    using WindowFixture::signInAndEnter;
    using WindowFixture::text;

    void SetUp() override
    {
        WindowFixture::SetUp();
        if (!HasFatalFailure())
            showActive();
    }

    QTreeWidgetItem* row(const QString& name) const
    {
        const QList<QTreeWidgetItem*> rows = list().findItems(name, Qt::MatchExactly, 0);
        if (rows.size() != 1)
            qFatal("no single row %s", qPrintable(name));
        return rows.first();
    }
    void makeCurrent(const QString& name) const { list().setCurrentItem(row(name)); }
    void typeLogin(const char* field)
    {
        control<QLineEdit>("user").setText(DemoService::account());
        control<QLineEdit>("pass").setText(DemoService::password());
        control<QLineEdit>(field).setFocus();
    }
    void atPhotoOffset(const char* offset)
    {
        signInAndEnter({DemoDriveIds::PhotosName});
        control<QLineEdit>("Text5").setText(QLatin1String(offset));
        forgetTraffic();
    }
    bool allTicked() const
    {
        for (int i = 0; i < list().topLevelItemCount(); ++i) {
            if (list().topLevelItem(i)->checkState(0) != Qt::Checked)
                return false;
        }
        return list().topLevelItemCount() > 0;
    }
};

struct KeyCase
{
    std::string name;
    const char* focus; // the control that has the focus when the key is pressed
    QKeyCombination key;
    std::function<void(WindowKeysTest&)> arrange;
    std::function<void(WindowKeysTest&)> check;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out)
{
    *out << keyCase.name;
}

const QString Readme = QStringLiteral("README.md");
const QString PhotosRow = QStringLiteral("■") + QString::fromUtf8(DemoDriveIds::PhotosName);
const QString DocumentsRow = QStringLiteral("■") + QString::fromUtf8(DemoDriveIds::DocumentsName);
const QString WorkRow = QStringLiteral("■") + QString::fromUtf8(DemoDriveIds::WorkName);

const KeyCase keyCases[] = {
    {"ReturnInAccountLogsIn", "user", Qt::Key_Return,
     [](WindowKeysTest& t) { t.typeLogin("user"); },
     [](WindowKeysTest& t) {
         EXPECT_FALSE(SessionCookie().isEmpty());
         EXPECT_GT(t.list().topLevelItemCount(), 0);
     }},
    {"ReturnInPasswordLogsIn", "pass", Qt::Key_Enter,
     [](WindowKeysTest& t) { t.typeLogin("pass"); },
     [](WindowKeysTest&) { EXPECT_FALSE(SessionCookie().isEmpty()); }},
    {"ReturnOpensAFolderRow", "ListView1", Qt::Key_Return,
     [](WindowKeysTest& t) {
         t.signInAndEnter({});
         t.makeCurrent(PhotosRow);
     },
     [](WindowKeysTest& t) {
         EXPECT_EQ(t.text("Text3"), QLatin1String(DemoDriveIds::Photos));
         EXPECT_EQ(t.text("Text6"), QString::number(DemoDriveIds::PhotosEntryCount));
     }},
    {"ReturnOnAFileRowResolvesItAsAClick", "ListView1", Qt::Key_Return,
     [](WindowKeysTest& t) {
         t.signInAndEnter({DemoDriveIds::MoviesName});
         t.list().setCurrentItem(t.list().topLevelItem(0));
     },
     [](WindowKeysTest& t) {
         const QTreeWidgetItem* first = t.list().topLevelItem(0);
         EXPECT_EQ(t.text("Text10"), first->text(2));
         EXPECT_FALSE(first->text(4).startsWith(u'#'));
         EXPECT_EQ(t.text("Text3"), QLatin1String(DemoDriveIds::Movies));
     }},
    {"BackspaceGoesUp", "ListView1", Qt::Key_Backspace,
     [](WindowKeysTest& t) {
         t.signInAndEnter({DemoDriveIds::DocumentsName, DemoDriveIds::WorkName});
     },
     [](WindowKeysTest& t) {
         EXPECT_EQ(t.text("Text8"), QStringLiteral("/0/") + QLatin1String(DemoDriveIds::Documents));
         EXPECT_EQ(t.list().currentItem(), t.row(WorkRow)); // the folder just left
     }},
    {"AltUpGoesUp", "ListView1", Qt::ALT | Qt::Key_Up,
     [](WindowKeysTest& t) { t.signInAndEnter({DemoDriveIds::DocumentsName}); },
     [](WindowKeysTest& t) {
         EXPECT_EQ(t.text("Text8"), QStringLiteral("/0"));
         EXPECT_EQ(t.list().currentItem(), t.row(DocumentsRow));
     }},
    {"AltHomeGoesToTheRoot", "ListView1", Qt::ALT | Qt::Key_Home,
     [](WindowKeysTest& t) {
         t.signInAndEnter({DemoDriveIds::DocumentsName, DemoDriveIds::WorkName});
     },
     [](WindowKeysTest& t) {
         EXPECT_EQ(t.text("Text8"), QStringLiteral("/0"));
         EXPECT_EQ(t.listingTargets().size(), 1);
     }},
    {"CtrlPageDownTurnsToTheNextPage", "ListView1", Qt::CTRL | Qt::Key_PageDown,
     [](WindowKeysTest& t) { t.atPhotoOffset("0"); },
     [](WindowKeysTest& t) { EXPECT_EQ(t.text("Text5"), QStringLiteral("30")); }},
    {"CtrlPageUpTurnsToThePreviousPage", "ListView1", Qt::CTRL | Qt::Key_PageUp,
     [](WindowKeysTest& t) { t.atPhotoOffset("60"); },
     [](WindowKeysTest& t) { EXPECT_EQ(t.text("Text5"), QStringLiteral("30")); }},
    {"CtrlShiftPageDownTurnsToTheLastPage", "ListView1", Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown,
     [](WindowKeysTest& t) { t.atPhotoOffset("0"); },
     [](WindowKeysTest& t) { EXPECT_EQ(t.text("Text5"), QStringLiteral("65")); }},
    {"CtrlShiftPageUpTurnsToTheFirstPage", "ListView1", Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp,
     [](WindowKeysTest& t) { t.atPhotoOffset("60"); },
     [](WindowKeysTest& t) { EXPECT_EQ(t.text("Text5"), QStringLiteral("0")); }},
    {"F5ShowsTheSameAnswerAfresh", "ListView1", Qt::Key_F5,
     [](WindowKeysTest& t) {
         t.signInAndEnter({});
         t.row(Readme)->setCheckState(0, Qt::Checked);
     },
     [](WindowKeysTest& t) {
         EXPECT_EQ(t.listingTargets().size(), 1);
         EXPECT_EQ(t.row(Readme)->checkState(0), Qt::Unchecked); // rows built anew
     }},
    {"SpaceTicksTheCurrentRow", "ListView1", Qt::Key_Space,
     [](WindowKeysTest& t) {
         t.signInAndEnter({});
         t.makeCurrent(Readme);
     },
     [](WindowKeysTest& t) { EXPECT_EQ(t.row(Readme)->checkState(0), Qt::Checked); }},
    {"SpaceUnticksATickedRow", "ListView1", Qt::Key_Space,
     [](WindowKeysTest& t) {
         t.signInAndEnter({});
         t.makeCurrent(Readme);
         t.row(Readme)->setCheckState(0, Qt::Checked);
     },
     [](WindowKeysTest& t) { EXPECT_EQ(t.row(Readme)->checkState(0), Qt::Unchecked); }},
    {"CtrlATicksEveryRowAsSelectAll", "ListView1", Qt::CTRL | Qt::Key_A,
     [](WindowKeysTest& t) { t.signInAndEnter({}); },
     [](WindowKeysTest& t) {
         EXPECT_TRUE(t.allTicked());
         EXPECT_TRUE(t.control<QCheckBox>("Check1").isChecked());
     }},
    {"CtrlAAgainTicksRowsUntickedSince", "ListView1", Qt::CTRL | Qt::Key_A,
     [](WindowKeysTest& t) {
         t.signInAndEnter({});
         t.control<QCheckBox>("Check1").setChecked(true);
         t.row(Readme)->setCheckState(0, Qt::Unchecked);
     },
     [](WindowKeysTest& t) { EXPECT_TRUE(t.allTicked()); }},
    {"CtrlCCopiesTheCurrentRowsStandardFormResolved", "ListView1", Qt::CTRL | Qt::Key_C,
     [](WindowKeysTest& t) {
         t.signInAndEnter({DemoDriveIds::MoviesName});
         t.list().setCurrentItem(t.list().topLevelItem(0));
     },
     [](WindowKeysTest& t) {
         const QString standardForm = t.list().topLevelItem(0)->text(4);
         EXPECT_FALSE(standardForm.startsWith(u'#'));
         EXPECT_EQ(t.desktop.clipboardTexts, QList<QString>{standardForm});
     }},
};

class ShortcutTest : public WindowKeysTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(ShortcutTest, KeyReachesItsAction)
{
    const KeyCase& keyCase = GetParam();
    keyCase.arrange(*this);
    if (HasFatalFailure())
        return;
    QWidget& focus = control<QWidget>(keyCase.focus);
    focus.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &focus);
    QTest::keyClick(&focus, keyCase.key.key(), keyCase.key.keyboardModifiers());
    keyCase.check(*this);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Window, ShortcutTest, ::testing::ValuesIn(keyCases), CaseName());

} // namespace
