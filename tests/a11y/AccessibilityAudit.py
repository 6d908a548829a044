"""Walks every window of a running Korvanda through the desktop's
accessibility interface, as a screen reader or an automation tool meets it.

Fails on a control that takes the focus without a name, on two such controls
of one window with the same name, on a grid column without a caption, and on
a push button that the keyboard cannot reach. A button counts as reachable
when it has an access key or shortcut, is the window's default button, or is
met while pressing Tab round the window from where the focus stands.

Usage: AccessibilityAudit.py PROGRAM MEET_DIRECTORY
"""
import os
import subprocess
import sys
import time

import pyatspi

failures = []
# Keysyms of X11, which is where the synthetic keys are typed.
TAB, ESCAPE = 0xFF09, 0xFF1B


def messages(app):
    return [w for w in app if w is not None and w.name == "Korvanda" and showing(w)]


def fail(window, text):
    failures.append(f"{window}: {text}")


def wait_for(what, probe, seconds=60.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"FAILED: gave up waiting for {what}")


def states(acc):
    return acc.getState()


def showing(acc):
    s = states(acc)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def active(window):
    return states(window).contains(pyatspi.STATE_ACTIVE)


def take_keys(window):
    """Waits until the window holds the keyboard, asking for the focus
    again where the first request went unheard."""
    def asked():
        if active(window):
            return True
        for c in controls(window):
            if states(c).contains(pyatspi.STATE_FOCUSABLE) and showing(c):
                c.queryComponent().grabFocus()
                break
        time.sleep(0.5)
        return active(window)
    try:
        wait_for(f"{window.name} to take the keys", asked, 10)
    except SystemExit:
        # Most often a message box that came up on the way holds them.
        for box in messages(window.parent):
            print("Shown instead:", [c.name for c in controls(box) if c.getRole() == pyatspi.ROLE_LABEL and c.name])
        raise


def program(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def window_named(app, caption):
    """A working window's title is its caption and the meet folder's name."""
    for w in app:
        if w is not None and (w.name == caption or w.name.startswith(caption + " - ")) and showing(w):
            return w
    return None


def controls(acc):
    """Every control under acc; a grid's cells and a closed menu's entries
    are the grid's and the menu's business, not the window's."""
    for child in acc:
        if child is None:
            continue
        yield child
        role = child.getRole()
        if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_POPUP_MENU):
            continue
        yield from controls(child)


def describe(acc):
    return f"{acc.getRoleName()} '{acc.name}'"


def key_binding(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return ""
    return "".join(action.getKeyBinding(i) for i in range(action.nActions))


def press(acc, name="Press"):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in (name.lower(), "press", "click", "toggle"):
            action.doAction(i)
            return
    raise SystemExit(f"FAILED: {describe(acc)} has no action {name}")


def find(window, role, name):
    for c in controls(window):
        if c.getRole() == role and c.name == name:
            return c
    raise SystemExit(f"FAILED: {window.name} has no {role} '{name}'")


def menu_entry(window, name):
    for c in controls(window):
        if c.getRole() == pyatspi.ROLE_MENU_BAR:
            for top in c:
                if top.name == name:
                    return top
                for popup in top:
                    for entry in popup:
                        if entry.name == name:
                            return entry
    raise SystemExit(f"FAILED: {window.name} has no menu entry '{name}'")


def tab_round(stops, wanted):
    """Which of `wanted` the focus meets while Tab is pressed round the
    window's `stops`: twice their number at most, so a chain that loops
    short of some still comes round."""
    met = set()
    for _ in range(2 * len(stops) + 2):
        pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
        time.sleep(0.03)
        for c in stops:
            if states(c).contains(pyatspi.STATE_FOCUSED):
                met.add((c.getRole(), c.name))
                break
        if wanted <= met:
            break
    return met


def audit(window):
    caption = window.name
    focusable = [c for c in controls(window) if states(c).contains(pyatspi.STATE_FOCUSABLE)]
    seen = {}
    for c in focusable:
        name = (c.name or "").strip()
        if not name:
            fail(caption, f"a {c.getRoleName()} has no name")
            continue
        if name in seen:
            fail(caption, f"two controls are named '{name}' ({seen[name]}, {c.getRoleName()})")
        seen[name] = c.getRoleName()
    for c in controls(window):
        if c.getRole() != pyatspi.ROLE_TABLE or not showing(c):
            continue
        table = c.queryTable()
        # Qt's bridge offers no header cells for a grid without rows (an
        # empty list of short rests, say): such a grid is read by its name.
        if table.nRows == 0:
            continue
        for column in range(table.nColumns):
            header = table.getColumnHeader(column)
            if header is None or not (header.name or "").strip():
                fail(caption, f"column {column} of grid '{c.name}' has no caption")
    # A button that never takes the focus still needs a key of its own.
    buttons = [c for c in controls(window) if c.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)
               and showing(c) and states(c).contains(pyatspi.STATE_SENSITIVE)]
    pending = [b for b in buttons if not key_binding(b) and not states(b).contains(pyatspi.STATE_IS_DEFAULT)]
    if pending:
        take_keys(window)
        met = tab_round([c for c in focusable if showing(c)], {(b.getRole(), b.name) for b in pending})
        for box in messages(window.parent):
            texts = [c.name for c in controls(box) if c.getRole() == pyatspi.ROLE_LABEL and c.name]
            fail(caption, f"the Tab round brought up a message: {texts}")
        for b in pending:
            if (b.getRole(), b.name) not in met:
                fail(caption, f"push button '{b.name}' has no keyboard route")
    print(f"{caption}: {len(focusable)} focusable controls, {len(buttons)} push buttons")


