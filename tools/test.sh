#!/bin/sh
# Installs, builds and runs every test: the full build, then the store again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails when any test fails.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then tools/setup-debian.sh; fi
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLEXORY_SANITIZE=ON -DLEXORY_BUILD_APP=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
