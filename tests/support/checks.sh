# Shell helpers for the test scripts that drive whole programs: counted checks with the closing
# "N passed, N failed" line, and a look at a full-screen run as a user has it. Source it.

failures=0
check() { # description, condition
    if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

# The closing line, and the script's status.
report_checks() {
    echo "$((failures == 0 ? 1 : 0)) passed, $((failures > 0 ? 1 : 0)) failed"
    [ $failures -eq 0 ]
}

# A running Velmora.scr /s (process SAVER) as a user sees it: waits for the renderer's window,
# lets it draw for SETTLE seconds, takes the screen to SHOT, then ends the run with one tap of
# Escape. Sets brightness (the screen's mean grey), running (1 while the window was there) and
# ended (1 when the saver ended within 3 s of the tap).
look_at_run() { # saver pid, settle seconds, shot path
    local saver=$1
    for _ in $(seq 100); do
        xdotool search --name '^Vantri_VC$' >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep "$2"
    import -window root "$3"
    brightness=$(convert "$3" -colorspace Gray -format '%[fx:mean]' info:)
    running=0
    xdotool search --name '^Vantri_VC$' >/dev/null 2>&1 && running=1
    xdotool key Escape
    for _ in $(seq 30); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
    ended=1
    kill -0 "$saver" 2>/dev/null && ended=0
    kill "$saver" 2>/dev/null || true
    wait "$saver" 2>/dev/null || true
}
