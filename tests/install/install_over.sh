#!/usr/bin/env bash
# Installs the program folder with `cmake --install` into a fresh folder, starts the installed
# program on a virtual X server and signs a student in, then installs again over it: the class's
# records stay exactly as they were.
# Usage: install_over.sh <build folder> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/../e2e/lib.sh"
build=$program # the first argument: the build folder

install_into_work() {
  cmake --install "$build" --prefix "$work" >"$work/install.log" 2>&1 ||
    fail "the install failed: $(cat "$work/install.log")"
}

record_sums() { (cd "$work/Data" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }

install_into_work
for part in Tallyhop Graphics/800x600/Login Graphics/es/800x600/Login translations/tallyhop_es.qm \
  Audio "Test Data/mixed.txt" "Help Guide/HelpGuide.htm" "Help Guide/HelpGuide.css" \
  "Help Guide/de/HelpGuide.htm" Data/Admin.nfo; do
  [ -e "$work/$part" ] || fail "the installed folder has no $part"
done
[ ! -e "$work/usr" ] && [ ! -e "$work/opt" ] || fail "the package's own files went into the folder"

# A class with a student, as a teacher sets it up, then a day's use.
"$datafolder" --folder "$work" --force --student "Kim Lee:hop" >/dev/null
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_server 24
start_program
shot install-sign-in
sign_in 1 hop
end_program

before=$(record_sums)
[ -n "$before" ] || fail "no records to compare"
install_into_work
[ "$(record_sums)" = "$before" ] || fail "installing again changed the records"
echo "install over: passed"
