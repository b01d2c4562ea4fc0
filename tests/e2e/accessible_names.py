"""Prints what a screen reader finds in the program with process id PID: one line
"role: name" for each named object of its windows, in tree order.

Usage: accessible_names.py PID
Exits 1 when no application of that process is on the accessibility bus.
"""
import sys

from atspi_app import application


def walk(node, lines):
    name = node.get_name()
    if name:
        lines.append(f"{node.get_role_name()}: {name}")
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, lines)


def main(pid):
    app = application(pid)
    if app is None:
        print(f"no application of process {pid} on the accessibility bus", file=sys.stderr)
        sys.exit(1)
    lines = []
    walk(app, lines)
    print("\n".join(lines))


if __name__ == "__main__":
    main(int(sys.argv[1]))
