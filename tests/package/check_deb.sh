#!/usr/bin/env bash
# check_deb.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build_dir=$1
scratch=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/root" "$scratch/work"
(cd "$build_dir" && cpack -G DEB -B "$scratch/deb" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$scratch"/deb/velquorran_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6gui6 libqt6core6 liberfa1 \
           fonts-dejavu-core tzdata; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# On this machine apt must be able to resolve every dependency from Debian's own packages.
apt-get install --simulate -qq "$deb" >"$scratch/apt.log" 2>&1 \
    || fail "apt-get cannot install the package: $(tail -n 5 "$scratch/apt.log")"

dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
for file in usr/bin/velquorran usr/bin/velquorran-chart \
            usr/share/applications/velquorran.desktop \
            usr/share/icons/hicolor/scalable/apps/velquorran.svg \
            usr/share/icons/hicolor/48x48/apps/velquorran.png \
            usr/share/icons/hicolor/256x256/apps/velquorran.png \
            usr/share/icons/hicolor/22x22/apps/velquorran.png \
            usr/share/metainfo/org.example.velquorran.metainfo.xml \
            usr/share/velquorran/translations/velquorran_de.qm \
            usr/share/velquorran/translations/velquorran_fr.qm \
            usr/share/velquorran/translations/velquorran_es.qm \
            usr/share/man/man1/velquorran-chart.1.gz \
            usr/share/man/man1/velquorran.1.gz \
            usr/share/doc/velquorran/copyright; do
    [ -s "$root/$file" ] || fail "the package lacks $file"
done

desktop-file-validate "$root/usr/share/applications/velquorran.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.velquorran.metainfo.xml" \
    || fail "the AppStream metainfo does not validate"
for page in velquorran-chart.1.gz velquorran.1.gz; do
    warnings=$(man --warnings -l "$root/usr/share/man/man1/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page warnings in $page: $warnings"
done
grep -q "Settings.dat" <(zcat "$root/usr/share/man/man1/velquorran-chart.1.gz") \
    || fail "the man page does not say where the settings file is"

# The installed renderer, run from an empty folder as a user would.
cd "$scratch/work"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/velquorran-chart" --latitude 40 \
    --time 2024-06-01T22:00:00 -o chart.png || fail "the installed renderer failed"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/velquorran-chart" --place "new york" --time now --list \
    >list.txt || fail "the installed renderer does not know New York"
[ -s list.txt ] || fail "the list for New York is empty"
# The installed translations, found beside the installed program, whether or not the machine has
# a German locale.
help=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/velquorran-chart" --help)
[ "${help%% *}" = "Aufruf:" ] || fail "the installed renderer's help is not German: ${help%%$'\n'*}"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/velquorran-chart" --latitude 40 \
    --time 2024-06-01T22:00:00 --precise --list > precise.txt || fail "--precise failed"
awk -F'\t' 'NF != 7 { bad = 1 } END { exit bad || NR == 0 }' precise.txt \
    || fail "the precise list lacks the places of date: $(head -n 2 precise.txt)"
grep -q "NumFOCUS" "$root/usr/share/doc/velquorran/copyright" || fail "the ERFA notice is missing"
size=$(stat -c %s chart.png)
[ "$size" -gt 10000 ] || fail "chart.png is only $size bytes"
[ "$(head -c 8 chart.png | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "chart.png is not a PNG"
echo "package ok: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version), $(stat -c %s "$deb") bytes"
