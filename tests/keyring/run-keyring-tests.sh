#!/usr/bin/env bash
# Runs the keyring tests against a real Secret Service of their own: a private D-Bus session
# with gnome-keyring-daemon, unlocked with a throwaway password, in a home of its own. The
# daemon ends with the session.
#   run-keyring-tests.sh <test binary> [gtest options]
set -euo pipefail
tests=$1
shift

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data
export XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

# Inside the session: unlock the keyring, then hand the bus to the tests by name (their main
# drops any other bus).
export ZORBEL_TEST_KEYRING_HOME=$home
exec dbus-run-session -- bash -c '
  set -euo pipefail
  eval "$(head -c 24 /dev/urandom | base64 | gnome-keyring-daemon --unlock --components=secrets)"
  export ZORBEL_TEST_BUS=$DBUS_SESSION_BUS_ADDRESS
  exec "$@"' keyring-session "$tests" "$@"
