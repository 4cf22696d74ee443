#!/usr/bin/env bash
# Sets up (packages, configure, build) and starts the back office on the demo data root.
# Extra arguments go to lumoffice (for example --user 1 to log in a waiter).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default

demo=${LUM_DEMO_ROOT:-${XDG_DATA_HOME:-$HOME/.local/share}/lumoffice-demo}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting under xvfb-run (the window is not visible)." >&2
    exec xvfb-run -a build/bin/lumoffice --demo --data "$demo" "$@"
fi
exec build/bin/lumoffice --demo --data "$demo" "$@"
