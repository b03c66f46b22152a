#!/usr/bin/env bash
# Sets up, builds and starts Kazemaru.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/kazemaru
