#!/usr/bin/env bash
# Background music of full-screen runs, heard on the PulseAudio null sink of the Wine test
# session: an MP3 plays and starts again about a second after it ends, a WAV loops, no music
# and an audio CD without a drive play nothing, and no stream is left once a run has ended, also
# when the renderer is killed from outside; an MP3 in a folder named in the system's language
# plays. With --language-only, only that last case runs (for the other system languages, under
# tests/support/in-language.sh).
# Usage (inside scripts/wine-session.sh): music_run_test.sh BUILD_DIR [--language-only]
set -euo pipefail

bin=$1
language_only=${2:-}
work=$(mktemp -d "$bin/music-run.XXXXXX")
# The per-user settings folder of this prefix's user, as the programs find it.
app_data=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)
[ -d "$app_data" ] || { echo "no application-data folder"; exit 1; }
per_user=$app_data/Velmora
trap 'rm -rf "$work" "$per_user"' EXIT
cp "$bin/Velmora.scr" "$bin/Velmora.dll" "$work/"
sox -n -r 44100 -c 2 "$work/tone.wav" synth 2 sine 440 2>/dev/null
lame --quiet -b 128 "$work/tone.wav" "$work/tone.mp3"
windows_work=$(winepath -w "$work" 2>/dev/null)
. "$(dirname "$0")/../../support/checks.sh"

# The system's ANSI code page, and a folder name of its language.
case "${VELMORA_WINE_LANG:-ja_JP}" in
    en_US) charset=CP1252 local_name=Música ;;
    ru_RU) charset=CP1251 local_name=Музыка ;;
    zh_CN) charset=CP936 local_name=音乐 ;;
    ko_KR) charset=CP949 local_name=음악 ;;
    *) charset=CP932 local_name=音楽 ;;
