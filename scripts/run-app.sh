#!/usr/bin/env bash
# Sets up (packages, configure, build) and starts the main job on a demo data root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default

demo=${LUM_DEMO_ROOT:-$HOME/.local/share/lumdialogs/demo}
mkdir -p "$demo/usr/data"
build/bin/lumdata import data/demo/currencies.xml "$demo/usr/data/currency.dat"
build/bin/lumdata show "$demo/usr/data/currency.dat"
