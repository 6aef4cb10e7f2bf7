# Sourced by the shell tests: how a test ends when it cannot run here (77, which ctest reports as skipped,
# with the reason) and when it finds a fault (1), and how it stops the servers it started.
skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}
# Asks each process to end, gives each up to 5 s, then kills what is left and reaps them all, in the order
# given.
stop_processes() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "$@"; do
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}
