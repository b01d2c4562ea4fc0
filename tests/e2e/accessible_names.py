"""Prints what a screen reader finds in the program with process id PID: one line
"role: name" for each named object of its windows, in tree order.

Usage: accessible_names.py PID
Exits 1 when no application of that process is on the accessibility bus.
"""
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Debian 12's libatspi marks its getters deprecated but offers nothing else yet.
warnings.simplefilter("ignore", DeprecationWarning)


def walk(node, lines):
    name = node.get_name()
    if name:
        lines.append(f"{node.get_role_name()}: {name}")
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, lines)


def main(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            lines = []
            walk(app, lines)
            print("\n".join(lines))
            return
    print(f"no application of process {pid} on the accessibility bus", file=sys.stderr)
    sys.exit(1)


if __name__ == "__main__":
    main(int(sys.argv[1]))
