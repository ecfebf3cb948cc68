#!/usr/bin/env bash
# The shipped program leaves sound, the mining log, its charts and the socket a second start
# hands over through to modules loaded at first use:
# the executable itself must name none of their libraries, or they load and relocate at every
# start-up. A direct call into one of those parts from the program brings them back.
set -euo pipefail
exe=$1
needed=$(readelf -d "$exe" | grep NEEDED)
for lib in Qt6Sql Qt6Charts Qt6Multimedia Qt6Network Qt6OpenGLWidgets sndfile pulse; do
    if grep -q "lib$lib" <<<"$needed"; then
        echo "$exe loads lib$lib at start-up"
        exit 1
    fi
done
