#!/usr/bin/env bash
# The Debian package of this build: made with cpack, extracted into a
# temporary root (dpkg -x), and its programs, desktop entry and AppStream data
# checked from there. An installed copy keeps its local files in the user's
# configuration folder, seeded with the shipped Server.ini.
#   DebPackageTest.sh BUILD_DIR CPACK
set -euo pipefail
build=$1
cpack=${2:-cpack}
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
sim=""
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack -G DEB"
fi
deb=$(ls "$work"/out/*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 libc6 zlib1g qt6-qpa-plugins fonts-wqy-microhei; do
    [[ "$depends" == *"$dependency"* ]] || fail "no dependency on $dependency"
done

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/korvant-desk usr/bin/korvant-cli usr/bin/korvant-sim \
    usr/share/korvant/Server.ini "usr/share/doc/korvant/柜台管理说明文档.pdf" \
    usr/share/applications/korvant-desk.desktop usr/share/metainfo/org.korvant.desk.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/korvant-desk.png \
    usr/share/icons/hicolor/scalable/apps/korvant-desk.svg usr/lib/systemd/user/korvant-sim.service \
    usr/share/man/man1/korvant-cli.1 usr/share/bash-completion/completions/korvant-cli; do
    [ -s "$root/$file" ] || fail "$file missing from the package"
done
grep -qx 'ExecStart=/usr/bin/korvant-sim $KORVANT_SIM_OPTIONS' "$root/usr/lib/systemd/user/korvant-sim.service" ||
    fail "the service does not start /usr/bin/korvant-sim"

desktop-file-validate "$root/usr/share/applications/korvant-desk.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.korvant.desk.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log"; fail "AppStream metainfo"; }

version=$("$root/usr/bin/korvant-cli" --version)
[[ "$version" == "korvant-cli "* ]] || fail "korvant-cli --version printed '$version'"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/korvant-desk" --help) ||
    fail "korvant-desk --help without a display"
[[ "$help" == *"--dir"* ]] || fail "korvant-desk --help does not document --dir"

"$root/usr/bin/korvant-sim" --port 0 >"$work/sim.log" 2>&1 &
sim=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/^listening on .*:\([0-9][0-9]*\)[[:space:]]*$/\1/p' "$work/sim.log")
    [ -n "$port" ] && break
    kill -0 "$sim" 2>/dev/null || { cat "$work/sim.log"; fail "korvant-sim did not start"; }
    sleep 0.1
done
[ -n "$port" ] || fail "korvant-sim did not print its port"

mkdir "$work/home"
env -u XDG_CONFIG_HOME -u KORVANT_DIR HOME="$work/home" "$root/usr/bin/korvant-cli" \
    --host 127.0.0.1 --port "$port" --user admin --password admin login >"$work/login.out" ||
    fail "korvant-cli login against the packaged simulator"
grep -q '^account	admin$' "$work/login.out" || fail "login printed no account"
cmp -s "$root/usr/share/korvant/Server.ini" "$work/home/.config/korvant/Server.ini" ||
    fail "the user folder was not seeded with the shipped Server.ini"
echo "package $(basename "$deb") checked"
