#!/usr/bin/env bash
# The program speaks the desktop's language: under LANG=es_ES.UTF-8 and de_DE.UTF-8 the home
# screen shows the language's pictures (the Testing tile compared pixel for pixel), pictured with
# the sign-in dialog and the testing screen's captioned buttons for review; an unknown "-lang"
# leaves English and one line in the error log.
# Usage: language_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

start_server 24
for locale in es_ES de_DE; do
  copy_program "$locale" "Kim Lee:hop"
  LANG=$locale.UTF-8 start_program
  shot "language-$locale-sign-in"
  sign_in 1 hop
  # A click on no button: none is lit, and the focus mark the typed sign-in showed goes.
  click_at 500 420
  shot "language-$locale-home" 0.3
  # The visible part of the tile: the picture lies 30 px left of and 60 px above the screen.
  tile="$(dirname "$program")/Graphics/${locale%_*}/800x600/Login/Testing.bmp"
  convert "$shots/language-$locale-home.png" -crop 300x150+0+0 +repage "$work/shown.png"
  convert "$tile" -crop 300x150+30+60 +repage "$work/tile.png"
  differing=$(compare -metric AE "$work/shown.png" "$work/tile.png" null: 2>&1) || true
  [ "$differing" = 0 ] || fail "the $locale home screen shows another Testing tile ($differing)"
  open_window 135 45 "Testing Window"
  shot "language-$locale-testing"
  end_program
  [ ! -e "$work/Error Log.txt" ] || fail "$locale: $(cat "$work/Error Log.txt")"
done

copy_program unknown "Kim Lee:hop"
start_program -lang xx
end_program
[ "$(grep -c . "$work/Error Log.txt")" = 1 ] && grep -q '"xx"' "$work/Error Log.txt" ||
  fail "-lang xx: $(cat "$work/Error Log.txt")"
echo "language session: passed"
