#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

"""What a screen reader gets from the real game over AT-SPI, as Orca gets it:
the tree, and the events of a game played by keyboard with real X input.

    screen_reader_test.py PATH_TO_VELTRANO    (run by with_accessibility_bus.sh)
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

game_path = sys.argv[1]
failures = []
heard = []  # (event type, source role, source name), in their order


def check(name, condition):
    print(("ok      " if condition else "FAILED  ") + name)
    if not condition:
        failures.append(name)


def listen(event):
    try:
        heard.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone by now
        pass


def walk(node, found):
    found.append(node)
    for child in node:
        if child is not None:
            walk(child, found)
    return found


def app_named(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)
    pump(0.4)


def pump(seconds):
    """Lets the events come in while time passes."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


config = tempfile.mkdtemp()
env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
game = subprocess.Popen([game_path], env=env, stderr=subprocess.DEVNULL)
try:
    app = app_named("Veltrano")
    check("the game is on the accessibility bus", app is not None)
    if app is None:
        sys.exit(1)
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Veltrano3$"],
                            capture_output=True, text=True, timeout=20).stdout.split()[0]
    subprocess.run(["xdotool", "windowmove", "--sync", window, "0", "0"], check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for kind in ("focus:", "object:property-change:accessible-name", "object:children-changed:add"):
        pyatspi.Registry.registerEventListener(listen, kind)
    pump(0.5)

    names = [node.name for node in walk(app, []) if node.getState().contains(pyatspi.STATE_SHOWING)]
    check("no caption is read beside its value", "Maximum Possible Score:" not in names and "Your Score:" not in names)
    check("the empty product of the standard mode is not read", "product" not in names)
    buy = [n for n in names if " purchase, " in n]
    check("four buy buttons, each its own name: %s" % buy, len(buy) == 4 and len(set(buy)) == 4)

    # A game by keyboard: a cell takes the focus, Return starts, Tab goes on to the buy button and Done.
    subprocess.run(["xdotool", "mousemove", "--window", window, "186", "217", "click", "1"], check=True)
    keys("Return")
    del heard[:]
    keys(*["Tab"] * 19, "space")  # the first buy button, past the board, "Start" and "Done"
    bought = [h for h in heard if h[0].startswith("object:property-change:accessible-name") and "bought" in h[2]]
    check("a purchase says where its digit went: %s" % (bought[-1][2] if bought else heard[-3:]),
          bool(bought) and "row " in bought[-1][2] and "column " in bought[-1][2])

    del heard[:]
    keys("shift+Tab", "space")  # Done
    focus = [h for h in heard if h[0] == "focus:"]
    check("after Done the focus comes to a Score that says the score: %s" % (focus[-1:],),
          bool(focus) and focus[-1][2].startswith("Score, your score: "))

    keys("space")  # Score
    focus = [h for h in heard if h[0] == "focus:"]
    check("Score hands the focus to the name field", bool(focus) and focus[-1][2] == "Name")
    subprocess.run(["xdotool", "type", "--delay", "30", "Ann"], check=True)
    del heard[:]
    keys("Return")  # Record
    added = [h for h in heard if h[0].startswith("object:children-changed:add") and h[1] == "table"]
    check("a recorded row is added to its list: %d events" % len(added), len(added) >= 2)

    keys("ctrl+q")
    game.wait(timeout=10)
    with open(os.path.join(config, "Veltrano.prefs")) as scores:
        check("the record reached its file", scores.read().startswith("Ann,"))
finally:
    if game.poll() is None:
        game.kill()

print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
