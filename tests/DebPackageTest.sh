#!/usr/bin/env bash
# The Debian package of this build: made with cpack, judged by lintian,
# extracted into a temporary root (dpkg -x), and its programs, desktop entry
# and AppStream data checked from there. An installed copy keeps its local
# files in the user's configuration folder, seeded with the shipped
# Server.ini, and writes a statement as PDF with its own module. A --prefix
# installation from the build folder does too, and puts its user unit where
# systemctl --user looks.
#   DebPackageTest.sh BUILD_DIR CPACK CMAKE
set -euo pipefail
build=$1
cpack=${2:-cpack}
cmake=${3:-cmake}
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian pdftotext; do
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
for dependency in libqt6widgets6 libqt6charts6 libc6 zlib1g qt6-qpa-plugins fonts-wqy-microhei; do
    [[ "$depends" == *"$dependency"* ]] || fail "no dependency on $dependency"
done

# Errors only: the warnings (no man page for the desk, and the like) are
# not failures.
if ! lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; then
    cat "$work/lintian.log"
    fail "lintian reports errors"
fi
grep '^[EW]:' "$work/lintian.log" || true

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/korvant-desk usr/bin/korvant-cli usr/bin/korvant-sim usr/lib/korvant/korvant-pdf.so \
    usr/share/korvant/Server.ini "usr/share/doc/korvant/柜台管理说明文档.pdf" \
    usr/share/doc/korvant/copyright usr/share/doc/korvant/changelog.gz \
    usr/share/applications/korvant-desk.desktop usr/share/metainfo/org.korvant.desk.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/korvant-desk.png \
    usr/share/icons/hicolor/scalable/apps/korvant-desk.svg usr/lib/systemd/user/korvant-sim.service \
    usr/share/man/man1/korvant-cli.1.gz usr/share/bash-completion/completions/korvant-cli; do
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

# A daily statement of the demo data (Monday of last week has trading) as
# PDF: the text read back from the PDF holds the words of the text shown.
day=$(date -d "-$(($(date +%u) + 6)) days" +%Y%m%d)
statement_pdf() { # PROGRAM NAME
    local out=$work/$2 cli=(env -u XDG_CONFIG_HOME -u KORVANT_DIR -u QT_QPA_PLATFORM
        HOME="$work/home" "$1" --host 127.0.0.1 --port "$port" --user admin --password admin)
    "${cli[@]}" statement --account 100102 --day "$day" >"$out.txt" 2>"$out.err" ||
        { cat "$out.err"; fail "$2: statement"; }
    "${cli[@]}" statement --account 100102 --day "$day" --pdf "$out.pdf" >/dev/null 2>"$out.err" ||
        { cat "$out.err"; fail "$2: statement --pdf"; }
    pdftotext -layout -enc UTF-8 "$out.pdf" "$out.pdf.txt" || fail "$2: the PDF cannot be read"
    words() { tr -s '[:space:]' '\n' <"$1" | sed '/^$/d'; }
    diff <(words "$out.txt") <(words "$out.pdf.txt") >"$out.diff" ||
        { head -20 "$out.diff"; fail "$2: the PDF does not hold the statement's text"; }
    grep -q 100102 "$out.pdf.txt" || fail "$2: no account in the PDF"
}
statement_pdf "$root/usr/bin/korvant-cli" package

# The same from an installation under a prefix of its own.
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install --prefix"; }
[ -s "$prefix/lib/korvant/korvant-pdf.so" ] || fail "--prefix: no lib/korvant/korvant-pdf.so"
[ -s "$prefix/share/systemd/user/korvant-sim.service" ] ||
    fail "--prefix: the user unit is not in share/systemd/user"
grep -qx "ExecStart=$prefix/bin/korvant-sim \$KORVANT_SIM_OPTIONS" \
    "$prefix/share/systemd/user/korvant-sim.service" || fail "--prefix: the unit's ExecStart"
statement_pdf "$prefix/bin/korvant-cli" prefix
echo "package $(basename "$deb") checked"
