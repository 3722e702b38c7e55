#!/usr/bin/env bash
# The install test: installs the build into a temporary prefix and starts the installed
# program as a new user would, with an empty home folder, on a virtual X display of its
# own. Passes when
#   - the installed tree holds the program, help, prepared and demo agendas, desktop entry,
#     icon, AppStream metadata and manual page, and the metadata and desktop entry validate
#     without a remark (the entry names one main category);
#   - the installed program answers --version and --help on the terminal without a display;
#   - the program created its agenda in the user's data folder (not beside itself) from the
#     installed prepared agenda, and that agenda opens with the program's key;
#   - its main window "Saldovia" is shown, with the first-start welcome over it, and the
#     program keeps running; it is then stopped.
# A real X server (Xvfb) rather than the offscreen platform, so that the shown windows can
# be seen from outside the process.
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "test-install: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=sk.saldovia.Saldovia
for f in bin/saldovia share/saldovia/Pomocnik.hlp share/saldovia/Data.mdb \
         share/saldovia/Ukazka.mdb share/saldovia/UkazkaSkuska.mdb \
         share/saldovia/UkazkaZavierka.mdb \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/saldovia.1.gz; do
    [ -f "$prefix/$f" ] || fail "$f was not installed"
done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
poznamky=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) ||
    fail "the desktop entry does not validate: $poznamky"
[ -z "$poznamky" ] || fail "the desktop entry has remarks: $poznamky"
kategorie=$(sed -n 's/^Categories=//p' "$prefix/share/applications/$id.desktop" | tr ';' '\n' |
    grep -cxE 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility' || true)
[ "$kategorie" = 1 ] || fail "the desktop entry names $kategorie main categories"
gzip -t "$prefix/share/man/man1/saldovia.1.gz" || fail "the manual page is no gzip file"

verzia=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/saldovia" --version) ||
    fail "--version ended with an error"
[ "$verzia" = "saldovia $(sed -n 's/^project(Saldovia VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../CMakeLists.txt")" ] || fail "--version printed: $verzia"
pouzitie=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/saldovia" --help) ||
    fail "--help ended with an error"
[[ "$pouzitie" == "Použitie: saldovia"* ]] || fail "--help printed no usage: $pouzitie"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -n1 "$work/display")
[ "$display" != ":" ] || fail "Xvfb did not start"

home=$work/home
mkdir "$home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u QT_QPA_PLATFORM HOME="$home" DISPLAY="$display" \
    "$prefix/bin/saldovia" >"$work/program.log" 2>&1 &
program=$!
pids+=($program)

agenda=$home/.local/share/Saldovia/Data.mdb
hlavne=""
uvitanie=""
for _ in $(seq 150); do
    kill -0 "$program" 2>/dev/null || { cat "$work/program.log" >&2; fail "the program ended"; }
    hlavne=$(DISPLAY=$display xdotool search --onlyvisible --name '^Saldovia$' 2>/dev/null || true)
    uvitanie=$(DISPLAY=$display xdotool search --onlyvisible --name '^Nastavenie agendy$' \
        2>/dev/null || true)
    [ -f "$agenda" ] && [ -n "$hlavne" ] && [ -n "$uvitanie" ] && break
    sleep 0.2
done
[ -f "$agenda" ] || fail "no agenda was created in $agenda"
[ -n "$hlavne" ] || fail "the main window was not shown"
[ -n "$uvitanie" ] || fail "the first-start welcome was not shown"
[ ! -e "$prefix/bin/Data.mdb" ] || fail "the agenda was written beside the installed program"
cmp -s "$agenda" "$prefix/share/saldovia/Data.mdb" || fail "the agenda is not the prepared one"
verzia=$(sqlcipher "$agenda" "PRAGMA key = 'vakro3tembilaQuUnezo';
    SELECT Verzia FROM AgendaNastavenie;" 2>&1 | tail -n1)
[ "$verzia" = "2.0.0.0" ] || fail "the created agenda does not open with the key: $verzia"
sleep 1
kill -0 "$program" 2>/dev/null || fail "the program did not keep running"
echo "test-install: installed program started, agenda created in the user's data folder"
