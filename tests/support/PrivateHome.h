#pragma once

#include <QByteArray>

class QTemporaryDir;

/** Gives this process, and every program it starts, homes of their own inside `home`: HOME,
 *  XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR point there, so the user's
 *  settings, SHA1 store and data stay untouched. Nor can the user's keyring be reached: no
 *  display to autolaunch a D-Bus from and no session bus, unless `bus` names one (a bus with a
 *  throwaway keyring). */
void UsePrivateHome(const QTemporaryDir& home, const QByteArray& bus = {});
