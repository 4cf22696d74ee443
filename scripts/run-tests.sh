#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite of a preset: "default"
# unless named ("asan" runs it under AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
preset=${1:-default}
cd "$(dirname "$0")/.."
scripts/setup.sh "$preset"
ctest --preset "$preset"
