#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velquorran need, and only
# those that are missing. Quiet when everything is there. Uses apt-get as root, sudo otherwise.
set -euo pipefail

packages=(
    cmake g++ make pkgconf
    qt6-base-dev qt6-svg-dev libgl-dev       # Widgets, PrintSupport, Test, Svg
    libpng-dev                               # the PNG writer (brings zlib1g-dev)
    liberfa-dev                              # precise positions (ERFA)
    libgtest-dev libbenchmark-dev            # tests and benchmarks
    fonts-dejavu-core                        # the same text metrics on every machine
    emf2svg                                  # independent reader of exported metafiles
    python3                                  # catalogue generator, the checks of it and of translations
    tzdata                                   # time zones and the city list of --place
    clang-14 libclang-rt-14-dev              # libFuzzer targets
    xvfb xauth                               # a display for the window on a headless machine
    desktop-file-utils dpkg-dev file man-db  # packaging checks
    appstream                                # appstreamcli validate of the metainfo
    qt6-l10n-tools                           # lupdate and lrelease: the translations
    qt6-translations-l10n                    # Qt's own texts in German, French, Spanish
    locales                                  # localedef: a German locale for the tests
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
else
    echo "Please install as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
