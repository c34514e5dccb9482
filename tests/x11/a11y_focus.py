# SPDX-FileCopyrightText: 2026 The Corvelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays deal 1 by keyboard, as a blind player would, and checks over the AT-SPI bus what a
screen reader meets: the keyboard's choice is the focused object (a named, free card) after
Right and Left; Enter on a card that does not fit says so; the hint is heard; the table holds
only what shows (one draw pile object, no played cards); and the end of the game is heard.

usage: a11y_focus.py CORVELLE_EXECUTABLE   (inside dbus-run-session, with DISPLAY set)
Deal 1 deals the King of Clubs, the Eight of Diamonds, .. the Nine of Diamonds as the free cards
of columns 1 to 7 and turns up the Eight of Hearts; drawn to its end with no card played, it is
over.
"""
import subprocess
import sys

import pyatspi

import a11y_tree
from a11y_tree import Game, children, fail, heard, passed, showing, wait_for

focused = []


def key(window, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def game_window(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout.split()
    return found[-1] if found else None


def heard_start(prefix):
    return lambda: any(text.startswith(prefix) for text in heard)


def focus_on(card):
    return lambda: focused and focused[-1].name == card.name and \
        card.getState().contains(pyatspi.STATE_FOCUSED)


def main():
    game = Game(sys.argv[1])
    try:
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append(e.source.name) if e.detail1 and
            e.source.getRole() == pyatspi.ROLE_NOTIFICATION else None,
            "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(
            lambda e: focused.append(e.source) if e.detail1 else None,
            "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(
            lambda e: None, "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:state-changed")
        table = wait_for("the game's table on the bus", game.table, 40)
        window = wait_for("the game's window", lambda: game_window(game.process.pid))
        key(window, "alt+p", "d")
        # Typing before the dialog has the keyboard would lose the number (seen under load).
        asked = wait_for("the deal number dialog", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Play Deal Number$"],
            capture_output=True, text=True).stdout.split())
        key(asked[0], "1")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        wait_for("deal 1 dealt", heard_start("New game dealt, Eight of Hearts on the discard"))
        # The cards' new names may reach the bus after the announcement.
        deal1 = ["King of Clubs", "Eight of Diamonds", "Nine of Diamonds"]
        wait_for(f"the free cards of deal 1, {deal1}",
                 lambda: [children(table)[s].name for s in (4, 9, 34)] == deal1, 10)
        cards = children(table)[:35]

        key(window, "Right")
        wait_for("the focus on the first column's free card", focus_on(cards[4]))
        if cards[4].description != "Free":
            fail(f"the chosen card says {cards[4].description!r}")
        key(window, "Return")
        wait_for("Enter on a card that does not fit told",
                 heard_start("The King of Clubs does not fit on the Eight of Hearts"))
        key(window, "Right")
        wait_for("the focus on the second column's free card", focus_on(cards[9]))
        key(window, "Left", "Left")
        wait_for("the focus on the last column's free card", focus_on(cards[34]))

        kids = children(table)
        piles = [c for c in kids if c.name.startswith("Draw pile")]
        if len(piles) != 1 or piles[0].name != "Draw pile, 18 cards":
            fail(f"the draw pile is not one object: {[c.name for c in piles]}")
        hidden = [c.name for c in kids if not showing(c) and c.getRole() !=
                  pyatspi.ROLE_NOTIFICATION]
        if hidden:
            fail(f"objects of the table that do not show: {hidden}")

        key(window, "h")
        wait_for("the hint heard", heard_start("Hint: "))
        for _ in range(18):
            key(window, "d")
        wait_for("the end of the game heard", lambda: any("game over" in t for t in heard))
        print("a11y_focus: the keyboard's choice is the focus, Enter, the hint and the end heard")
        passed.append(True)
    finally:
        game.end()


if __name__ == "__main__":
    a11y_tree.serve(main)
