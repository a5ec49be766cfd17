#!/usr/bin/env bash
# The Windows setup program as a user meets it, in a fresh Wine prefix (a copy of the session's,
# with a wineserver of its own): an older version installed silently with /NOACTIVATE; refusals
# that change nothing (the settings dialog open, a second setup running, a program that cannot be
# replaced, a folder that cannot be written); the upgrade that keeps Velmora.ini and makes
# Velmora the current screensaver, with its signed uninstaller and the registry read back with
# the system's own reg; a full-screen run of the installed program ended by a tap of Escape; and
# the uninstall, refused while a program cannot be removed, then removing everything and putting
# the screensaver chosen before back. With
# --language-only (for another system language, under tests/support/in-language.sh): install
# into a folder named in that script and beyond it, run, choose another screensaver, uninstall,
# which then leaves that choice alone.
# Usage (inside scripts/wine-session.sh): windows_setup_test.sh BUILD_DIR VERSION [--language-only]
set -euo pipefail

bin=$1 version=$2 language_only=${3:-}
# What windows_setup_build.sh made: the signed setup, the programs it carries, the certificate.
shipped=$bin/tests/setup
setup=$shipped/Velmora-$version-setup.exe
work=$(mktemp -d "$bin/setup-test.XXXXXX")
WINEPREFIX=$WINEPREFIX wineserver -w
cp -a "$WINEPREFIX" "$work/prefix"
export WINEPREFIX=$work/prefix
cleanup() {
    wineserver -k 2>/dev/null || true
    chattr -i "$work/locked" "${local_app_data:-}/Programs/Velmora/Velmora.dll" \
        2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/../support/checks.sh"
finish() {
    report_checks
    exit
}

# reg query prints in the console's code page, which cannot hold every name: the values the
# checks read come from reg export, which writes UTF-16.
case "${VELMORA_WINE_LANG:-ja_JP}" in
    ru_RU) console=CP866 ;;
    en_US) console=CP437 ;;
    *) console=CP932 ;;
esac
desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
reg_query() { wine reg query "$@" 2>/dev/null | iconv -f "$console" -t UTF-8 | tr -d '\r'; }
reg_value() { # key, name
    wine reg export "$1" "$(winepath -w "$work/export.reg" 2>/dev/null)" /y >/dev/null 2>&1 ||
        return 0
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' | sed -n "s/^\"$2\"=//p" |
        sed -e 's/^"\(.*\)"$/\1/' -e 's/\\\(.\)/\1/g'
}
show_registry() { # when
    echo "[registry $1]"
    reg_query "$desktop" /v SCRNSAVE.EXE | grep REG_ || echo "    (no SCRNSAVE.EXE)"
    reg_query "$desktop" /v ScreenSaveActive | grep REG_ || echo "    (no ScreenSaveActive)"
    reg_query "$uninstall_key" | grep REG_ || echo "    (no $uninstall_key)"
}
unix_path() { winepath -u "$1" 2>/dev/null; }
local_app_data=$(unix_path "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")
temp_folder=$(unix_path "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')")
start_menu=$(unix_path "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")
start_menu="$start_menu/Microsoft/Windows/Start Menu/Programs"
millis() { date +%s%3N; }

run_setup() { # setup, arguments...; sets $status and $took (ms)
    local started
    started=$(millis)
    wine "$@" 2>/dev/null && status=0 || status=$?
    took=$(($(millis) - started))
}

