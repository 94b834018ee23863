#include "WindowMemory.h"

#include "ExportOptionsDialog.h"
#include "browser/KeptLogin.h"
#include "frmTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>

namespace {

// One group of remembered settings: its name in the file, how it is read from the window and
// how it is given back.
struct RememberedGroup
{
    const char* name;
    void (*save)(const frmTest& window, QSettings& settings);
    void (*restore)(frmTest& window, const QSettings& settings);
};

template <class Control> Control* control(const frmTest& window, const char* name)
{
    return window.findChild<Control*>(QLatin1String(name));
}

void saveLogin(const frmTest& window, QSettings& settings)
{
    if (!window.signedInAccount().isEmpty())
        settings.setValue(QStringLiteral("account"), window.signedInAccount());
}

void restoreLogin(frmTest& window, const QSettings& settings)
{
    const QString account = settings.value(QStringLiteral("account")).toString();
    if (account.isEmpty())
        return;
    control<QLineEdit>(window, "user")->setText(account);
    auto* remember = control<QAction>(window, "CheckRememberPassword");
    if (!remember->isEnabled())
        return;
    const std::optional<QString> password =
        CurrentSecretStore().read(AccountSecretKey(account, SecretKind::Password)).secret;
    if (!password)
        return;
    control<QLineEdit>(window, "pass")->setText(*password);
    // A login with the password the keyring gave keeps it there.
    remember->setChecked(true);
}

void saveGeometry(const frmTest& window, QSettings& settings)
{
    settings.setValue(QStringLiteral("geometry"), window.saveGeometry());
}

void restoreGeometry(frmTest& window, const QSettings& settings)
{
    // Qt moves a window whose saved place lies off every screen back onto one.
    const QByteArray geometry = settings.value(QStringLiteral("geometry")).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

constexpr const char* CategoryOptions[] = {"Option5", "Option1", "Option2", "Option3",
                                           "Option4", "Option7", "Option6"};

void saveChoices(const frmTest& window, QSettings& settings)
{
    for (const char* name : CategoryOptions) {
        if (control<QRadioButton>(window, name)->isChecked())
            settings.setValue(QStringLiteral("category"), QLatin1String(name));
    }
    settings.setValue(QStringLiteral("sort"), control<QComboBox>(window, "Combo1")->currentIndex());
    settings.setValue(QStringLiteral("subfolders"),
                      control<QCheckBox>(window, "CheckSubfolders")->isChecked());
}

void restoreChoices(frmTest& window, const QSettings& settings)
{
    const QString category = settings.value(QStringLiteral("category")).toString();
    for (const char* name : CategoryOptions) {
        if (category == QLatin1String(name))
            control<QRadioButton>(window, name)->setChecked(true);
    }
    auto* sort = control<QComboBox>(window, "Combo1");
    bool isNumber = false;
    const int index = settings.value(QStringLiteral("sort")).toInt(&isNumber);
    if (isNumber && index >= 0 && index < sort->count())
        sort->setCurrentIndex(index);
    control<QCheckBox>(window, "CheckSubfolders")
        ->setChecked(settings.value(QStringLiteral("subfolders")).toBool());
}

// The typed values of the export options under their keys in the file.
constexpr std::pair<const char*, QString ExportOptions::*> ExportOptionKeys[] = {
    {"include", &ExportOptions::includePatterns}, {"exclude", &ExportOptions::excludePatterns},
    {"min_size", &ExportOptions::minSize},        {"max_size", &ExportOptions::maxSize},
    {"folder", &ExportOptions::folder},
};

void saveExportOptions(const frmTest& window, QSettings& settings)
{
    const ExportOptions& options = window.exportOptions();
    for (const auto& [key, value] : ExportOptionKeys)
        settings.setValue(QLatin1String(key), options.*value);
    settings.setValue(QStringLiteral("keep_going"), options.keepGoing);
}

void restoreExportOptions(frmTest& window, const QSettings& settings)
{
    ExportOptions options;
    for (const auto& [key, value] : ExportOptionKeys)
        options.*value = settings.value(QLatin1String(key)).toString();
    options.keepGoing = settings.value(QStringLiteral("keep_going")).toBool();
    // A value the dialog would refuse (edited by hand, or a folder since removed) falls back to
    // its default, so the window never starts with options it could not have accepted.
    for (const ExportOptionProblem& problem : ReadExportOptions(options))
        (options.*problem.value).clear();
    ReadExportOptions(options);
    window.setExportOptions(options);
}

// A further group is one more line here.
constexpr RememberedGroup Groups[] = {
    {"login", saveLogin, restoreLogin},
    {"window", saveGeometry, restoreGeometry},
    {"listing", saveChoices, restoreChoices},
    {"export", saveExportOptions, restoreExportOptions},
};

QString defaultSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zorbel-extract/window.ini");
}

} // namespace

WindowMemory::WindowMemory(frmTest& window, const QString& settingsFile)
    : m_window(window),
      m_settingsFile(settingsFile.isEmpty() ? defaultSettingsFile() : settingsFile)
{
}

void WindowMemory::restore()
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    for (const RememberedGroup& group : Groups) {
        settings.beginGroup(QLatin1String(group.name));
        group.restore(m_window, settings);
        settings.endGroup();
    }
}

void WindowMemory::save() const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    for (const RememberedGroup& group : Groups) {
        settings.beginGroup(QLatin1String(group.name));
        group.save(m_window, settings);
        settings.endGroup();
    }
    settings.sync();
}
