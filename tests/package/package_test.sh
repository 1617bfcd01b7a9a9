#!/usr/bin/env bash
# Does what a user of the package does: builds the library alone from the source tree,
# without its tests, installs it into a fresh prefix, then builds the consumer project
# with nothing but the installed tree (its toolchain file and its package), reads the
# consumer's manifest back and runs the consumer under Wine. The toolchain file is the build
# tree's, for 32-bit or 64-bit Windows; the package installs the same one.
#   package_test.sh SOURCE_DIR TOOLCHAIN_FILE
set -euo pipefail
source_dir=$1
toolchain=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
package=$prefix/lib/cmake/Fenwix
toolchain_name=$(basename "$toolchain")

fail() { echo "package test: $*" >&2; exit 1; }

# step WHAT COMMAND...: runs a command quietly and shows its output only when it fails.
step() {
  local what=$1
  shift
  "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log"; fail "$what failed"; }
}

# No build type: the tree is a Release one all the same.
step "library configure" cmake -S "$source_dir" -B "$work/library" \
     -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DFENWIX_BUILD_TESTS=OFF -DFENWIX_BUILD_PROGRAMS=OFF
# A tree without its tests must not so much as read GoogleTest's CMake files.
if grep -rqi googletest "$work/library"; then
  fail "expected no mention of googletest in a tree configured with FENWIX_BUILD_TESTS=OFF"
fi
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$work/library/CMakeCache.txt" ||
  fail "expected a tree configured without a build type to be a Release one"
# Without the programs, the whole tree is the library.
step "library build" cmake --build "$work/library" -j2
for program in numlet gallery calc_driver; do
  if find "$work/library" -name "$program.exe" | grep -q .; then
    fail "expected no $program.exe in a tree configured with FENWIX_BUILD_PROGRAMS=OFF"
  fi
done
step "install" cmake --install "$work/library" --prefix "$prefix"
rm -rf "$work/library"
for f in include/fenwix/fenwix.h include/fenwix/fenwix.hpp lib/libfenwix.a share/fenwix/fenmsg.fdb \
         lib/cmake/Fenwix/FenwixConfig.cmake lib/cmake/Fenwix/FenwixConfigVersion.cmake \
         lib/cmake/Fenwix/FenwixTargets.cmake "lib/cmake/Fenwix/$toolchain_name"; do
  [ -f "$prefix/$f" ] || fail "expected $f in the installed package, it is missing"
done
if named=$(grep -rlF "$source_dir" "$package"); then
  fail "expected the installed CMake files to stand alone, these name the source folder: $named"
fi
echo "package test: library built without its tests and installed"

# As a CMake user names an installed package: its prefix, with no build type.
step "consumer configure" cmake -S "$here/consumer" -B "$work/consumer" \
     -DCMAKE_TOOLCHAIN_FILE="$package/$toolchain_name" -DCMAKE_PREFIX_PATH="$prefix"
step "consumer build" cmake --build "$work/consumer" -j2
echo "package test: consumer built with the installed toolchain file and package"
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$work/consumer/CMakeCache.txt" ||
  fail "expected the consumer configured without a build type to be a Release one"
nm_tool=$(sed -n 's/^CMAKE_NM:FILEPATH=//p' "$work/consumer/CMakeCache.txt")
if "$nm_tool" "$work/consumer/consumer.exe" 2>/dev/null | grep -q .; then
  fail "expected the consumer's Release build to carry no symbols"
fi
bash "$here/manifest_test.sh" "$work/consumer/consumer.exe" || fail "expected the consumer to carry the package's manifest"

cd "$work/consumer"
status=0
timeout 120 wine consumer.exe </dev/null >"$work/run.log" 2>&1 || status=$?
cat "$work/run.log"
[ "$status" -eq 0 ] || fail "expected the consumer to exit with 0, got $status"
grep -qx 'consumer: all checks passed' <(tr -d '\r' <"$work/run.log") ||
  fail "expected the line 'consumer: all checks passed'"
