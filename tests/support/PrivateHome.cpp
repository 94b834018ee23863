#include "PrivateHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>

void UsePrivateHome(const QTemporaryDir& home, const QByteArray& bus)
{
    for (const auto& [variable, folder] : {std::pair{"HOME", ""},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_DATA_HOME", "data"}}) {
        const QString path = home.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    }
    qunsetenv("DISPLAY");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!bus.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    // D-Bus looks for a session bus in the runtime folder when no address is named.
    const QString runtime = home.filePath(QStringLiteral("run"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}
