# Sourced first by a test that reads the program over AT-SPI: it runs the test again
# inside a session bus of its own, on which start_accessibility_bus starts the
# accessibility bus. Every tool it needs comes with scripts/install-deps.
if [ -z "${QUINTARO_SESSION_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null ||
        { echo "FAIL: no dbus-run-session (scripts/install-deps)" >&2; exit 1; }
    exec dbus-run-session -- env QUINTARO_SESSION_BUS=1 bash "$0" "$@"
fi
