#!/bin/sh
# Installs, builds and runs every test: the full build, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails when any test fails.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then tools/setup-debian.sh; fi
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLEXORY_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
# Qt's own allocations outlive the test programs; leaks are not what this run looks for.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
