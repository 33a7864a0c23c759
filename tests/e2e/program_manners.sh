#!/usr/bin/env bash
# What every program answers before doing any work: --help, -h and --version
# (one version for the package) with status 0 and no display needed; the
# windowed programs without a display say so in one line and end non-zero
# (not Qt's abort); the built-in help is in the windowed programs (and in the
# Release build ./run.sh makes, when it is there); a batch plot prints nothing
# of Qt's on stderr.
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
release="$(dirname "$0")/../../build-release/bin"

versions=()
for program in quarrix ingestor quarrix-batch; do
  for option in --help -h --version; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$QUARRIX_BIN/$program" $option \
      >"$dir/out" 2>"$dir/err" || { echo "$program $option failed"; cat "$dir/err"; exit 1; }
    [ -s "$dir/out" ] || { echo "$program $option printed nothing"; exit 1; }
  done
  versions+=("$(awk '{print $NF}' "$dir/out")")
done
[ "${versions[0]}" = "${versions[1]}" ] && [ "${versions[1]}" = "${versions[2]}" ] ||
  { echo "the programs give different versions: ${versions[*]}"; exit 1; }

for program in quarrix ingestor; do
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$QUARRIX_BIN/$program" 2>"$dir/err" || status=$?
  [ "$status" -ne 0 ] && [ "$status" -ne 134 ] || { echo "$program without a display: status $status"; exit 1; }
  [ "$(wc -l <"$dir/err")" -eq 1 ] && grep -q "no display" "$dir/err" ||
    { echo "$program without a display said:"; cat "$dir/err"; exit 1; }
done

for bin in "$QUARRIX_BIN" "$release"; do
  [ -x "$bin/quarrix" ] || continue
  for program in quarrix ingestor; do
    "$bin/$program" --help-pages >"$dir/pages" ||
      { echo "help pages missing from $bin/$program:"; cat "$dir/pages"; exit 1; }
    grep -qx main_window.html "$dir/pages" && grep -qx ingestor.html "$dir/pages" ||
      { echo "$bin/$program lacks pages"; exit 1; }
  done
done

batch="$QUARRIX_BIN/quarrix-batch"
"$batch" demo "$dir" --lines 12 --traces 14 --samples 100 >/dev/null 2>&1
demo="$dir/demo"
env -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$batch" plot-section "$demo/demo.hdr" --line 1005 \
  --horizons "$demo/demo_top.hor" --out "$dir/section.png" >/dev/null 2>"$dir/err"
env -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$batch" plot-map "$demo/demo.hdr" "$demo/demo_top.hor" \
  --out "$dir/map.png" >/dev/null 2>>"$dir/err"
[ ! -s "$dir/err" ] || { echo "batch runs wrote on stderr:"; cat "$dir/err"; exit 1; }
echo "program manners ok"
