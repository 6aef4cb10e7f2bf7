# Sourced by the shell tests: how a test ends when it cannot run here (77, which ctest reports as skipped,
# with the reason) and when it finds a fault (1).
skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}
