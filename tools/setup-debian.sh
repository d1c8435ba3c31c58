#!/bin/sh
# Installs what Lexory needs to build, run and test on Debian 12 (run as root).
set -eu
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  g++ make cmake pkg-config \
  qt6-base-dev libgl-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-dejavu-core fonts-liberation2 \
  xvfb xauth openbox xdotool x11-utils libx11-dev poppler-utils \
  hunspell hunspell-es hunspell-en-us python3 \
  fusefat dosfstools
