# Sourced by the smoke tests.
# wait_exit: waits up to 30 s for the program whose pid is in $pid to end,
# sets status to its exit status ("timeout" when it had to be killed) and
# forgets the pid.
wait_exit() {
    tries=0
    while kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -gt 300 ] && { kill "$pid"; status=timeout; pid=""; return 0; }
        sleep 0.1
    done
    status=0
    wait "$pid" || status=$?
    pid=""
}
