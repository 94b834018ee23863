#include "Tour.h"

#include "DemoDriveIds.h"
#include "WidgetDriver.h"
#include "app/frmTest.h"
#include "browser/FileList.h"
#include "browser/ListingQuery.h"
#include "browser/ListingRequest.h"
#include "browser/ListingRows.h"
#include "browser/ListingState.h"
#include "browser/Login.h"
#include "export/ExtractionFormat.h"
#include "export/LinkResolution.h"
#include "service/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextStream>
#include <QTreeWidget>

namespace {

// The demo service's sample account and the folders of its sample drive that
// the tour walks through.
const QString AccountName = QString::fromUtf8(DemoAccount::Name);
const QString AccountPassword = QString::fromUtf8(DemoAccount::Password);
const QString DocumentsFolder = QString::fromUtf8(DemoDriveIds::DocumentsName);
const QString PhotosFolder = QString::fromUtf8(DemoDriveIds::PhotosName);
constexpr int PhotosEntryCount = DemoDriveIds::PhotosEntryCount;
const QString MoviesFolder = QString::fromUtf8(DemoDriveIds::MoviesName);

constexpr int PageSize = ListingState::PageSize;
constexpr int NewestFirstChoice = 2; // the sort choice the window starts with
constexpr QSize WideWindow(1400, 607);

void print(const QString& line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

QString rectText(const QRect& rect)
{
    return QStringLiteral("%1×%2+%3+%4")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.x())
        .arg(rect.y());
}

QString folderRowName(const QString& name)
{
    return FolderMarker + name;
}

} // namespace

Tour::Tour(frmTest& window, const QString& directory)
    : m_window(window), m_directory(QDir(directory).absolutePath())
{
}

bool Tour::run()
{
    if (!QDir().mkpath(m_directory)) {
        print(tr("tour: cannot create %1").arg(m_directory));
        return false;
    }
    runStep(QT_TR_NOOP("start-up"), &Tour::startUp);
    runStep(QT_TR_NOOP("wrong-password"), &Tour::wrongPassword);
    if (runStep(QT_TR_NOOP("login"), &Tour::logIn))
        runSignedInSteps();
    else
        print(tr("tour: stopped, every further step needs a signed-in window"));
    print(tr("tour: %1 steps, %2 failed; screenshots in %3")
              .arg(m_stepNumber)
              .arg(m_failedSteps)
              .arg(m_directory));
    return m_failedSteps == 0;
}

void Tour::runSignedInSteps()
{
    runStep(QT_TR_NOOP("root-listing"), &Tour::rootListing);
    runStep(QT_TR_NOOP("enter-folder"), &Tour::enterFolder);
    runStep(QT_TR_NOOP("folder-of-95"), &Tour::bigFolder);
    runStep(QT_TR_NOOP("next-page"), &Tour::nextPage);
    runStep(QT_TR_NOOP("last-page"), &Tour::lastPage);
    runStep(QT_TR_NOOP("up"), &Tour::goUp);
    runStep(QT_TR_NOOP("shared-category"), &Tour::sharedCategory);
    runStep(QT_TR_NOOP("video-marking"), &Tour::videoMarking);
    runStep(QT_TR_NOOP("ticked-rows"), &Tour::tickRows);
    runStep(QT_TR_NOOP("row-click-link"), &Tour::resolveLink);
    runStep(QT_TR_NOOP("copy-link"), &Tour::copyLink);
    runStep(QT_TR_NOOP("export"), &Tour::exportTickedRows);
    runStep(QT_TR_NOOP("open-export"), &Tour::openExport);
}

bool Tour::runStep(const char* name, Action action)
{
    ++m_stepNumber;
    m_stepFailures.clear();
    // The screenshot is named by the step's untranslated name, the printed line speaks the run's
    // language.
    const QString number = QStringLiteral("%1").arg(m_stepNumber, 2, 10, QLatin1Char('0'));
    print(tr("tour: %1-%2").arg(number, tr(name)));
    (this->*action)();
    saveScreenshot(QStringLiteral("%1-%2.png").arg(number, QLatin1String(name)));
    if (m_stepFailures.isEmpty())
        return true;
    ++m_failedSteps;
    for (const QString& failure : std::as_const(m_stepFailures))
        print(tr("  FAILED: %1").arg(failure));
    return false;
}

void Tour::saveScreenshot(const QString& fileName)
{
    QApplication::processEvents();
    const QString path = QDir(m_directory).filePath(fileName);
    expect(m_window.grab().save(path), tr("screenshot saved to %1").arg(path));
}

