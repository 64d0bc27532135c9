#!/usr/bin/env bash
# Sets the project up (packages, build) and runs the whole test suite under the
# offscreen platform. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" default
cd "$root"
QT_QPA_PLATFORM=offscreen ctest --preset default
