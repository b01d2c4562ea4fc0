"""Plays one hand of Straight Poker at the table over AT-SPI alone, as a screen reader
user would: reads the cards, figures and pay table, takes a card off with its Toggle
action, presses Redeal with the button's action and listens for what the table announces.

Usage: screen_reader.py PID BET DISCARDED_WINDOW DEALT FINAL BALANCE
  DEALT and FINAL: the five cards before and after the redeal as "rank:suit ..." (rank 1
  ace to 13 king, suit 0 clubs, 1 spades, 2 hearts, 3 diamonds); BALANCE: the balance the
  round ends with. The expected hand and payoff come from the rules written out here.
Exits 1 with a line on the first mismatch.
"""
import collections
import sys
import time

from atspi_app import Atspi, application, fail, walk
from gi.repository import GLib

RANKS = [None, "Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
         "Ten", "Jack", "Queen", "King"]
SUITS = ["Clubs", "Spades", "Hearts", "Diamonds"]
# Straight Poker's pay lines, best first, with the payoff of a $1 bet.
PAY_LINES = [("Royal Flush", 250), ("Straight Flush", 50), ("Four of a Kind", 25),
             ("Full House", 8), ("Flush", 5), ("Straight", 4), ("Three of a Kind", 3),
             ("Two Pair", 2), ("Pair (Jacks or better)", 1)]


def cards(text):
    return [tuple(int(n) for n in card.split(":")) for card in text.split()]


def words(card):
    rank, suit = card
    return "Joker" if rank >= 15 else f"{RANKS[rank]} of {SUITS[suit]}"


def hand_name(hand):
    ranks = sorted(rank for rank, _ in hand)
    counts = sorted(collections.Counter(ranks).values(), reverse=True)
    pairs = [rank for rank, n in collections.Counter(ranks).items() if n == 2]
    flush = len({suit for _, suit in hand}) == 1
    royal = ranks == [1, 10, 11, 12, 13]
    straight = royal or (counts[0] == 1 and ranks[4] - ranks[0] == 4)
    # Whether the hand makes each of PAY_LINES, in their order.
    made = [royal and flush, straight and flush, counts[0] == 4, counts[:2] == [3, 2], flush,
            straight, counts[0] == 3, counts[:2] == [2, 2],
            bool(pairs) and (pairs[0] == 1 or pairs[0] >= 11)]
    return next((name for (name, _), hit in zip(PAY_LINES, made) if hit), None)


def payoff(line, bet):
    # The top line at the top bet pays its jackpot, not five times its base.
    return 4000 if (line, bet) == (0, 5) else PAY_LINES[line][1] * bet


def pump(seconds=0.0):
    """Delivers the events that arrived, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def until(what, check, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        result = check()
        if result:
            return result
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def hear(heard, *wanted):
    """Waits for the events `wanted` to have been heard in this order. Only events are
    looked at meanwhile: a call into the program while its events arrive can hold them
    back."""
    end = time.monotonic() + 20
    while True:
        rest = iter(heard)
        if all(event in rest for event in wanted):
            return
        if time.monotonic() > end:
            fail(f"did not hear {wanted} among {heard}")
        pump(0.1)


def states(node):
    state_set = node.get_state_set()
    return {name for name in ("checked", "checkable", "focusable", "selected")
            if state_set.contains(getattr(Atspi.StateType, name.upper()))}


def act(node, name):
    action = node.get_action_iface()
    for i in range(action.get_n_actions()):
        if action.get_action_name(i) == name:
            action.do_action(i)
            return
    fail(f"no action '{name}' on '{node.get_name()}'")


class Table:
    """The table's parts as the tree shows them."""

    def __init__(self, app):
        self.app = app
        self.read()

    def read(self):
        parts = [node for node, _ in walk(self.app)]
        self.cards = [n for n in parts if n.get_role() == Atspi.Role.CHECK_BOX]
        self.buttons = [n for n in parts if n.get_role() == Atspi.Role.PUSH_BUTTON]
        self.tables = [n for n in parts if n.get_role() == Atspi.Role.TABLE]
        self.notices = [n for n in parts if n.get_role() == Atspi.Role.NOTIFICATION]
        self.named = {n.get_name().split(" $")[0]: n for n in parts
                      if n.get_name().startswith(("Win $", "Balance $"))}
        return len(self.cards) == 5 and self.tables and self.notices and len(self.named) == 2

    def press(self, caption):
        found = [b for b in self.buttons if b.get_name() == caption]
        act(found[0] if found else fail(f"no {caption} button"), "Press")

    def card_names(self):
        return [card.get_name() for card in self.cards]

    def figure(self, caption):
        return self.named[caption].get_name()

    def check_pay_table(self, bet, line):
        """Headers, cells as (text, selected), selected columns and rows, against the rules."""
        table = self.tables[0].get_table_iface()
        rows, columns = range(table.get_n_rows()), range(table.get_n_columns())
        cell = table.get_accessible_at
        read = ([table.get_column_header(c).get_name() for c in columns],
                [table.get_row_header(r).get_name() for r in rows],
                [[(cell(r, c).get_name(), "selected" in states(cell(r, c))) for c in columns]
                 for r in rows],
                list(table.get_selected_columns()), list(table.get_selected_rows()))
        wanted = ([f"Bet ${c + 1}" for c in range(5)], [name for name, _ in PAY_LINES],
                  [[(str(payoff(r, c + 1)), c == bet - 1 or r == line) for c in range(5)]
                   for r in range(len(PAY_LINES))],
                  [bet - 1], [] if line is None else [line])
        for part, got, expected in zip(("column headers", "row headers", "cells",
                                        "selected columns", "selected rows"), read, wanted):
            if got != expected:
                fail(f"pay table {part} (bet ${bet}, line {line}): {got}, not {expected}")


