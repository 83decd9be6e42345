#!/usr/bin/env bash
# The desktop entry as desktop-file-validate reads it: no error, no warning (hints allowed).
# Exits 77 (skipped) when desktop-file-validate is missing.
set -uo pipefail
entry=$1
command -v desktop-file-validate >/dev/null || { echo "SKIPPED LOUDLY: desktop-file-validate is missing"; exit 77; }
report=$(desktop-file-validate "$entry" 2>&1)
status=$?
echo "$report"
[ "$status" -eq 0 ] && ! grep -qE '(error|warning):' <<<"$report"
