#!/usr/bin/env bash
# Usage: run-archive-fuzz.sh BINARY SECONDS
# Runs the archive fuzzer for SECONDS on a seed corpus of small archives (the small fixtures and the
# example projects); fails on a crash.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BINARY SECONDS" >&2
  exit 2
fi
binary=$(realpath "$1")
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
fixtures=${DV_FIXTURES_DIR:-$root/../shared/fixtures}

# Debian's interpreter has python3-olefile even when another python3 comes first on PATH.
python=python3
if /usr/bin/python3 -c "import olefile" 2>/dev/null; then
  python=/usr/bin/python3
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
"$python" - "$fixtures" "$root/resources/Examples" "$work/corpus" <<'PY'
import pathlib, sys
import olefile

# Large archives make every run slow; the small ones hold every kind of record.
limit = 64 * 1024
fixtures, examples, corpus = map(pathlib.Path, sys.argv[1:])
for path in sorted(fixtures.glob("*.dvx")) + sorted(examples.glob("*.dvx")):
    if olefile.isOleFile(str(path)):
        with olefile.OleFileIO(str(path)) as ole:
            data = ole.openstream("Contents").read()
    else:
        data = path.read_bytes()
    if len(data) <= limit:
        (corpus / f"{path.parent.name}-{path.name}").write_bytes(data)
PY
if [ -z "$(ls -A "$work/corpus")" ]; then
  echo "no seed corpus: no .dvx files in $fixtures" >&2
  exit 1
fi

# Allocations are bounded by the input size, so a small malloc limit catches unbounded ones.
# A crashing input is kept in the current directory (or DV_FUZZ_ARTIFACTS) and the run fails.
"$binary" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=64 -print_final_stats=1 \
  -artifact_prefix="${DV_FUZZ_ARTIFACTS:-$PWD}/" "$work/corpus"
