#!/bin/sh
# The test container drives the server on a virtual display: the object opened in a window of its own
# and updated with Ctrl+S, then activated in place and ended with Escape. Each time the container must
# see the new picture and extent in the object file.
# Usage: container_protocol_test.sh CONTAINER SERVER
set -eu
CONTAINER=$1
SERVER=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_CONFIG_HOME="$WORK"
export QT_QPA_PLATFORM=xcb
# Sanitizer builds: what the system's D-Bus library keeps is not ours to report.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset QT_QPA_PLATFORM_PLUGIN_PATH 2>/dev/null || true

OBJECT="$WORK/object.dvo"
cp "$(dirname "$SERVER")/Examples/CoffeeMachine.dvx" "$OBJECT"

# Runs the container with its activation, waits for the server's window, sends the keys to it and
# checks what the container printed.
drive() {
    how=$1 keys=$2
    timeout 60 "$CONTAINER" "$OBJECT" --server "$SERVER" --activate "$how" --quit-after-update \
        >"$WORK/$how.out" 2>"$WORK/$how.err" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --class '^dovalintra$' | head -n 1)
    sleep 1
    if [ "$how" = inplace ]; then
        # The in-place frame lies inside the container's window, not beside it.
        container=$(xdotool search --onlyvisible --class '^dv-test-container$' | head -n 1)
        if ! xwininfo -tree -id "$container" | grep -q "$(printf '0x%x' "$window")"; then
            echo "the in-place frame is not inside the container's window" >&2
            exit 1
        fi
    fi
    xdotool windowfocus --sync "$window" || true
    xdotool key $keys
    if ! wait "$pid"; then
        echo "the container did not see an update ($how)" >&2
        cat "$WORK/$how.err" >&2
        exit 1
    fi
    if ! grep -Eq '^picture [0-9]+x[0-9]+ extent [0-9]+ [0-9]+$' "$WORK/$how.out"; then
        echo "unexpected container output ($how):" >&2
        cat "$WORK/$how.out" "$WORK/$how.err" >&2
        exit 1
    fi
    cat "$WORK/$how.out"
}

drive open ctrl+s
drive inplace Escape
echo "container protocol: open, update, in place and Escape all reached the container"
