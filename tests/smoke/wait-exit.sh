# Sourced by the smoke tests.
# wait_exit [seconds]: waits up to 30 s (or the seconds given) for the program
# whose pid is in $pid to end, sets status to its exit status ("timeout" when
# it had to be killed) and forgets the pid.
# ended_within <seconds>: whether the program ends within that time; it is
# left running, and status unset, when it does not.
ended_within() {
    tries=0
    while kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -gt $(($1 * 10)) ] && return 1
        sleep 0.1
    done
    return 0
}
wait_exit() {
    ended_within "${1:-30}" || { kill "$pid"; status=timeout; pid=""; return 0; }
    status=0
    wait "$pid" || status=$?
    pid=""
}
