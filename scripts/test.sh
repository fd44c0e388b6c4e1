#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh dev
ctest --preset dev
