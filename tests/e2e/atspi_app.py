"""What the end-to-end scripts share to read the program over AT-SPI: the program of a
process on the accessibility bus, the walk over its tree, and the one way a script fails.
"""
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Debian 12's libatspi marks its getters deprecated but offers nothing else yet.
warnings.simplefilter("ignore", DeprecationWarning)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def walk(node, depth=0):
    """The node and each node below it with its depth, in tree order."""
    yield node, depth
    for child in children(node):
        if child is not None:
            yield from walk(child, depth + 1)


def application(pid):
    """The program of process `pid` on the accessibility bus, or None."""
    for app in children(Atspi.get_desktop(0)):
        if app is not None and app.get_process_id() == pid:
            return app
    return None
