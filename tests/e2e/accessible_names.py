"""Prints what a screen reader finds in the program with process id PID: one line
"role: name" for each named object of its windows, in tree order.

Usage: accessible_names.py PID
Exits 1 when no application of that process is on the accessibility bus.
"""
import sys

from atspi_app import application, walk


def main(pid):
    app = application(pid)
    if app is None:
        print(f"no application of process {pid} on the accessibility bus", file=sys.stderr)
        sys.exit(1)
    for node, _ in walk(app):
        if name := node.get_name():
            print(f"{node.get_role_name()}: {name}")


if __name__ == "__main__":
    main(int(sys.argv[1]))
