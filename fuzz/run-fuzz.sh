#!/usr/bin/env bash
# Usage: run-fuzz.sh BINARY SECONDS
# Runs a fuzz target for SECONDS on a seed corpus made of the fixtures and the example projects; fails
# on a crash. fuzz_project_file gets the whole files, fuzz_archive their "Contents" up to 64 KiB.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BINARY SECONDS" >&2
  exit 2
fi
binary=$(realpath "$1")
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
fixtures=$(realpath -m "${DV_FIXTURES_DIR:-$root/../shared/fixtures}")
artifacts=$(realpath -m "${DV_FUZZ_ARTIFACTS:-$PWD}")
case $(basename "$binary") in
  fuzz_project_file) unit=file; limit=$((2 * 1024 * 1024)) ;;
  fuzz_archive) unit=contents; limit=$((64 * 1024)) ;;
  *) echo "$0: unknown fuzz target $binary" >&2; exit 2 ;;
esac

# Debian's interpreter has python3-olefile even when another python3 comes first on PATH.
python=python3
if /usr/bin/python3 -c "import olefile" 2>/dev/null; then
  python=/usr/bin/python3
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/run"
"$python" - "$unit" "$limit" "$fixtures" "$root/resources/Examples" "$work/corpus" <<'PY'
import pathlib, sys
import olefile

unit, limit = sys.argv[1], int(sys.argv[2])
fixtures, examples, corpus = map(pathlib.Path, sys.argv[3:])
for path in sorted(fixtures.glob("*.dvx")) + sorted(examples.glob("*.dvx")):
    data = path.read_bytes()
    if unit == "contents" and olefile.isOleFile(str(path)):
        with olefile.OleFileIO(str(path)) as ole:
            data = ole.openstream("Contents").read()
    # Large archives make every run slow; the small ones hold every kind of record.
    if len(data) <= limit:
        (corpus / f"{path.parent.name}-{path.name}").write_bytes(data)
PY
if [ -z "$(ls -A "$work/corpus")" ]; then
  echo "no seed corpus: no .dvx files in $fixtures" >&2
  exit 1
fi

# The targets open no file that an input names; an empty working directory makes sure that a relative
# path could not reach one either. Allocations are bounded by the input size, so a small malloc limit
# catches unbounded ones. A crashing input is kept in the current directory (or DV_FUZZ_ARTIFACTS) and
# the run fails.
cd "$work/run"
"$binary" -max_total_time="$seconds" -max_len="$limit" -timeout=10 -malloc_limit_mb=64 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work/corpus"
