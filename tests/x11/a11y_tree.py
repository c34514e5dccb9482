# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the running game's accessible tree over the AT-SPI bus, as a screen reader sees it.

usage: a11y_tree.py CORVELLE_EXECUTABLE   (inside dbus-run-session, with DISPLAY set)
The dealt table must name 35 different cards, free in the bottom row and covered above it;
the piles and the score must say what they show; a draw pressed through the bus must be
announced by the notification object and renamed on the piles; so must a card played.
"""
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
         "Jack", "Queen", "King"]
CARDS = {f"{r} of {s}": i + 1 for s in ["Spades", "Clubs", "Diamonds", "Hearts"]
         for i, r in enumerate(RANKS)}
CARDS.update({"Black Joker": 0, "Red Joker": 0})   # rank 0: wild
heard = []
passed = []


def fail(message):
    raise SystemExit(f"FAIL: {message}")


def wait_for(what, check, seconds=20, seen=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = check()
            if result:
                return result
        except Exception:  # the bus or the window is still starting
            pass
        for _ in range(100):
            if not GLib.MainContext.default().iteration(False):
                break
        time.sleep(0.05)
    try:
        saw = f"; seen: {seen()}" if seen else ""
    except Exception:  # the bus went away meanwhile: the timeout is the news
        saw = ""
    fail(f"timed out waiting for {what}{saw}")


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def find_table(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            for frame in children(app):
                for part in children(frame):
                    if any(c.name == "Undo Last Card Move" for c in children(part)):
                        return part
    return None


class Game:
    """The game under test. One that could not reach the X server while it was starting (seen
    under load: "could not connect to display") is started again, twice at most."""

    def __init__(self, executable):
        self.executable = executable
        self.process = subprocess.Popen([executable])
        self.starts = 1

    def table(self):
        if self.process.poll() is not None and self.starts < 3:
            self.process = subprocess.Popen([self.executable])
            self.starts += 1
        return find_table(self.process.pid)

    def end(self):
        self.process.kill()
        self.process.wait()


def named(table, prefix):
    found = [c for c in children(table) if showing(c) and c.name.startswith(prefix)]
    return found[0] if len(found) == 1 else None


def press(obj):
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def announced(text):
    return lambda: text in heard


def main():
    game = Game(sys.argv[1])
    try:
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append(e.source.name) if e.detail1 and
            e.source.getRole() == pyatspi.ROLE_NOTIFICATION else None,
            "object:state-changed:showing")
        # As a screen reader does; the game sends only the events someone listens to.
        pyatspi.Registry.registerEventListener(
            lambda e: None, "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:state-changed")
        table = wait_for("the game's table on the bus", game.table, 40)
        cards = wait_for("35 named cards", lambda: all(c.name for c in children(table)[:35]) and
                         children(table)[:35])
        names = [c.name for c in cards]
        if len(set(names)) != 35 or not set(names) <= CARDS.keys():
            fail(f"the table does not name 35 different cards: {names}")
        for i, card in enumerate(cards):
            want = "Free" if i % 5 == 4 else "Covered"
            if card.description != want or card.getRole() != pyatspi.ROLE_PUSH_BUTTON:
                fail(f"slot {i} {card.name}: {card.description!r}, {card.getRoleName()}")
        if not named(table, "Draw pile, 18 cards") or not named(table, "Score 0"):
            fail("no draw pile of 18 cards or no score 0")
        discard = named(table, "Discard pile, ")
        if not discard or discard.name[14:] not in CARDS.keys() - set(names):
            fail(f"the discard pile names no card apart from the table: {discard}")

        for left in range(17, -1, -1):
            before = discard.name
            press(discard)
            wait_for(f"a draw leaving {left}", lambda: discard.name != before and
                     (left == 0 or named(table, f"Draw pile, {left} card")),
                     seen=lambda: [c.name for c in children(table) if "pile" in c.name])
            wait_for("the draw announced", announced(f"Drew the {discard.name[14:]}"))
            top = CARDS[discard.name[14:]]
            fits = [c for c in cards if showing(c) and c.description == "Free" and
                    (top == 0 or CARDS[c.name] == 0 or abs(CARDS[c.name] - top) in (1, 12))]
            if fits:
                break
        else:
            fail("no card ever fitted")
        played, slot = fits[0].name, cards.index(fits[0])
        press(fits[0])
        wait_for("the card off the table", lambda: not showing(fits[0]))
        if slot % 5 > 0:
            wait_for("the card above it free", lambda: cards[slot - 1].description == "Free")
        wait_for("the play announced", announced(f"{played} played, score 5"))
        if discard.name != f"Discard pile, {played}" or not named(table, "Score 5"):
            fail(f"after playing {played}: {discard.name}")
        print(f"a11y_tree: 35 cards, the piles, the score, a draw and {played} played: all named")
        passed.append(True)
    finally:
        game.end()


def run():
    # Inside the AT-SPI event loop, as in a screen reader: libatspi then keeps what it has read
    # of each object and changes it only on the events the game sends.
    try:
        main()
    except SystemExit as failure:
        print(failure, file=sys.stderr)
    except Exception:
        traceback.print_exc()
    finally:
        pyatspi.Registry.stop()
    return False


def serve(test):
    """Runs `test` inside the AT-SPI event loop and exits with its verdict."""
    global main
    main = test
    GLib.idle_add(run)
    pyatspi.Registry.start()
    sys.exit(0 if passed else 1)


if __name__ == "__main__":
    serve(main)
