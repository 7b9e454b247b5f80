#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Veltrano developers
#
# SPDX-License-Identifier: MIT

"""What a screen reader gets from the real game over AT-SPI, as Orca gets it:
the tree, and the events of games played by keyboard with real X input. Each
step waits for what it expects to hear, never for a fixed time.

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
LIMIT = 60  # seconds for anything awaited: generous for a loaded machine


def check(name, condition):
    print(("ok      " if condition else "FAILED  ") + name)
    if not condition:
        failures.append(name)


def listen(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name, event.detail1, source.description))
    except Exception:  # the source may be gone by now
        pass


def walk(node, found):
    found.append(node)
    for child in node:
        if child is not None:
            walk(child, found)
    return found


def wait_for(condition, limit=LIMIT):
    """Lets the events come in until the condition holds; its last value."""
    context = GLib.MainContext.default()
    end = time.time() + limit
    while True:
        while context.pending():
            context.iteration(False)
        value = condition()
        if value or time.time() > end:
            return value
        time.sleep(0.02)


def app_named(name, process):
    """The application of the process on the bus, once it is there; None if the process ends first."""
    def find():
        return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == name), None)
    wait_for(lambda: find() or process.poll() is not None)
    return find()


def events(kind, since=0):
    return [h for h in heard[since:] if h[0].startswith(kind)]


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def heard_after(action, kind, matches=lambda h: True):
    """Runs the action, then waits for an event of the kind that matches; the event, or None."""
    since = len(heard)
    action()
    found = wait_for(lambda: [h for h in events(kind, since) if matches(h)])
    return found[-1] if found else None


def tab_until(reached, backwards=False, most=40):
    """Tabs, a focus event at a time, until the focus event is one the test
    wants; the names passed, and whether it was reached."""
    passed = []
    for _ in range(most):
        focus = heard_after(lambda: keys("shift+Tab" if backwards else "Tab"), "focus:")
        if focus is None:
            break
        passed.append(focus[2])
        if reached(focus):
            return passed, True
    return passed, False


def tab_to(name_start, backwards=False):
    """Tabs until the focus is on a control whose name starts so."""
    return tab_until(lambda focus: focus[2].startswith(name_start), backwards)


def focus_after(action, until):
    """The focus events the action brings, up to and with the one that ends them."""
    since = len(heard)
    action()
    wait_for(lambda: any(until(h) for h in events("focus:", since)))
    found = events("focus:", since)
    ends = [i for i, h in enumerate(found) if until(h)]
    return [(h[1], h[2], h[4]) for h in found[:ends[0] + 1]] if ends else found


def notification_after(action):
    """What the game announces after the action, or None."""
    news = heard_after(action, "object:property-change:accessible-name", lambda h: h[1] == "notification")
    return news and news[2]


config = tempfile.mkdtemp()
with open(os.path.join(config, "Veltrano.prefs"), "w") as scores:
    scores.write("Cy,50\nDee,12\n")
env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
errors = tempfile.TemporaryFile()
game = subprocess.Popen([game_path], env=env, stderr=errors)
try:
    app = app_named("Veltrano", game)
    check("the game is on the accessibility bus", app is not None)
    if app is None:
        errors.seek(0)
        print("the game's status: %s; its errors:\n%s" % (game.poll(), errors.read().decode(errors="replace")[-2000:]))
        sys.exit(1)
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Veltrano3$"],
                            capture_output=True, text=True, timeout=LIMIT).stdout.split()[0]
    subprocess.run(["xdotool", "windowmove", "--sync", window, "0", "0"], check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for kind in ("focus:", "object:property-change:accessible-name", "object:children-changed:add", "window:activate"):
        pyatspi.Registry.registerEventListener(listen, kind)

    names = [node.name for node in walk(app, []) if node.getState().contains(pyatspi.STATE_SHOWING)]
    check("no caption is read beside its value", "Maximum Possible Score:" not in names and "Your Score:" not in names)
    check("the empty product of the standard mode is not read", "product" not in names)
    buy = [n for n in names if " purchase, " in n]
    check("four buy buttons, each its own name: %s" % buy, len(buy) == 4 and len(set(buy)) == 4)

    # A disabled control offers no action a tool could call and be told it was done.
    offered = {node.name.split(",")[0]: node.queryAction().nActions for node in walk(app, [])
               if " purchase, " in node.name and not node.getState().contains(pyatspi.STATE_ENABLED)}
    check("the disabled buy buttons offer no action: %s" % offered, len(offered) == 3 and not any(offered.values()))

    def named(h, start):
        return h[2].startswith(start)

    # X delivers the click before the key.
    subprocess.run(["xdotool", "mousemove", "--window", window, "186", "217", "click", "1"], check=True)

    # Entering a list, a reader hears its current row, and where it stands, once: not the table after it.
    passed, reached = tab_until(lambda h: h[1] == "table column header", backwards=True)
    check("Shift+Tab reaches a list's heading: %s" % passed, reached)
    rows = focus_after(lambda: keys("Tab", "Down"), lambda h: h[2] == "Dee")
    check("Tab into the list is heard at its row, and Down at the next: %s" % rows,
          rows == [("table cell", "Cy", "row 1 of 2"), ("table cell", "Dee", "row 2 of 2")])

    # A switch of mode is heard: the empty board and the list now shown.
    passed, reached = tab_to("standard", backwards=True)
    check("Shift+Tab reaches the mode: %s" % passed, reached)
    for key, mode, scores in (("Right", "Expert", "Expert scores"), ("Left", "Standard", "Standard scores")):
        news = notification_after(lambda: keys(key, "space"))
        check("choosing the %s mode is heard: %s" % (mode, news),
              news is not None and news.startswith(mode + " mode") and "empty until Start" in news and scores in news)

    # Help and About open as dialogs that say what they are; their texts are reached by Tab, and
    # closing them gives the focus straight back to the control that had it.
    opened = heard_after(lambda: keys("F1"), "window:activate")
    check("Help opens as a dialog with its first paragraph: %s" % (opened,),
          opened is not None and opened[1] == "dialog" and opened[4].startswith("When you start"))
    focus = heard_after(lambda: keys("Tab"), "focus:", lambda h: h[1] == "text")
    check("Tab reaches Help's text: %s" % (focus,), focus is not None and focus[2] == "Rules")
    back = focus_after(lambda: keys("Escape"), lambda h: h[1] != "text")
    check("closing Help gives the focus back to the mode: %s" % back, back == [("radio button", "standard", "")])
    menu = focus_after(lambda: keys("alt+e"), lambda h: h[2] == "About Veltrano")
    check("the Edit menu is heard once: %s" % menu, [item[1] for item in menu] == ["Edit", "About Veltrano"])
    opened = heard_after(lambda: keys("Return"), "window:activate")
    check("About opens as a dialog: %s" % (opened,),
          opened is not None and opened[1] == "dialog" and opened[2] == "About" and opened[4].startswith("Veltrano"))
    wait_for(lambda: [h for h in events("focus:") if h[2] == "Close"])
    back = focus_after(lambda: keys("Escape"), lambda h: h[2] != "Close")
    check("closing About gives the focus back to the mode: %s" % back, back == [("radio button", "standard", "")])

    # A game by keyboard: a cell takes the focus, Return starts, Tab goes on to the buy button and Done.
    subprocess.run(["xdotool", "mousemove", "--window", window, "186", "217", "click", "1"], check=True)
    news = heard_after(lambda: keys("Return"), "object:property-change:accessible-name",
                       lambda h: h[1] == "notification")
    check("a new game is heard: %s" % (news,), news is not None and news[2].startswith("New game"))
    passed, reached = tab_to("first purchase")
    check("Tab reaches the first buy button: %s" % passed, reached)
    bought = heard_after(lambda: keys("space"), "object:property-change:accessible-name",
                         lambda h: named(h, "first purchase") and "bought" in h[2])
    check("a purchase says where its digit went: %s" % (bought,),
          bought is not None and "row " in bought[2] and "column " in bought[2])

    # A second digit bought, then a new game from Start: the buy buttons stay within reach of Tab.
    focus = heard_after(lambda: keys("Down"), "focus:")
    check("Down goes on to the second buy button: %s" % (focus,), focus is not None and named(focus, "second purchase"))
    bought = heard_after(lambda: keys("space"), "object:property-change:accessible-name",
                         lambda h: named(h, "second purchase") and "bought" in h[2])
    check("the second digit is bought", bought is not None)
    passed, reached = tab_to("Start", backwards=True)
    check("Shift+Tab goes back to Start: %s" % passed, reached)
    news = heard_after(lambda: keys("space"), "object:property-change:accessible-name", lambda h: h[1] == "notification")
    check("Start begins a new game", news is not None and news[2].startswith("New game"))
    passed, reached = tab_to("first purchase")
    check("in the new game Tab reaches the buy buttons again: %s" % passed, reached)

    passed, reached = tab_to("Done", backwards=True)
    check("Shift+Tab goes back to Done: %s" % passed, reached)
    focus = heard_after(lambda: keys("space"), "focus:")
    check("after Done the focus comes to a Score that says the score: %s" % (focus,),
          focus is not None and focus[2].startswith("Score, your score: "))

    focus = heard_after(lambda: keys("space"), "focus:")  # Score
    check("Score hands the focus to the name field", focus is not None and focus[2] == "Name")
    subprocess.run(["xdotool", "type", "--delay", "30", "Ann"], check=True)
    since = len(heard)
    keys("Return")  # Record
    added = wait_for(lambda: len([h for h in events("object:children-changed:add", since) if h[1] == "table"]) >= 2)
    check("a recorded row is added to its list", added)

    keys("ctrl+q")
    game.wait(timeout=LIMIT)
    with open(os.path.join(config, "Veltrano.prefs")) as scores:
        check("the record reached its file", scores.read().splitlines()[-1].startswith("Ann,"))
finally:
    if game.poll() is None:
        game.kill()

print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
