#!/usr/bin/env bash
# Installs the library into a fresh prefix, builds the consumer project against it with
# the same toolchain, and runs the consumer under Wine.
#   package_test.sh BUILD_DIR TOOLCHAIN_FILE
set -euo pipefail
build_dir=$1
toolchain=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "package test: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$work/prefix" >"$work/install.log" ||
  { cat "$work/install.log"; fail "install failed"; }
for f in include/fenwix/fenwix.h lib/libfenwix.a share/fenwix/fenmsg.fdb \
         lib/cmake/Fenwix/FenwixConfig.cmake lib/cmake/Fenwix/FenwixConfigVersion.cmake \
         lib/cmake/Fenwix/FenwixTargets.cmake; do
  [ -f "$work/prefix/$f" ] || fail "expected $f in the installed package, it is missing"
done
echo "package test: installed files present"

# A toolchain that confines find_package to the compiler's own root re-roots every search
# path; Fenwix_DIR names the package's folder directly.
cmake -S "$here/consumer" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DFenwix_DIR="$work/prefix/lib/cmake/Fenwix" \
      >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configure failed"; }
cmake --build "$work/build" >"$work/build.log" 2>&1 ||
  { cat "$work/build.log"; fail "consumer build failed"; }
echo "package test: consumer built against the package"

cd "$work/build"
status=0
timeout 120 wine consumer.exe </dev/null >"$work/run.log" 2>&1 || status=$?
cat "$work/run.log"
[ "$status" -eq 0 ] || fail "expected the consumer to exit with 0, got $status"
grep -qx 'consumer: all checks passed' <(tr -d '\r' <"$work/run.log") ||
  fail "expected the line 'consumer: all checks passed'"