# Runs the command that Installed apps runs for a quiet uninstall, and waits for its clean-up
# copy to take the uninstaller and the folder away.
uninstall() { # folder (Unix)
    local quiet program
    quiet=$(reg_value "$uninstall_key" QuietUninstallString)
    program=${quiet#\"}
    program=${program%%\"*}
    # The switches after the quoted program, split as Windows splits them.
    run_setup "$program" ${quiet#*\" }
    [ $status = 0 ] || return 0
    for _ in $(seq 50); do [ -e "$1" ] || break; sleep 0.1; done
}

# The installed Velmora.scr /s started from its folder: the renderer's window shows lit stars,
# and one tap of Escape ends the run.
full_screen_run() { # folder (Unix)
    (cd "$1" && exec wine Velmora.scr /s) 2>/dev/null &
    look_at_run $! 2 "$work/screen.png"
    echo "[figures] mean screen brightness of the run: $brightness"
    check "the installed program shows the renderer" \
        '[ $running = 1 ] && awk "BEGIN { exit !($brightness > 0.002) }"'
    check "the run ended on one tap of Escape" '[ $ended = 1 ]'
}

shipped_programs_in() { # folder (Unix)
    cmp -s "$1/Velmora.scr" "$shipped/Velmora.scr" && cmp -s "$1/Velmora.dll" "$shipped/Velmora.dll"
}

# SCRNSAVE.EXE in the short form Windows writes: 8.3 names only, naming the installed program.
check_current_saver() { # folder (Unix)
    local dir=$1 value
    value=$(reg_value "$desktop" SCRNSAVE.EXE)
    echo "[figures] SCRNSAVE.EXE: $value"
    check "SCRNSAVE.EXE is a short path" \
        '[[ "$value" =~ ^[A-Za-z]:(\\[^\\\ ]{1,8}(\.[^\\\ .]{1,3})?)+$ ]]'
    check "SCRNSAVE.EXE names the installed program" \
        '[ "$(realpath "$(unix_path "$value")")" = "$(realpath "$dir/Velmora.scr")" ]'
    check "the screensaver is active" '[ "$(reg_value "$desktop" ScreenSaveActive)" = 1 ]'
}

check_removed() { # folder (Unix)
    local dir=$1
    check "the folder is gone" '[ ! -e "$dir" ]'
    check "the Start menu entry is gone" '[ ! -e "$start_menu/Velmora.lnk" ]'
    check "the uninstall key is gone" '! wine reg query "$uninstall_key" >/dev/null 2>&1'
    for _ in $(seq 50); do compgen -G "$temp_folder/VelmoraUninstall*" >/dev/null || break; sleep 0.1; done
    check "no clean-up copy stays in the temporary folder" \
        '! compgen -G "$temp_folder/VelmoraUninstall*" >/dev/null'
}

if [ "$language_only" = --language-only ]; then
    echo "== a folder named outside ASCII and outside the code page, ${VELMORA_WINE_LANG:-}"
    folder="$local_app_data/Programs/Звёзды 星"
    run_setup "$setup" /S "/D=$(winepath -w "$folder" 2>/dev/null)"
    check "the setup succeeded" '[ $status = 0 ]'
    check "the programs are in place" 'shipped_programs_in "$folder"'
    check_current_saver "$folder"
    full_screen_run "$folder"
    chosen='C:\windows\system32\other.scr'
    wine reg add "$desktop" /v SCRNSAVE.EXE /d "$chosen" /f >/dev/null 2>&1
    uninstall "$folder"
    check "the uninstall succeeded" '[ $status = 0 ]'
    check_removed "$folder"
    check "the screensaver chosen since is left alone" \
        '[ "$(reg_value "$desktop" SCRNSAVE.EXE)" = "$chosen" ]'
    finish
fi

folder=$local_app_data/Programs/Velmora
previous='C:\windows\system32\scrnsave.scr'
wine reg add "$desktop" /v SCRNSAVE.EXE /d "$previous" /f >/dev/null 2>&1
wine reg add "$desktop" /v ScreenSaveActive /d 0 /f >/dev/null 2>&1
show_registry "before install"

echo "== an older version, /NOACTIVATE"
# The same script made as version 0.9.0 over programs that differ from the built ones.
mkdir "$work/old"
for program in Velmora.scr Velmora.dll; do
    { cat "$shipped/$program"; echo old; } >"$work/old/$program"
done
makensis -V1 -INPUTCHARSET UTF8 -DVERSION=0.9.0 "-DSTAGE=$work/old" \
    "-DOUTFILE=$work/old-setup.exe" "$bin/packaging/VelmoraSetup.nsi"
run_setup "$work/old-setup.exe" /S /NOACTIVATE
check "the older setup succeeded" '[ $status = 0 ]'
check "/NOACTIVATE left the screensaver alone" \
    '[ "$(reg_value "$desktop" SCRNSAVE.EXE)" = "$previous" ]'
printf '[Section]\r\nsettings=of the user\r\n' >"$folder/Velmora.ini"
cp "$folder/Velmora.ini" "$work/settings"

old_programs_stay() { # description, exit status
    check "$1 failed with status $2" "[ \$status = $2 ]"
    check "$1 left the programs alone" 'cmp -s "$folder/Velmora.scr" "$work/old/Velmora.scr" &&
        cmp -s "$folder/Velmora.dll" "$work/old/Velmora.dll" && only_installed_files'
}
only_installed_files() {
    [ "$(ls "$folder" | tr "\n" " ")" = "Velmora.dll Velmora.ini Velmora.scr uninstall.exe " ]
}

echo "== refusals"
(cd "$folder" && exec wine Velmora.scr /c) 2>/dev/null &
dialog=$!
for _ in $(seq 100); do
    xdotool search --name '^<Velmora>$' >/dev/null 2>&1 && break
    sleep 0.1
done
run_setup "$setup" /S
old_programs_stay "the setup while the settings dialog is open" 2
kill $dialog && wait $dialog 2>/dev/null || true

wine "$setup" 2>/dev/null &
first=$!
for _ in $(seq 100); do xdotool search --name 'Velmora' >/dev/null 2>&1 && break; sleep 0.1; done
run_setup "$setup" /S
old_programs_stay "a second setup" 3
kill $first && wait $first 2>/dev/null || true

# A program that cannot be replaced, with no window to tell: the other one, already moved
# aside, comes back.
chattr +i "$folder/Velmora.dll"
run_setup "$setup" /S
chattr -i "$folder/Velmora.dll"
old_programs_stay "the setup that could not replace Velmora.dll" 2

mkdir "$work/locked"
chattr +i "$work/locked"
run_setup "$setup" /S "/D=$(winepath -w "$work/locked" 2>/dev/null)\\Velmora"
check "the setup into a folder that cannot be written failed" '[ $status = 2 ]'
check "the folder stayed empty" '[ -z "$(ls -A "$work/locked")" ]'
check "the installed version stayed registered" \
    '[ "$(reg_value "$uninstall_key" DisplayVersion)" = 0.9.0 ]'

echo "== upgrade"
run_setup "$setup" /S
echo "[figures] install took $took ms"
check "the setup succeeded" '[ $status = 0 ]'
check "the programs were replaced" 'shipped_programs_in "$folder"'
check "Velmora.ini was kept" 'cmp -s "$folder/Velmora.ini" "$work/settings"'
check "the uninstaller is signed" \
    'osslsigncode verify -CAfile "$shipped/cert.pem" -in "$folder/uninstall.exe" >/dev/null 2>&1'
check "nothing else is in the folder" only_installed_files
check "the Start menu opens the settings" \
    '[ -f "$start_menu/Velmora.lnk" ] && grep -qaP "/\\x00c\\x00" "$start_menu/Velmora.lnk"'
show_registry "after install"
check_current_saver "$folder"
windows_folder=$(winepath -w "$folder" 2>/dev/null)
expected="DisplayName=Velmora (ScreenSaver)
DisplayVersion=$version
Publisher=Velmora
DisplayIcon=$windows_folder\\Velmora.scr,0
InstallLocation=$windows_folder
UninstallString=\"$windows_folder\\uninstall.exe\" _?=$windows_folder
QuietUninstallString=\"$windows_folder\\uninstall.exe\" /S _?=$windows_folder
NoModify=dword:00000001
NoRepair=dword:00000001
PreviousScreenSaver=$previous
PreviousScreenSaveActive=0
ScreenSaver=$(reg_value "$desktop" SCRNSAVE.EXE)"
actual=$(while IFS== read -r name _; do echo "$name=$(reg_value "$uninstall_key" "$name")"; done \
    <<<"$expected")
check "the uninstall key holds what Installed apps shows" '[ "$actual" = "$expected" ] ||
    diff <(echo "$expected") <(echo "$actual")'
size=$((16#$(reg_value "$uninstall_key" EstimatedSize | sed 's/^dword://')))
bytes=$(cat "$folder"/* | wc -c)
check "EstimatedSize is the folder's size in KiB" \
    '[ $((bytes / 1024 - size)) -le 4 ] && [ $size -le $((bytes / 1024)) ]'

echo "== full-screen run"
full_screen_run "$folder"

echo "== uninstall refused"
# Velmora.scr goes, Velmora.dll cannot: Velmora stays registered and current for another try.
chattr +i "$folder/Velmora.dll"
uninstall "$folder"
chattr -i "$folder/Velmora.dll"
check "the uninstall that could not remove Velmora.dll failed with status 2" '[ $status = 2 ]'
check "it left Velmora registered and current" 'wine reg query "$uninstall_key" >/dev/null 2>&1 &&
    [ "$(reg_value "$desktop" SCRNSAVE.EXE)" != "$previous" ] && [ -f "$start_menu/Velmora.lnk" ]'

echo "== uninstall"
uninstall "$folder"
echo "[figures] uninstall took $took ms"
check "the uninstall succeeded" '[ $status = 0 ]'
check_removed "$folder"
show_registry "after uninstall"
check "the screensaver chosen before is back" \
    '[ "$(reg_value "$desktop" SCRNSAVE.EXE)" = "$previous" ] &&
    [ "$(reg_value "$desktop" ScreenSaveActive)" = 0 ]'
finish
