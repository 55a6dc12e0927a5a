#!/usr/bin/env bash
# Builds Kelvane and starts it on the bundled demo configuration (build/demo/Baza.mdb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/demo
exec ../app/kelvane
