#!/usr/bin/python3
"""Drives a running Korvanda through the accessibility bus, as a director
would with the mouse: "Load Rosters", then "Match", then File > Exit.

usage: drive_korvanda.py RESTORE_FILE

Waits for RESTORE_FILE to appear after "Match" before leaving the program.
Every message box on the way is printed and answered from ANSWERS; any other
message box fails the run at once instead of leaving it hanging.
"""
import os
import sys
import time

import pyatspi
from gi.repository import GLib

# Seconds each step may take on a busy machine before the run fails.
STEP_TIMEOUT = 60
# The only question a plain run through the demo meet may meet, and the
# answer that leaves the team files as they are.
ANSWERS = {"Save changes to rosters?": "No"}
# Containers of many cells are never searched: walking a roster of a
# hundred wrestlers cell by cell over the bus takes longer than the test.
SKIPPED_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE}


def fail(message):
    print("drive_korvanda: " + message, file=sys.stderr, flush=True)
    sys.exit(1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == "Korvanda":
            return app
    return None


def children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount)) if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        if child.getRole() not in SKIPPED_ROLES:
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def caption(node):
    return (node.name or "").replace("&", "").strip()


def find_in(root, role, name):
    for node in descendants(root):
        if node.getRole() == role and caption(node) == name and showing(node):
            return node
    return None


def press(node):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == "Press":
            actions.doAction(index)
            return
    fail("'%s' has no Press action" % caption(node))


def answer_message_boxes(app):
    for box in children(app):
        if box.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) or not showing(box):
            continue
        text = " ".join(caption(n) for n in descendants(box) if n.getRole() == pyatspi.ROLE_LABEL and caption(n))
        print("message box: " + text, flush=True)
        answer = next((a for question, a in ANSWERS.items() if question in text), None)
        if answer is None:
            fail("unexpected message box: " + text)
        button = find_in(box, pyatspi.ROLE_PUSH_BUTTON, answer)
        if button is None:
            fail("message box without a '%s' button: %s" % (answer, text))
        press(button)


def wait_for(what, probe):
    """Polls probe(app) until it gives something; app is None once Korvanda has gone."""
    deadline = time.monotonic() + STEP_TIMEOUT
    while time.monotonic() < deadline:
        try:
            app = application()
            if app is not None:
                answer_message_boxes(app)
            found = probe(app)
            if found:
                return found
        except GLib.GError:
            pass  # a window went away while it was being read; look again
        time.sleep(0.25)
    fail("gave up waiting for " + what)


def press_button(name):
    press(wait_for("the button '%s'" % name, lambda app: app and find_in(app, pyatspi.ROLE_PUSH_BUTTON, name)))
    print("pressed " + name, flush=True)


def exit_item(app):
    # The menus of hidden windows are on the bus too; only the shown one counts.
    for window in children(app):
        if showing(window):
            for node in descendants(window):
                if node.getRole() == pyatspi.ROLE_MENU_ITEM and caption(node) == "Exit":
                    return node
    return None


def main():
    if len(sys.argv) != 2:
        fail("usage: drive_korvanda.py RESTORE_FILE")
    restore_file = sys.argv[1]
    press_button("Load Rosters")
    if os.path.exists(restore_file):
        fail(restore_file + " was there before 'Match'")
    press_button("Match")
    wait_for(restore_file, lambda app: os.path.exists(restore_file))
    print("restore file written", flush=True)
    press(wait_for("File > Exit", lambda app: app and exit_item(app)))
    print("pressed File > Exit", flush=True)
    wait_for("Korvanda to end", lambda app: app is None)


main()
