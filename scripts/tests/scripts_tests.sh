#!/usr/bin/env bash
# The scripts' decisions on machines this one is not, each run from a scratch copy with
# stand-ins for the commands it would call. Prints each case that fails and exits 1 then.
set -euo pipefail
scripts=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# A command that logs its arguments to $log, then runs the given lines.
stand_in() {
  printf '#!/bin/bash\necho "%s $*" >>"%s"\n%s\n' "$(basename "$1")" "$log" "$2" >"$1"
  chmod +x "$1"
}

# setup.sh on a fresh Debian machine, with nothing but the base system: no assembler until the
# packages bring one. $1: 1 when the machine runs 32-bit programs. Sets $log.
fresh_setup() {
  local machine="$scratch/machine$1"
  local bin="$machine/bin" kit="$machine/binutils" root="$machine/root"
  log="$machine/log"
  mkdir -p "$bin" "$kit" "$machine/installed" "$machine/apt" "$root/scripts"
  for tool in bash env dirname mkdir grep cat rm touch sleep mktemp chmod cp; do
    ln -s "$(command -v "$tool")" "$bin/$tool"
  done
  # What the binutils package brings: an assembler, and a linker whose program runs as this
  # machine runs a 32-bit one.
  if [ "$1" = 1 ]; then
    printf '#!/bin/sh\nexit 0\n' >"$kit/program"
  else
    printf '#!/bin/sh\necho "cannot execute binary file: Exec format error" >&2\nexit 126\n' >"$kit/program"
  fi
  stand_in "$kit/as" "exit 0"
  stand_in "$kit/ld" "while [ \$# -gt 1 ]; do [ \"\$1\" = -o ] && cp $kit/program \"\$2\"; shift; done"
  chmod +x "$kit/program"
  stand_in "$bin/apt-get" "[ \"\$1\" = install ] || exit 0
for p in \"\$@\"; do
  touch $machine/installed/\$p
  case \$p in binutils) cp $kit/as $kit/ld $bin/ ;; esac
done"
  stand_in "$bin/dpkg-query" "[ -f $machine/installed/\${!#} ] && printf 'install ok installed'; exit 0"
  stand_in "$bin/dpkg" "case \$1 in
  --print-foreign-architectures) cat $machine/arch 2>/dev/null ;;
  --add-architecture) echo \$2 >>$machine/arch ;;
esac
exit 0"
  stand_in "$bin/update-alternatives" "exit 0"
  stand_in "$bin/npm" "exit 0"
  sed "s|/etc/apt/sources.list.d/|$machine/apt/|" "$scripts/setup.sh" >"$root/scripts/setup.sh"
  cp "$scripts/runs-32bit.sh" "$root/scripts/"
  for arch in i686 x86_64; do
    mkdir -p "$root/build/third_party/$arch/libjpeg/lib" "$root/build/third_party/$arch/encoder"
    touch "$root/build/third_party/$arch/libjpeg/lib/libjpeg.a" "$root/build/third_party/$arch/encoder/ffmpeg.exe"
  done
  PATH="$bin" bash "$root/scripts/setup.sh" >"$machine/output" 2>&1 ||
    fail "setup.sh ($1): $(cat "$machine/output")"
}

# The 32-bit Wine needs the i386 architecture, added before its install.
fresh_setup 1
grep -q '^dpkg --add-architecture i386' "$log" || fail "32-bit machine: i386 not added: $(cat "$log")"
grep -q '^apt-get install .*wine32' "$log" || fail "32-bit machine: wine32 not installed: $(cat "$log")"
[ "$(grep -n -m1 'add-architecture\|install .*wine32' "$log" | cut -d' ' -f2)" = --add-architecture ] ||
  fail "32-bit machine: wine32 asked for before i386 was added: $(cat "$log")"
fresh_setup 0
grep -q 'add-architecture\|wine32\|:i386' "$log" && fail "64-bit-only machine: 32-bit packages asked for: $(cat "$log")"
grep -q '^apt-get install .*wine64' "$log" || fail "64-bit-only machine: wine64 not installed: $(cat "$log")"

# wine-run.sh without the test display (the prefix was never started) starts nothing.
runner="$scratch/runner"
log="$runner/log"
mkdir -p "$runner/root"
cp "$scripts/wine-run.sh" "$runner/"
stand_in "$runner/program" "exit 0"
printf 'export WINE=%s\n' "$runner/program" >"$runner/wine-loader.sh"
if WINE_TEST_ROOT="$runner/root" bash "$runner/wine-run.sh" test.exe >/dev/null 2>&1; then
  fail "wine-run.sh without a display succeeded"
fi
[ -f "$log" ] && fail "wine-run.sh without a display started: $(cat "$log")"

exit $failed