esac
# A UTF-8 text in that code page as its ANSI functions store it: "?" for a character without a
# form (the settings Wine test compares the platform's own bytes with these rules).
ansi() {
    local text=$1 i ch
    for ((i = 0; i < ${#text}; i++)); do
        ch=${text:i:1}
        printf '%s' "$ch" | iconv -f UTF-8 -t "$charset" 2>/dev/null || printf '?'
    done
}

# Velmora.ini as the settings dialog writes it: "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ".
write_settings() { # kind, file[, settings file]
    { printf '[Section]\r\n%s= %s\r\n%s=0\r\n' "$(ansi BGM区分)" "$1" "$(ansi BGMﾘﾋﾟｰﾄ)"
      printf '%s=%s\r\n' "$(ansi BGMﾌｧｲﾙ)" "$(ansi "$2")"; } >"${3:-$work/Velmora.ini}"
}

sink_inputs() { LC_ALL=C pactl list short sink-inputs | wc -l; }

# Starts a /s run, records the sink for the given seconds, ends the renderer (one tap of Escape,
# or killed when asked) and waits for both programs to end. Leaves the recording in $work/sound.raw (8 kHz mono 16-bit;
# the monitor delivers nothing while no stream plays), the sink inputs seen during the run in
# $streams and those left 1.5 s after its end in $after.
record_run() { # seconds [kill]
    parec -d velmora_null.monitor --format=s16le --rate=8000 --channels=1 >"$work/sound.raw" &
    local recorder=$!
    (cd "$work" && exec wine Velmora.scr /s) 2>/dev/null &
    local saver=$!
    local waited=0
    until xdotool search --name '^Vantri_VC$' >/dev/null 2>&1; do
        sleep 0.2
        waited=$((waited + 1))
        [ $waited -lt 100 ] || { echo "FAIL: no renderer window"; failures=$((failures + 1)); break; }
    done
    sleep "$1"
    streams=$(sink_inputs)
    if [ "${2:-}" = kill ]; then
        # The renderer this run started, found by this run's own folder.
        kill -KILL $(pgrep -f "$(basename "$work").*Velmora\.dll") 2>/dev/null || true
    else
        xdotool key Escape
    fi
    local ended=0 tenths=0
    for _ in $(seq 50); do
        if ! kill -0 $saver 2>/dev/null && ! pgrep -f "$(basename "$work").*Velmora" >/dev/null; then
            ended=1
            break
        fi
        sleep 0.1
        tenths=$((tenths + 1))
    done
    ended_in=$((tenths * 100))
    if [ $ended = 0 ]; then
        echo "FAIL: the run did not end"
        failures=$((failures + 1))
        # What this run left behind: the saver and the renderer started from this folder.
        kill $saver $(pgrep -f "$(basename "$work").*Velmora") 2>/dev/null || true
    fi
    wait $saver 2>/dev/null || true
    sleep 1.5
    kill $recorder
    wait $recorder 2>/dev/null || true
    after=$(sink_inputs)
}

# The recording as a line of 100 ms steps: '#' for sound, '.' for silence.
sound_line() {
    od -An -v -td2 -w1600 "$work/sound.raw" | awk '
        NF == 800 { sum = 0; for (i = 1; i <= NF; i++) sum += $i * $i
                    printf "%s", (sqrt(sum / NF) > 500 ? "#" : ".") }
        END { print "" }'
}


# The gaps of silence between stretches of sound, in 100 ms steps.
gaps() { sed -e 's/^\.*//' -e 's/\.*$//' <<<"$1" | tr -s '#' ' ' | tr ' ' '\n' | awk 'NF {print length($0)}'; }

echo "== MP3 in a folder named in the system's language ($local_name, $charset)"
mkdir "$work/$local_name"
cp "$work/tone.mp3" "$work/$local_name/"
write_settings 2 "$windows_work\\$local_name\\tone.mp3"
record_run 3
line=$(sound_line)
echo "$line"
check "the MP3 played" '[ "$streams" -ge 1 ] && [[ "$line" == *#* ]]'
check "no stream after the run" '[ "$after" -eq 0 ]'

if [ "$language_only" = --language-only ]; then
    report_checks
    exit
fi

echo "== MP3"
write_settings 2 "$windows_work\\tone.mp3"
record_run 7
line=$(sound_line)
echo "$line"
check "a stream played during the run" '[ "$streams" -ge 1 ]'
check "the file played more than once" '[ "$(gaps "$line" | wc -l)" -ge 1 ]'
check "it started again within about a second of its end" \
    '[ "$(gaps "$line" | sort -n | tail -1)" -le 16 ]'
check "no stream after the run" '[ "$after" -eq 0 ]'

echo "== WAV"
write_settings 2 "$windows_work\\tone.WAV"
record_run 6
line=$(sound_line)
echo "$line"
check "a stream played during the run" '[ "$streams" -ge 1 ]'
check "the sound loops without a gap" '[[ "$line" == *##################################* ]]'
check "no stream after the run" '[ "$after" -eq 0 ]'

echo "== WAV, renderer killed from outside"
write_settings 2 "$windows_work\\tone.wav"
record_run 2 kill
echo "[figures] saver gone ${ended_in} ms after the kill (0.1 s steps)"
check "the saver ended within one watch tick" '[ "$ended_in" -le 700 ]'
check "no stream after the run" '[ "$after" -eq 0 ]'

echo "== no music"
write_settings 0 "$windows_work\\tone.mp3"
record_run 3
line=$(sound_line)
check "nothing played" '[ "$streams" -eq 0 ] && [[ "$line" != *#* ]]'

echo "== audio CD without a drive"
write_settings 1 ""
record_run 3
line=$(sound_line)
check "nothing played" '[ "$streams" -eq 0 ] && [[ "$line" != *#* ]]'

echo "== MP3 chosen in the per-user file, the file beside the programs unwritable"
rm -f "$work/Velmora.ini"
mkdir "$work/Velmora.ini" "$per_user"
write_settings 2 "$windows_work\\tone.mp3" "$per_user/Velmora.ini"
record_run 3
line=$(sound_line)
echo "$line"
check "the chosen MP3 played" '[ "$streams" -ge 1 ] && [[ "$line" == *#* ]]'
rm -rf "$per_user"

report_checks
