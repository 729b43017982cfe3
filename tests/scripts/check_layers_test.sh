#!/usr/bin/env bash
# The layer check passes on a tree whose includes point down and fails, naming the file
# and line, on one where a module header includes the host.
set -euo pipefail
check="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/platform" "$work/module" "$work/host"
printf '#pragma once\n' >"$work/platform/p.h"
printf '#include "platform/p.h"\n' >"$work/module/m.h"
printf '#include "module/m.h"\n#include "platform/p.h"\n' >"$work/host/h.cpp"
python3 "$check" "$work"
printf '#include "platform/p.h"\n#include "host/h.h"\n' >"$work/module/m.h"
if out=$(python3 "$check" "$work" 2>&1); then
  echo "an upward include passed the check" >&2
  exit 1
fi
grep -q '^module/m.h:2: module includes host' <<<"$out" || { echo "unexpected report: $out" >&2; exit 1; }