def main():
    executable, directory = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # A window manager hands the keyboard to the window the program
    # activates, as on a desktop; a bare X server keeps it where it was.
    manager = subprocess.Popen(["matchbox-window-manager", "-use_titlebar", "no"])
    korvanda = subprocess.Popen([executable], cwd=directory, env=env)
    try:
        app = wait_for("Korvanda on the accessibility bus", lambda: program("Korvanda"))
        team = wait_for("the team list", lambda: window_named(app, "Team List"))
        audit(team)

        # With rosters, bouts and a schedule every grid has rows to show.
        press(find(team, pyatspi.ROLE_PUSH_BUTTON, "Load Rosters"))
        roster = wait_for("the roster", lambda: window_named(app, "Roster of All Wrestlers"))
        press(find(roster, pyatspi.ROLE_PUSH_BUTTON, "Match"))
        time.sleep(1.0)
        # The editor's number boxes are checked as the focus leaves them;
        # filled in, the Tab round passes them without a message.
        for box, value in (("Age", "10"), ("Weight", "70"), ("Skill", "2")):
            find(roster, pyatspi.ROLE_TEXT, box).queryEditableText().setTextContents(value)
        audit(roster)

        press(menu_entry(roster, "Bout"))
        bouts = wait_for("the bout list", lambda: window_named(app, "Bout List"))
        press(find(bouts, pyatspi.ROLE_PUSH_BUTTON, "Schedule"))
        time.sleep(0.5)
        audit(bouts)

        # A refused entry brings up a message box; Escape must close it.
        press(find(bouts, pyatspi.ROLE_PUSH_BUTTON, "Accept"))
        message = wait_for("the message box", lambda: window_named(app, "Korvanda"))
        audit(message)
        take_keys(message)
        pyatspi.Registry.generateKeyboardEvent(ESCAPE, None, pyatspi.KEY_SYM)
        wait_for("the message box to close on Escape", lambda: window_named(app, "Korvanda") is None, 20)

        press(menu_entry(bouts, "Mat"))
        mats = wait_for("the mat schedule", lambda: window_named(app, "Mat Schedule"))
        audit(mats)

        press(menu_entry(mats, "Meet Check"))
        check = wait_for("the meet check", lambda: window_named(app, "Meet Check"))
        audit(check)
        press(menu_entry(check, "Mat Board"))
        board = wait_for("the mat board", lambda: window_named(app, "Mat Board"))
        audit(board)

        press(menu_entry(check, "About"))
        about = wait_for("the About window", lambda: window_named(app, "About Korvanda"))
        audit(about)
        take_keys(about)
        pyatspi.Registry.generateKeyboardEvent(ESCAPE, None, pyatspi.KEY_SYM)
        wait_for("the About window to close on Escape", lambda: window_named(app, "About Korvanda") is None, 20)

        press(menu_entry(check, "Exit"))
        korvanda.wait(timeout=10)
    finally:
        if korvanda.poll() is None:
            korvanda.kill()
        manager.kill()
    for f in failures:
        print("FAILED:", f)
    print(f"{'0' if failures else '1'} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
