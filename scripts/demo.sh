# The demo of scripts/run --demo: the simulated test set on a pseudo-terminal published as
# COM 1, and the program beside it with a data root and settings of its own, so the user's
# ~/PLX and stored settings stay as they are. Sourced after setup.sh, not run.

ORVANE_DEMO_HOME="${ORVANE_DEMO_HOME:-$HOME/PLX-demo}"

# Settings as the program stores them: COM 1, the test set's line settings, the target
# family (1 Vesk/VeskM, 2 Tarn/TarnX). Written on every start: a demo left on another port
# or target would wait for nothing.
orvane_demo_write_settings() {
    local settings_file="$1" target="$2"
    mkdir -p "$(dirname "$settings_file")"
    printf '%s\n' \
        '[CommPort]' 'LastCommPort=1' '' \
        '[SerialSetting]' 'LastSetting="9600,n,8,1"' '' \
        '[TypeOfTarget]' "LastTypeOfTarget=\" $target\"" >"$settings_file"
}

# Plays the programme to every reader in turn: the test set ends when the program
# disconnects, so a fresh one is published for the next Connect. Its own messages go to
# LOG. Ends on TERM or INT, stopping the test set, which removes its COM link.
orvane_demo_serve() {
    local testset="$1" ports="$2" log="$3"
    shift 3
    local child="" disconnected=false
    trap '[ -n "$child" ] && kill -TERM "$child" 2>/dev/null; wait; exit 0' TERM INT
    while :; do
        "$testset" "$@" --com 1 --ports-dir "$ports" >/dev/null 2>>"$log" &
        child=$!
        local status=0
        wait "$child" || status=$?
        child=""
        case "$status" in
        0) ;; # the programme ran out
        3) disconnected=true ;;
        130 | 143) exit 0 ;; # stopped by Ctrl-C or kill, with the rest of the demo
        *)
            echo "Demo: the simulated test set failed (exit status $status):" >&2
            tail -n 3 "$log" >&2
            exit "$status"
            ;;
        esac
        # A program that exits disconnects too; the demo stops the loop during this pause.
        sleep 1
        if $disconnected; then
            echo "Demo: disconnected; the simulated test set waits on COM 1 for the next Connect."
            disconnected=false
        fi
    done
}

orvane_demo_wait_for_link() {
    local link="$1"
    for _ in $(seq 50); do
        [ -L "$link" ] && return 0
        sleep 0.1
    done
    echo "Demo: the simulated test set did not publish $link." >&2
    return 1
}

# The test set removes its link when stopped; a link left by one that was killed outright
# would point COM 1 at a terminal that is gone.
orvane_demo_stop() {
    kill -TERM "$ORVANE_DEMO_SERVER" 2>/dev/null || true
    wait "$ORVANE_DEMO_SERVER" 2>/dev/null || true
    [ -L "$ORVANE_DEMO_LINK" ] && rm -f "$ORVANE_DEMO_LINK"
    return 0
}

# orvane_demo PROGRAM TESTSET [--tarn]
orvane_demo() {
    local program="$1" testset="$2" programme=--vesk target=1 family="Vesk/VeskM"
    if [ "${3:-}" = "--tarn" ]; then
        programme=--tarn target=2 family="Tarn/TarnX"
    fi
    export KAVREL_DATA_ROOT="$ORVANE_DEMO_HOME"
    export XDG_CONFIG_HOME="$ORVANE_DEMO_HOME/.config"
    local ports="$XDG_CONFIG_HOME/Kavrel/ports"
    orvane_demo_write_settings "$XDG_CONFIG_HOME/Kavrel/Kavrel.conf" "$target"
    # A link left by a demo that was killed outright would pass for the new one.
    ORVANE_DEMO_LINK="$ports/COM1"
    [ -L "$ORVANE_DEMO_LINK" ] && rm -f "$ORVANE_DEMO_LINK"

    # Repeated with five-second pauses; a report holds 50 records, and a new Connect starts
    # a fresh report.
    local log="$ORVANE_DEMO_HOME/testset.log"
    : >"$log"
    orvane_demo_serve "$testset" "$ports" "$log" "$programme" --repeat 1000 --gap 5 &
    ORVANE_DEMO_SERVER=$!
    trap orvane_demo_stop EXIT
    orvane_demo_wait_for_link "$ORVANE_DEMO_LINK"

    cat <<EOF
Demo: a simulated $family test set is on COM 1.
  Data and settings of the demo: $ORVANE_DEMO_HOME (your own ~/PLX is not touched).
  In the program choose File > Connect, then OK: screens and graphs arrive within a minute.
EOF
    local status=0
    orvane_run_program "$program" || status=$?
    return "$status"
}
