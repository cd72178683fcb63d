#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quorbel on Debian 12, installing whatever is missing first.
#   tools/build.sh run    build, then start the program from build/
#   tools/build.sh test   build, then run the whole test suite headless
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}
case $mode in run | test) ;; *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libcanberra-dev libcanberra-pulse libsndfile1-dev libpulse-dev libfontconfig-dev libwayland-dev xdg-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-zenhei
    sound-theme-freedesktop fonts-wine fonts-liberation2 fonts-dejavu-core)
[ "$mode" = test ] && packages+=(clang-format python3 libbenchmark-dev libxcb-damage0-dev xvfb icewm xdotool x11-utils
    pulseaudio pulseaudio-utils sox libfaketime imagemagick file help2man dpkg-dev lintian desktop-file-utils appstream
    dbus python3-dbus python3-gi python3-pyatspi at-spi2-core orca speech-dispatcher
    speech-dispatcher-espeak-ng espeak-ng xfce4-panel xfconf python3-dbusmock libglib2.0-bin qdbus-qt6
    qt6-wayland sway weston kwin-wayland xwayland waybar grim
    xdg-desktop-portal xdg-desktop-portal-kde qtwayland5 plasma-wayland-protocols)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Tests build with warnings as errors; a user's build never fails on one.
werror=OFF
[ "$mode" = test ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBEL_WERROR=$werror

if [ "$mode" = run ]; then
    # The program alone: the tests, fuzzers and measurements wait for the
    # test command.
    cmake --build build --parallel --target quorbel
    exec ./build/quorbel
fi
cmake --build build --parallel
(cd build && ctest --output-on-failure --parallel 2)

# The unit tests, fuzz corpora and the soak run once more under
# AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails them.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBEL_WERROR=ON \
    -DQUORBEL_SANITIZE=ON
cmake --build build-sanitize --parallel
cd build-sanitize
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp
exec ctest --output-on-failure --parallel 2 --label-exclude "e2e|package"
