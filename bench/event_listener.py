"""An assistive technology's share of the bridge's work: listens to every object event of
every program on the accessibility bus, as a screen reader does, and only counts them.
Prints "listening" once registered, and the number of events heard when sent SIGTERM.
"""
import signal
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)

heard = 0


def on_event(_event):
    global heard
    heard += 1


listener = Atspi.EventListener.new(on_event)
listener.register("object:")
loop = GLib.MainLoop()
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
print("listening", flush=True)
loop.run()
print(heard, flush=True)
