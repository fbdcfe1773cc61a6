#!/usr/bin/env bash
# The Language menu: every text of the window follows the choice, the choice survives a
# restart, and the menu marks the language in use.
source "$(dirname "$0")/lib.sh"
german_apply='Jetzt vergrößern!'
german_undo='Änderung rückgängig machen'

seed_stock
start_program
step "the menu lists the languages by their own names and marks English"
languages=$(menu_of "Deutsch (Partial)")
checked_in "$languages" "English" 1
checked_in "$languages" "Deutsch (Partial)" 0
grep -qF 'text="Translate? (online)"' <<<"$languages" || fail "no translation item: $languages"
[ "$(grep -c '^item .* text=' <<<"$languages")" = 28 ] || fail "27 languages and one more: $languages"

step "German: buttons, menus and the window's messages"
choose "Deutsch (Partial)"
buttons_are 1 0 "$german_apply" "$german_undo"
view_menu=$(menu_of "Immer im Vordergrund")
checked_in "$view_menu" "Immer im Vordergrund" 1
languages=$(menu_of "Deutsch (Partial)")
checked_in "$languages" "Deutsch (Partial)" 1
checked_in "$languages" "English" 0
drive reg-expect key="$settings\\Language" name= type=REG_SZ text=German >/dev/null ||
  fail "the application's language setting is not German"
drive reg-expect key="$settings\\MainWindow\\Language" name= type=REG_SZ text=German >/dev/null ||
  fail "the window's language record is not German"
drive click pid="$pid" control="$german_apply" >/dev/null
answer_box 'Vorgang erfolgreich abgeschlossen!\r\nBitte starten Sie den Computer jetzt neu.'
buttons_are 0 1 "$german_apply" "$german_undo"

step "the choice survives a restart"
close_program
start_program
buttons_are 0 1 "$german_apply" "$german_undo"
checked_in "$(menu_of "Deutsch (Partial)")" "Deutsch (Partial)" 1

step "choosing the language in use changes nothing; English again"
choose "Deutsch (Partial)"
buttons_are 0 1 "$german_apply" "$german_undo"
choose "English"
buttons_are 0 1
checked_in "$(menu_of "Keep on Top")" "Keep on Top" 1
drive click pid="$pid" control="Undo the Change" >/dev/null
answer_box 'Undo Successful!\r\nPlease restart your computer now.'
close_program
