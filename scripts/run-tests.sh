#!/usr/bin/env bash
# Sets up (packages, configure, build) and runs the whole test suite of a preset: "default"
# unless named ("asan" runs it under AddressSanitizer and UndefinedBehaviorSanitizer). The
# database suites run on SQLite and on a throw-away PostgreSQL cluster, which is stopped again
# afterwards, also when a test fails.
set -euo pipefail
preset=${1:-default}
cd "$(dirname "$0")/.."
scripts/setup.sh "$preset"
scripts/with-postgres.sh ctest --preset "$preset"
