#!/usr/bin/env bash
# The version is written once, in the top CMakeLists.txt: changed there, it changes in the
# program, the Windows version record, the package, its changelog and manual page, and the
# AppStream metadata. Configures a copy of the source with another version and reads each of
# them; of the program it compiles only main.cpp, which hands the version to Qt.
# Usage: version_flow_test.sh SOURCE_DIR   (needs the build packages: cmake, ninja, Qt)
set -uo pipefail

source_dir=${1:?usage: $0 SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

copy=$work/source
build=$work/build
mkdir "$copy"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
sed -i -E 's/^(project\(brivan VERSION )[0-9.]+/\12.03/' "$copy/CMakeLists.txt"
check "the copy's version is changed to 2.03" grep -q '^project(brivan VERSION 2.03 ' "$copy/CMakeLists.txt"

if ! cmake -S "$copy" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVAN_TESTS=OFF \
  >"$work/cmake.log" 2>&1; then
  cat "$work/cmake.log"
  check "the copy configures" false
  finish
  exit 1
fi

rc=$build/src/app/brivan.rc
check "the version record's numbers are 2,3,0,0" grep -q '^ FILEVERSION 2,3,0,0$' "$rc"
check "the version record's product numbers are 2,3,0,0" grep -q '^ PRODUCTVERSION 2,3,0,0$' "$rc"
check "the version record's file version is \"2.03\"" grep -q '"FileVersion", "2.03"' "$rc"
check "the version record's product version is \"2.03\"" grep -q '"ProductVersion", "2.03"' "$rc"
check "the metadata's release is 2.03" grep -q '<release version="2.03" ' "$build"/packaging/*.metainfo.xml
check "the package's version is 2.03" grep -q 'set(CPACK_PACKAGE_VERSION "2.03")' "$build/CPackConfig.cmake"
check "the changelog's latest entry is 2.03" bash -c "head -n 1 '$build/packaging/changelog' | grep -qE '^brivan \(2\.03(\+deb[0-9]+)?\) '"
check "the manual page is of brivan 2.03" grep -q '"brivan 2.03"' "$build/packaging/brivan.1"

# The program: main.cpp compiled alone; Qt keeps the version as UTF-16 text in the object file.
if cmake --build "$build" --target src/CMakeFiles/brivan.dir/app/main.cpp.o >"$work/build.log" 2>&1; then
  object=$build/src/CMakeFiles/brivan.dir/app/main.cpp.o
  check "the program's version is 2.03" \
    /usr/bin/python3 -c "import sys; sys.exit('2.03'.encode('utf-16-le') not in open(sys.argv[1], 'rb').read())" "$object"
else
  cat "$work/build.log"
  check "main.cpp compiles in the copy" false
fi

finish