void Tour::startUp()
{
    const auto* sort = m_window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    expect(sort->currentIndex() == NewestFirstChoice,
           tr("the sort choice shows %1").arg(sort->itemText(NewestFirstChoice)));
    const ListingQuery startQuery;
    expectText("Text12", startQuery.categoryCode);
    expectText("Text3", startQuery.folderId);
    expectText("Text2", startQuery.sortOrder);
    expectText("Text5", startQuery.offset);
    expectText("Text8", QStringLiteral("/0"));
    expect(SessionCookie().isEmpty(), tr("no session before login"));
    expect(list().topLevelItemCount() == 0, tr("the list is empty"));
    const QRect area = m_window.screen()->availableGeometry();
    const QRect frame = m_window.frameGeometry();
    expect(area.contains(frame), tr("the window %1 lies inside the screen's available area %2")
                                     .arg(rectText(frame), rectText(area)));
}

void Tour::wrongPassword()
{
    typeAndLogIn(AccountPassword + QStringLiteral("-wrong"));
    const QString refusal = LoginRefusedText();
    expect(!m_desktop.messages.isEmpty() && m_desktop.messages.constLast().text == refusal,
           tr("the refusal is shown"));
    expect(SessionCookie().isEmpty(), tr("still signed out"));
    expect(list().topLevelItemCount() == 0, tr("the list stays empty"));
}

void Tour::logIn()
{
    typeAndLogIn(AccountPassword);
    expect(SessionCookie().startsWith(QStringLiteral("OOFA=")), tr("signed in"));
    expect(list().topLevelItemCount() > 0, tr("the root folder is listed"));
}

void Tour::rootListing()
{
    click("Command2");
    expectText("Text8", QStringLiteral("/0"));
    expectText("Text5", QStringLiteral("0"));
    expect(!textOf("Text6").isEmpty(), tr("the total count is shown"));
    expect(m_window.findChild<QLabel*>(QStringLiteral("Label2"))->text() ==
               QString::number(list().topLevelItemCount()),
           tr("the page item count matches the rows"));
    expect(rowNamed(folderRowName(DocumentsFolder)) != nullptr,
           tr("the folder %1 is listed").arg(DocumentsFolder));
}

void Tour::enterFolder()
{
    QTreeWidgetItem* row = rowNamed(folderRowName(DocumentsFolder));
    const QString id = row ? row->text(ColumnIndex(Column::Id)) : QString();
    enterFolderNamed(DocumentsFolder);
    expectText("Text8", QStringLiteral("/0/") + id);
    expectText("Text7", QLatin1Char('/') + folderRowName(DocumentsFolder));
}

void Tour::bigFolder()
{
    click("Command10");
    enterFolderNamed(PhotosFolder);
    expectText("Text6", QString::number(PhotosEntryCount));
    expectText("Text5", QStringLiteral("0"));
    expect(list().topLevelItemCount() == PageSize, tr("a full page is listed"));
}

void Tour::nextPage()
{
    click("Command6");
    expectText("Text5", QString::number(PageSize));
    expect(list().topLevelItemCount() == PageSize, tr("a full page is listed"));
}

void Tour::lastPage()
{
    click("Command8");
    expectText("Text5", QString::number(PhotosEntryCount - PageSize));
    expect(list().topLevelItemCount() == PageSize, tr("the last 30 entries are listed"));
}

void Tour::goUp()
{
    click("Command9");
    expectText("Text8", QStringLiteral("/0"));
    expectText("Text7", QString());
    expectText("Text5", QStringLiteral("0"));
    QTreeWidgetItem* left = rowNamed(folderRowName(PhotosFolder));
    expect(left != nullptr, tr("the root folder is listed again"));
    expect(left && list().currentItem() == left, tr("the folder just left is the current row"));
}

void Tour::sharedCategory()
{
    m_window.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
    expectText("Text12", CategoryCodeOf(CategoryOption::Shared));
    const int rows = list().topLevelItemCount();
    expect(rows > 0, tr("shared entries are listed"));
    for (int row = 0; row < rows; ++row) {
        // The cell holds the service's flag as data, in no run's language.
        expect(m_window.fileList().text(row, Column::Shared) == QString::fromUtf8(SharedText),
               tr("row %1 is shared").arg(row + 1));
    }
}

