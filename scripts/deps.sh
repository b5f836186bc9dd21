#!/usr/bin/env bash
# Installs the Debian packages that the given purposes need and that are not
# installed yet. Purposes: "run" (build and start the program), "test" (also
# build and run every test). Safe to run again: it installs only what is missing.
set -euo pipefail

# libcups2-dev: the printout goes to the print service through libcups;
# qt6-charts-dev: the charts of the plan and of its simulations (its CMake
# files need libqt6opengl6-dev, which it does not depend on); nlohmann-json3-dev:
# the loan files.
pacchetti=(cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libcups2-dev nlohmann-json3-dev
           qt6-translations-l10n fonts-liberation2)
for scopo in "$@"; do
    case "$scopo" in
        run) ;;
        # The real print test runs a print service of its own (cups), and
        # the printouts are read back with poppler's tools.
        # clang-format and clang-tidy check the sources; dpkg-dev builds the
        # Debian package, which lintian, desktop-file-validate and appstreamcli
        # check; its loan files' type is read by xmllint (libxml2-utils), put
        # in a database by shared-mime-info and looked up by gio
        # (libglib2.0-bin). What a screen reader hears is read through AT-SPI
        # (at-spi2-core, gir1.2-atspi-2.0, python3-gi) on a virtual display
        # (xvfb, xauth) with a session bus of its own (dbus-daemon). The
        # locale runs make their Italian and German locales from the
        # definitions in locales.
        test) pacchetti+=(libgtest-dev libbenchmark-dev cups poppler-utils locales
                          clang-format clang-tidy dpkg-dev lintian desktop-file-utils appstream
                          libxml2-utils shared-mime-info libglib2.0-bin
                          xvfb xauth dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi) ;;
        *) echo "deps.sh: scopo sconosciuto: $scopo" >&2; exit 2 ;;
    esac
done

mancanti=()
for p in "${pacchetti[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        mancanti+=("$p")
    fi
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installo i pacchetti mancanti: ${mancanti[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
