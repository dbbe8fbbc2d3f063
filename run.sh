#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds ZEB-ICMS into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh $(cat scripts/packages-run.txt)
cmake --preset default >/dev/null
cmake --build --preset default
exec build/zeb-icms "$@"
