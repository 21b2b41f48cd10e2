#!/usr/bin/env bash
# Lunar calendar tests: installs the astronomy library the table re-check needs,
# then runs every test of tests/lunar in China Standard Time.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
(cd "$root/tools/solarterms" && npm ci --no-audit --no-fund)
cd "$root"
TZ=Asia/Shanghai node --test tests/lunar/
