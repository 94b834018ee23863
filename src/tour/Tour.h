#pragma once

#include "platform/RecordingDesktop.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class frmTest;
class QTreeWidget;
class QTreeWidgetItem;

/** Drives a shown window through the main use against the demo service's
 *  sample drive and saves a PNG of the window after every step into a folder
 *  (created when missing). Message boxes, clipboard and shell-open go to a
 *  RecordingDesktop that echoes them, so nothing waits for a person. Progress and failed
 *  expectations are printed to standard output. */
class Tour
{
    Q_DECLARE_TR_FUNCTIONS(Tour)

public:
    Tour(frmTest& window, const QString& directory);

    /** Runs every step; true when each one reached its expected state. */
    bool run();

private:
    using Action = void (Tour::*)();

    /** Runs one step and saves its screenshot; true when it reached its expected state. */
    bool runStep(const char* name, Action action);
    void runSignedInSteps();
    void saveScreenshot(const QString& fileName);

    void startUp();
    void wrongPassword();
    void logIn();
    void rootListing();
    void enterFolder();
    void bigFolder();
    void nextPage();
    void lastPage();
    void goUp();
    void sharedCategory();
    void videoMarking();
    void tickRows();
    void resolveLink();
    void copyLink();
    void exportTickedRows();
    void openExport();

    void typeAndLogIn(const QString& password);
    void enterFolderNamed(const QString& name);
    void click(const char* buttonName);
    QString textOf(const char* fieldName) const;
    QTreeWidget& list() const;
    QTreeWidgetItem* rowNamed(const QString& name) const;
    int unresolvedTickedRows() const;

    void expect(bool condition, const QString& what);
    void expectText(const char* fieldName, const QString& expected);

    frmTest& m_window;
    QString m_directory;
    RecordingDesktop m_desktop{RecordingDesktop::Echo::ToStandardOutput};
    int m_stepNumber = 0;
    QStringList m_stepFailures;
    int m_failedSteps = 0;
};
