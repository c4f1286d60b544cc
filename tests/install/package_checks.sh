#!/usr/bin/env bash
# Makes the Debian package from the build folder and checks it without installing it: what it
# holds (and that no class records are among it), its dependencies, each help guide's word on
# where the records are, the menu entry, the metainfo, and lintian.
# Usage: package_checks.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(echo "$work"/tallyhop_*.deb)
[ -f "$deb" ] || fail "no package was made"

dpkg-deb --fsys-tarfile "$deb" | tar -tv >"$work/listing"
sed -E 's/^(\S+\s+){5}//; s/ -> .*//' "$work/listing" >"$work/files"
sed -nE 's/^-(\S+\s+){5}//p' "$work/listing" >"$work/regular-files"
for file in ./opt/tallyhop/Tallyhop ./opt/tallyhop/Graphics/800x600/Login/ ./opt/tallyhop/Audio/ \
  ./opt/tallyhop/translations/tallyhop_de.qm ./opt/tallyhop/Graphics/es/800x600/Login/Testing.bmp \
  "./opt/tallyhop/Help Guide/HelpGuide.htm" "./opt/tallyhop/Help Guide/HelpGuide.css" \
  "./opt/tallyhop/Help Guide/es/HelpGuide.htm" "./usr/share/tallyhop/Test Data/addition.txt" \
  ./opt/tallyhop/tools/tallyhop_datafolder ./usr/share/applications/org.tallyhop.Tallyhop.desktop \
  ./usr/share/icons/hicolor/48x48/apps/org.tallyhop.Tallyhop.png \
  ./usr/share/metainfo/org.tallyhop.Tallyhop.metainfo.xml ./usr/share/doc/tallyhop/copyright; do
  grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
if grep -E '/Data/|\.(nfo|mtk|opt)$|Log\.txt$|^\./var/' "$work/regular-files"; then
  fail "the package holds class records, logs or other data (above)"
fi
for link in Data "Test Data" "Log.txt" "Error Log.txt"; do
  grep -qF "./opt/tallyhop/$link -> /var/opt/tallyhop/$link" "$work/listing" ||
    fail "/opt/tallyhop/$link does not lead to /var/opt/tallyhop"
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6multimedia6 libx11-6 libxrandr2 qt6-qpa-plugins \
  qt6-translations-l10n fonts-urw-base35; do
  [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

dpkg-deb --extract "$deb" "$work/root"
for guide in "$work/root/opt/tallyhop/Help Guide/"{,*/}HelpGuide.htm; do
  grep -qF "<code>/var/opt/tallyhop/Data</code>" "$guide" ||
    fail "${guide#"$work/root"} does not say where the package keeps the records"
done
guide="$work/root/opt/tallyhop/Help Guide/HelpGuide.htm"
if grep -qiF "only one copy" "$guide"; then
  fail "the help guide allows one copy only, not one per desktop"
fi
desktop-file-validate "$work/root/usr/share/applications/org.tallyhop.Tallyhop.desktop" ||
  fail "desktop-file-validate found faults"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.tallyhop.Tallyhop.metainfo.xml" ||
  fail "appstreamcli found faults"
lintian --fail-on error --display-info "$deb" || fail "lintian found errors"
echo "package checks: passed"
