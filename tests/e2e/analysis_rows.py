"""Reads the Hand Analysis window of the program over AT-SPI, as a screen reader would, and
checks what a sighted player sees: the best hold's line above the list lies whole inside
the window, and the row marked as the player's hold lies whole inside the list, below its
column headers. Waits for the rows, which come once the game's tables are built.

Usage: analysis_rows.py PID
Exits 1 with a line on the first mismatch.
"""
import faulthandler
import sys
import time

from atspi_app import Atspi, application, children, fail

MARK = "\u25B6"
SCREEN = Atspi.CoordType.SCREEN


def walk(node):
    yield node
    for child in children(node):
        if child is not None and child.get_role() not in (Atspi.Role.TABLE_CELL,
                                                          Atspi.Role.COLUMN_HEADER):
            yield from walk(child)


def window(app):
    for node in children(app):
        if node is not None and node.get_name() == "Hand Analysis":
            return node
    return None


def box(node):
    r = node.get_extents(SCREEN)
    return (r.x, r.y, r.x + r.width, r.y + r.height)


def inside(inner, outer):
    return (inner[2] > inner[0] and inner[3] > inner[1] and inner[0] >= outer[0]
            and inner[1] >= outer[1] and inner[2] <= outer[2] and inner[3] <= outer[3])


def text(node):
    return f"{node.get_name()!r} {box(node)}"


def read(pid):
    """The window, its best line, its list and the marked row's Keep cell once shown, else
    what is missing."""
    app = application(pid)
    analysis = app and window(app)
    if not analysis:
        return "no window named Hand Analysis"
    parts = list(walk(analysis))
    best = [n for n in parts if n.get_role() == Atspi.Role.LABEL
            and n.get_name().startswith("Best: ")]
    lists = [n for n in parts if "Table" in n.get_interfaces()]
    if not best or not lists:
        return f"no best line or no list among {[text(n) for n in parts]}"
    table = lists[0].get_table_iface()
    for row in range(table.get_n_rows()):
        if table.get_accessible_at(row, 0).get_name() == MARK:
            return analysis, best[0], lists[0], table.get_accessible_at(row, 1)
    return f"no marked row among {table.get_n_rows()}"


def main():
    # A call the program does not answer would wait for ever.
    faulthandler.dump_traceback_later(80, exit=True)
    pid = int(sys.argv[1])
    end = time.monotonic() + 60
    while isinstance(found := read(pid), str):
        if time.monotonic() > end:
            fail(found)
        time.sleep(0.5)
    analysis, best, rows, marked = found
    header = rows.get_table_iface().get_column_header(1)
    headers_bottom = box(header)[3] if header is not None else box(rows)[1]
    if not inside(box(best), box(analysis)):
        fail(f"the best line {text(best)} is not whole in the window {box(analysis)}")
    viewport = (box(rows)[0], headers_bottom, box(rows)[2], box(rows)[3])
    if not inside(box(marked), viewport):
        fail(f"the marked row {text(marked)} is not whole in the list {viewport}")


main()
