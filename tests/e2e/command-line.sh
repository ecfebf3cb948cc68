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

out=$(run --version 2>&1); rc=$?
[ "$rc" = 0 ] || fail "--version exited $rc: $out"
[ "$out" = "Orebell 1.2.8" ] || fail "--version printed '$out'"

out=$(run --no-such-option 2>/dev/null); rc=$?
[ "$rc" = 2 ] || fail "an unknown option exited $rc"
[ -z "$out" ] || fail "an unknown option wrote to stdout: $out"
err=$(run --no-such-option 2>&1 >/dev/null)
grep -q "no-such-option" <<<"$err" || fail "the refusal does not name the option: $err"
echo "command line: --help, --version and a refusal, all without a display"
