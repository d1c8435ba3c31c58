#!/bin/sh
# Installs, builds and starts Lexory. Without a display it runs under Xvfb.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then tools/setup-debian.sh; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target lexory
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/src/lexory
fi
exec build/src/lexory