void Tour::videoMarking()
{
    m_window.findChild<QRadioButton*>(QStringLiteral("Option5"))->click();
    expectText("Text12", CategoryCodeOf(CategoryOption::MyDrive));
    enterFolderNamed(MoviesFolder);
    m_window.findChild<QCheckBox*>(QStringLiteral("Check2"))->click();
    const FileList& rows = m_window.fileList();
    int marked = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString name = rows.text(row, Column::Name);
        const bool red = rows.textColour(row, Column::Name) == QColor(Qt::red);
        expect(red == IsVideoName(name), (red ? tr("%1 is red") : tr("%1 is not red")).arg(name));
        marked += red ? 1 : 0;
    }
    expect(marked > 0, tr("some video names are marked"));
}

void Tour::tickRows()
{
    for (int row = 0; row < list().topLevelItemCount(); row += 2)
        ClickTickBox(list(), list().topLevelItem(row));
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
        expect(m_window.fileList().isTicked(row) == (row % 2 == 0),
               tr("row %1 shows its tick").arg(row + 1));
    }
}

void Tour::resolveLink()
{
    // Wide enough to show the pick code and link fields right of the list.
    m_window.resize(WideWindow);
    const FileList& rows = m_window.fileList();
    int unresolved = 0;
    while (unresolved < rows.rowCount() && rows.isTicked(unresolved))
        ++unresolved;
    expect(unresolved < rows.rowCount(), tr("an unticked file row is listed"));
    if (unresolved == rows.rowCount())
        return;
    ClickRow(list(), list().topLevelItem(unresolved));
    expect(!textOf("Text11").isEmpty(), tr("a download link is shown"));
    expectText("Text10", rows.text(unresolved, Column::PickCode));
    expect(!IsUnresolved(rows.text(unresolved, Column::StandardForm)),
           tr("the row's SHA1 is found"));
    expect(rows.textColour(unresolved, Column::StandardForm) == ResolvedColour,
           tr("the resolved cell is blue"));
}

void Tour::copyLink()
{
    click("Command14");
    expect(m_desktop.clipboardTexts.endsWith(textOf("Text11")), tr("the link is on the clipboard"));
}

void Tour::exportTickedRows()
{
    QDir::setCurrent(m_directory);
    const int messagesBefore = int(m_desktop.messages.size());
    const int unresolvedBefore = unresolvedTickedRows();
    click("Command16");
    expect(m_desktop.messages.size() == messagesBefore, tr("no message is shown"));
    // A page without a SHA1 leaves its row unresolved; the others gain theirs.
    expect(unresolvedTickedRows() < unresolvedBefore,
           tr("ticked rows gain their SHA1s (%1 unresolved before, %2 after)")
               .arg(unresolvedBefore)
               .arg(unresolvedTickedRows()));
    for (const ExtractionFile& file : ExtractionFileSet(AccountName)) {
        expect(QFileInfo(QDir(m_directory).filePath(file.fileName)).size() > 0,
               tr("%1 is written").arg(file.fileName));
    }
}

int Tour::unresolvedTickedRows() const
{
    const FileList& rows = m_window.fileList();
    int unresolved = 0;
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (rows.isTicked(row) && IsUnresolved(rows.text(row, Column::StandardForm)))
            ++unresolved;
    }
    return unresolved;
}

void Tour::openExport()
{
    click("Command17");
    expect(m_desktop.openedTargets.endsWith(ExtractionFileSet(AccountName)[0].fileName),
           tr("the plain export file is opened"));
}

void Tour::typeAndLogIn(const QString& password)
{
    m_window.findChild<QLineEdit*>(QStringLiteral("user"))->setText(AccountName);
    m_window.findChild<QLineEdit*>(QStringLiteral("pass"))->setText(password);
    click("Command11");
}

void Tour::enterFolderNamed(const QString& name)
{
    QTreeWidgetItem* row = rowNamed(folderRowName(name));
    expect(row != nullptr, tr("the folder %1 is listed").arg(name));
    if (row)
        DoubleClickRow(list(), row);
}

void Tour::click(const char* buttonName)
{
    m_window.findChild<QPushButton*>(QLatin1String(buttonName))->click();
}

QString Tour::textOf(const char* fieldName) const
{
    return m_window.findChild<QLineEdit*>(QLatin1String(fieldName))->text();
}

QTreeWidget& Tour::list() const
{
    return *m_window.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
}

QTreeWidgetItem* Tour::rowNamed(const QString& name) const
{
    const QList<QTreeWidgetItem*> found = list().findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

void Tour::expect(bool condition, const QString& what)
{
    if (!condition)
        m_stepFailures.append(what);
}

void Tour::expectText(const char* fieldName, const QString& expected)
{
    const QString actual = textOf(fieldName);
    expect(actual == expected,
           tr("%1 is \"%2\" (expected \"%3\")").arg(QLatin1String(fieldName), actual, expected));
}
