#include "WindowFixture.h"

#include "browser/ListingRows.h"
#include "service/session.h"
#include "tour/WidgetDriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

void WindowFixture::SetUp()
{
    DemoServiceFixture::SetUp();
    if (HasFatalFailure())
        return;
    window = std::make_unique<frmTest>();
}

void WindowFixture::resizeClientArea(const QSize& size)
{
    window->resize(size + window->size() - clientArea().size());
}

void WindowFixture::logIn(const QString& account, const QString& password)
{
    control<QLineEdit>("user").setText(account);
    control<QLineEdit>("pass").setText(password);
    control<QPushButton>("Command11").click();
}

void WindowFixture::logInAsDemo()
{
    logIn(DemoService::account(), DemoService::password());
    ASSERT_FALSE(SessionCookie().isEmpty());
    ASSERT_GT(control<QTreeWidget>("ListView1").topLevelItemCount(), 0);
}

void WindowFixture::enterFolder(const QString& name)
{
    auto& list = control<QTreeWidget>("ListView1");
    const QList<QTreeWidgetItem*> rows = list.findItems(FolderMarker + name, Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1) << "no folder row " << name.toStdString();
    DoubleClickRow(list, rows.first());
}

void WindowFixture::signInAndEnter(std::initializer_list<const char*> folders)
{
    logInAsDemo();
    for (const char* folder : folders)
        enterFolder(QString::fromUtf8(folder));
    forgetTraffic();
}

void WindowFixture::showLaidOut()
{
    window->show();
    resizeClientArea({928, 607});
}

void WindowFixture::showActive()
{
    showLaidOut();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QTreeWidget& WindowFixture::list() const
{
    return control<QTreeWidget>("ListView1");
}

QString WindowFixture::text(const char* field) const
{
    return control<QLineEdit>(field).text();
}

QStringList WindowFixture::rowNames() const
{
    QStringList names;
    const auto& list = control<QTreeWidget>("ListView1");
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        names.append(list.topLevelItem(row)->text(0));
    return names;
}

QTreeWidgetItem* WindowFixture::rowOfFile(const char* fid) const
{
    const auto& list = control<QTreeWidget>("ListView1");
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        if (list.topLevelItem(row)->text(ColumnIndex(Column::Id)) == QLatin1String(fid))
            return list.topLevelItem(row);
    }
    qFatal("no row for file %s", fid);
}
