#!/usr/bin/env bash
# Builds the .deb from a build folder and also installs the build under a non-default prefix.
# For each: the program and its modules lie in libexec/orebell, its sounds, help and translations
# in share/orebell, bin/orebell reaches the program, the
# desktop entry and the AppStream metainfo validate without a single hint, and the installed
# program, started by its command from another folder, shows its window, takes its default
# sounds from where it was installed, and loads its modules (sound at start-up, the mining log
# and its window at F2) from that folder.
set -euo pipefail
build=${1:-build/dev}
cd "$(dirname "$0")/.."
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
(cd "$build" && cpack -G DEB -B "$root/pkg" >/dev/null)
deb=$(ls "$root"/pkg/*.deb)
info=$(dpkg-deb --info "$deb")
grep -q "Package: orebell" <<<"$info"
grep -q "Maintainer: .*@localhost" <<<"$info" && { echo "the package's maintainer is a local address"; exit 1; }
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -q -e triggers -e postinst && { echo "the package calls ldconfig"; exit 1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || { echo "lintian finds errors in $(basename "$deb")"; exit 1; }
else
    echo "lintian is not installed: ./scripts/setup-debian.sh test installs it" >&2; exit 1
fi
dpkg-deb -x "$deb" "$root/fs"
cmake --install "$build" --prefix "$root/opt/orebell-test" >/dev/null

export XDG_RUNTIME_DIR="$root/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# check <installed prefix> <what it is called in messages>
check() {
    local prefix=$1 what=$2 f
    for f in libexec/orebell/Orebell_III share/orebell/Help.rtf share/orebell/tick1.wav share/orebell/end_cycle.wav \
             share/orebell/17297_quarn_quarn_earth3.wav share/orebell/ThumpClose.wav share/orebell/red_alert_short.wav \
             libexec/orebell/orebell-sound.so libexec/orebell/orebell-log.so libexec/orebell/orebell-logwindow.so \
             libexec/orebell/orebell-handover.so \
             bin/orebell share/applications/io.github.orebell.Orebell.desktop \
             share/metainfo/io.github.orebell.Orebell.metainfo.xml share/man/man6/orebell.6.gz \
             share/doc/orebell/copyright share/doc/orebell/changelog.gz \
             share/icons/hicolor/scalable/apps/orebell.svg; do
        [ -e "$prefix/$f" ] || { echo "$what lacks $f"; exit 1; }
    done
    for size in 16 32 48 64 128 256; do
        f=share/icons/hicolor/${size}x${size}/apps/orebell.png
        file "$prefix/$f" | grep -q "PNG image data, $size x $size" || { echo "$what: $f is not a $size pixel PNG"; exit 1; }
    done
    [ -z "$(ls "$prefix/libexec/orebell" | grep -v -e '^Orebell_III$' -e '\.so$')" ] ||
        { echo "$what: libexec/orebell holds more than the program and its modules"; exit 1; }
    [ "$(readlink "$prefix/bin/orebell")" = ../libexec/orebell/Orebell_III ] ||
        { echo "$what: bin/orebell does not lead to libexec/orebell"; exit 1; }
    local hints
    hints=$(desktop-file-validate "$prefix/share/applications/io.github.orebell.Orebell.desktop" 2>&1) ||
        { echo "$hints"; exit 1; }
    [ -z "$hints" ] || { echo "$what: desktop entry: $hints"; exit 1; }
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/io.github.orebell.Orebell.metainfo.xml" >/dev/null ||
        { appstreamcli validate --no-net "$prefix/share/metainfo/io.github.orebell.Orebell.metainfo.xml"; exit 1; }
    # The documents tell of the mining log (F2, its file) and the global keys.
    local man="$root/orebell-$what.6"
    gzip -dc "$prefix/share/man/man6/orebell.6.gz" >"$man"
    for f in "$man" "$prefix/share/metainfo/io.github.orebell.Orebell.metainfo.xml"; do
        for word in F2 mining-log.sqlite Ctrl+Alt+1; do
            grep -q -- "$word" "$f" || { echo "$what: $f does not mention $word"; exit 1; }
        done
    done
    hints=$(groff -man -ww -z "$man" 2>&1)
    [ -z "$hints" ] || { echo "$what: man page: $hints"; exit 1; }
    "$prefix/bin/orebell" --version | grep -q '^Orebell ' || { echo "$what: bin/orebell --version failed"; exit 1; }
    # The translations and the help of each language lie with the data; the installed program
    # finds them from bin/orebell.
    for f in de fr ru es zh_CN; do
        [ -e "$prefix/share/orebell/translations/orebell_$f.qm" ] || { echo "$what lacks the $f translation"; exit 1; }
        [ -e "$prefix/share/orebell/Help_$f.rtf" ] || { echo "$what lacks the $f help"; exit 1; }
    done
    "$prefix/bin/orebell" --language de --help 2>&1 | grep -q '^Aufruf: ' ||
        { echo "$what: the installed program does not speak German"; exit 1; }

    local home="$root/home-$what"
    mkdir -p "$home"
    (cd / && HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        folder=$2
        "$1" & pid=$!
        loaded() { grep -q "$folder/$1" /proc/$pid/maps; }
        for _ in $(seq 1 50); do
            if xwininfo -root -tree | grep -q "\"Orebell\""; then
                # The start-up click loads the sound module; F2 the mining log and its window.
                for _ in $(seq 1 25); do loaded orebell-sound.so && break; sleep 0.2; done
                loaded orebell-sound.so || { echo "the sound module did not load from $folder"; kill $pid; exit 1; }
                window=$(xdotool search --name "^Orebell\$" | head -1)
                xdotool windowfocus --sync "$window" key F2
                for _ in $(seq 1 25); do xwininfo -root -tree | grep -q "\"Mining log\"" && break; sleep 0.2; done
                for m in orebell-log.so orebell-logwindow.so; do
                    loaded $m || { echo "F2 did not load $m from $folder"; kill $pid; exit 1; }
                done
                kill -TERM $pid; wait $pid 2>/dev/null; exit 0  # an orderly end saves the settings
            fi
            sleep 0.2
        done
        kill $pid 2>/dev/null; echo "the installed program showed no window"; exit 1
    ' _ "$prefix/bin/orebell" "$(cd "$prefix/libexec/orebell" && pwd -P)")
    local stored="$home/.config/Orebell/Orebell_III.ini"
    grep -qF "$(cd "$prefix/share/orebell" && pwd -P)/end_cycle.wav" "$stored" ||
        { echo "$what: the default sounds are not taken from the install folder:"; grep -i wav "$stored"; exit 1; }
}
check "$root/fs/usr" deb
check "$root/opt/orebell-test" prefix
echo "package test: $(basename "$deb") and an install under another prefix work from bin/orebell"
