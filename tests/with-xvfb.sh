#!/bin/sh
# Runs a command with DISPLAY set to a private Xvfb (Mesa's software GL),
# then stops that server by its process id.
set -e
fdfile=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp +extension GLX +extension RANDR \
    3>"$fdfile" 2>/dev/null &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null; rm -f "$fdfile"' EXIT INT TERM
i=0
while [ ! -s "$fdfile" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 $xpid 2>/dev/null; then
        echo "with-xvfb: Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=:$(head -n1 "$fdfile")
export DISPLAY LIBGL_ALWAYS_SOFTWARE=1
set +e
"$@"
status=$?
exit $status
