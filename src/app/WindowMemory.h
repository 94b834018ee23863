#pragma once

#include <QString>

class QSettings;
class frmTest;

/** What the program remembers of its window between runs, in the INI file
 *  "$XDG_CONFIG_HOME/zorbel-extract/window.ini" (never a secret): the account of the last
 *  successful login, the window's size and place, the category, the sort order, "含子目录"
 *  and the export options. The password comes from the keyring instead. The window itself
 *  starts as built; the program restores the remembered state after building it and saves it
 *  when the window has closed. Each group of settings is one entry of a table in
 *  WindowMemory.cpp, so a further group is added there alone. */
class WindowMemory
{
public:
    /** `window` must outlive the memory. `settingsFile` empty: the file named above. */
    explicit WindowMemory(frmTest& window, const QString& settingsFile = {});

    /** Brings back what was saved: account (and its kept password, ticking "记住密码"),
     *  choices and geometry, the window kept on a screen, and the export options, each value the
     *  options dialog would refuse (a folder since removed, say) dropped to its default. Sends no
     *  request. */
    void restore();
    /** Writes the window's state now. */
    void save() const;

    /** The settings file used. */
    const QString& settingsFile() const { return m_settingsFile; }

private:
    frmTest& m_window;
    QString m_settingsFile;
};
