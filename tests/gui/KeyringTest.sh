#!/usr/bin/env bash
# The remembered password against a real Secret Service: a private D-Bus
# session bus with GNOME Keyring unlocked in it, in a scratch home, so that
# the user's own keyring is never touched. Runs the DesktopKeyring tests of
# test_gui there. Exit 77 (ctest: skipped) with the reason on stdout when
# the tools are missing or no Secret Service answers.
set -u
test_gui=$1
for tool in dbus-run-session dbus-send gnome-keyring-daemon; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages dbus, gnome-keyring)"
        exit 77
    fi
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
    XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen
log=$home/test.log
dbus-run-session -- bash -c '
    printf "korvant-test" | gnome-keyring-daemon --foreground --unlock --components=secrets \
        >/dev/null 2>&1 &
    daemon=$!
    for i in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q true && break
        sleep 0.1
    done
    "$0" --gtest_filter="DesktopKeyring.*"
    status=$?
    kill "$daemon" 2>/dev/null
    wait "$daemon" 2>/dev/null
    exit $status
' "$test_gui" 2>&1 | grep -v "Failed to set fd limit" | tee "$log"
status=${PIPESTATUS[0]}
[ "$status" -ne 0 ] && exit "$status"
if grep -q '^\[  SKIPPED \]' "$log"; then
    echo "SKIPPED: the keyring tests did not run against a Secret Service (see above)"
    exit 77
fi
grep -q '^\[  PASSED  \]' "$log"
