"""What the end-to-end scripts share to read the program over AT-SPI: the program found by
its process id among the applications on the accessibility bus, a node's children, and the
one way a script fails.
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


def application(pid):
    """The program of process `pid` on the accessibility bus, or None."""
    for app in children(Atspi.get_desktop(0)):
        if app is not None and app.get_process_id() == pid:
            return app
    return None
