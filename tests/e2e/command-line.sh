#!/usr/bin/env bash
# --help and --version answer without a display and without a window; a wrong option is refused
# with exit status 2 and a message on stderr only.
set -uo pipefail
program=$1
fail() { echo "FAIL: $*"; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$program" "$@"; }

out=$(run --help 2>/tmp/orebell-cl-$$.err); rc=$?
err=$(cat /tmp/orebell-cl-$$.err); rm -f /tmp/orebell-cl-$$.err
[ "$rc" = 0 ] || fail "--help exited $rc: $err"
grep -q '^Usage: ' <<<"$out" || fail "--help printed no usage: $out"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version"
[ -z "$err" ] || fail "--help wrote to stderr: $err"

out=$(run --help-all 2>/dev/null); rc=$?
[ "$rc" = 0 ] || fail "--help-all exited $rc"
grep -q -- '-platform <name>' <<<"$out" || fail "--help-all lists no Qt options: $out"
grep -q -- '-platform' <<<"$(run --help 2>/dev/null)" && fail "--help lists Qt's options"

out=$(run --version 2>&1); rc=$?
[ "$rc" = 0 ] || fail "--version exited $rc: $out"
[ "$out" = "Orebell 1.2.8" ] || fail "--version printed '$out'"

out=$(run --no-such-option 2>/dev/null); rc=$?
[ "$rc" = 2 ] || fail "an unknown option exited $rc"
[ -z "$out" ] || fail "an unknown option wrote to stdout: $out"
err=$(run --no-such-option 2>&1 >/dev/null)
grep -q "no-such-option" <<<"$err" || fail "the refusal does not name the option: $err"

# No display to open: a message that says what works and status 1, never Qt's abort, and no
# single-copy lock left beside the store.
noDisplay() {
    local expected=$1; shift
    local config
    config=$(mktemp -d)
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_CONFIG_HOME="$config" \
        "$@" "$program" 2>&1 >/dev/null)
    rc=$?
    [ "$rc" = 1 ] || fail "without a display ($*) the program exited $rc: $err"
    grep -q "cannot open its window: .*$expected" <<<"$err" || fail "no clear message without a display ($*): $err"
    left=$(find "$config" -type f)
    rm -rf "$config"
    [ -z "$left" ] || fail "without a display ($*) the program left $left"
}
noDisplay "neither DISPLAY nor WAYLAND_DISPLAY"
noDisplay "DISPLAY is not set" WAYLAND_DISPLAY=orebell-nowhere QT_QPA_PLATFORM=xcb

# The language: the desktop's, or --language, which names English too; an unknown code says so
# on stderr and the help stays readable.
out=$(LANGUAGE=de run --help 2>/dev/null)
grep -q '^Aufruf: ' <<<"$out" || fail "a German desktop's --help is not German: $out"
grep -q -- '--language <code>' <<<"$out" || fail "--help does not list --language: $out"
out=$(LANGUAGE=de run --language en --help 2>/dev/null)
grep -q '^Usage: ' <<<"$out" || fail "--language en did not choose English: $out"
out=$(run --language fr --help 2>/dev/null)
grep -q '^Usage : ' <<<"$out" || fail "--language fr did not choose French: $out"
err=$(run --language xx --help 2>&1 >/dev/null); rc=$?
[ "$rc" = 0 ] || fail "--language xx --help exited $rc"
grep -q 'no translation for "xx"' <<<"$err" || fail "an unknown language is not reported: $err"
# A program without its translations says so and speaks English.
alone=$(mktemp -d)
cp "$program" "$alone/"
out=$(env -u DISPLAY "$alone/$(basename "$program")" --language de --help 2>"$alone/err"); rc=$?
err=$(cat "$alone/err"); rm -rf "$alone"
[ "$rc" = 0 ] || fail "--help without translations exited $rc"
grep -q '^Usage: ' <<<"$out" || fail "without its translations the program does not speak English: $out"
grep -q 'orebell_de.qm was not found' <<<"$err" || fail "a missing translation is not reported: $err"
echo "command line: --help, --version and a refusal without a display; no display ends with status 1 and a message; --help in the language chosen"