def main():
    pid, bet, discarded = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]) - 1
    dealt, final, balance = cards(sys.argv[4]), cards(sys.argv[5]), int(sys.argv[6])

    heard = []

    # Qt's bridge sends a name change with the object, not the name: a screen reader
    # reads the name when the event reaches it, as this does.
    def on_event(event):
        said = event.source.get_name() if event.type.startswith("object:property") else None
        heard.append((event.type, event.source.get_role(), said))

    listener = Atspi.EventListener.new(on_event)
    listener.register("object:property-change:accessible-name")
    listener.register("object:state-changed:showing")

    app = until("the program on the accessibility bus", lambda: application(pid))
    app.set_cache_mask(Atspi.Cache.NONE)
    table = Table(app)
    until("the table's parts", table.read)

    # Between hands: five face-down cards, the stake, and the bet the + and - keys chose.
    if table.card_names() != ["Face down"] * 5:
        fail(f"before the deal the cards read {table.card_names()}")
    if table.figure("Balance") != "Balance $100" or table.figure("Win") != "Win $0":
        fail(f"figures read '{table.figure('Win')}', '{table.figure('Balance')}'")
    table.check_pay_table(bet, None)

    table.press("Deal")
    held = [words(card) + ", Hold" for card in dealt]
    until("the dealt cards", lambda: table.card_names() == held)
    # Qt 6.4's bridge does not pass "checkable" on; checked and focusable it does.
    for card in table.cards:
        if states(card) != {"checked", "focusable"}:
            fail(f"'{card.get_name()}' has the states {sorted(states(card))}")
    if table.figure("Balance") != f"Balance ${100 - bet}":
        fail(f"after the deal the balance reads '{table.figure('Balance')}'")

    card = table.cards[discarded]
    del heard[:]
    act(card, "Toggle")
    until("the discarded card", lambda: card.get_name() == "Face down, Discard")
    if "checked" in states(card):
        fail("a discarded card is still checked")
    hear(heard, ("object:property-change:accessible-name", Atspi.Role.CHECK_BOX,
                 "Face down, Discard"))

    del heard[:]
    table.press("Redeal")

    name = hand_name(final)
    line = None if name is None else [n for n, _ in PAY_LINES].index(name)
    win = 0 if line is None else payoff(line, bet)
    if balance != 100 - bet + win:
        fail(f"the core ends at ${balance}, the rules at ${100 - bet + win} ({name})")
    result = (f"{name}. You win ${win}. Balance ${balance}" if win
              else f"No win. Balance ${balance}")
    told = ("object:property-change:accessible-name", Atspi.Role.NOTIFICATION, result)
    hear(heard, told, ("object:state-changed:showing", Atspi.Role.NOTIFICATION, None))
    pump(1)
    if heard.count(told) != 1:
        fail(f"the result was told {heard.count(told)} times: {heard}")
    if table.card_names() != [words(card) + ", Hold" for card in final]:
        fail(f"after the redeal the cards read {table.card_names()}")
    if (table.figure("Win"), table.figure("Balance")) != (f"Win ${win}", f"Balance ${balance}"):
        fail(f"after the redeal the figures read '{table.figure('Win')}', "
             f"'{table.figure('Balance')}'")
    table.check_pay_table(bet, line)
    print(f"announced: {result}")


main()
