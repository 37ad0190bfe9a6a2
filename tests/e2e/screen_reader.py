#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader gets from the running calculator over the accessibility bus: the
# tree of every window, the focus, and the events while 12+30= is typed with real X keys.
#   screen_reader.py PROCESS-ID
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
failures = []
events = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text, file=sys.stderr)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def record(event):
    try:
        source = event.source.name
    except Exception:
        source = None
    events.append((event.type, source, event.any_data))


def program():
    for attempt in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.1)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


# The innermost focused object: a window holds the focus with the control in it, and a
# scrolled view's viewport (a filler) shares the focus of its view.
def focused(app):
    found = None
    for node in walk(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRole() != pyatspi.ROLE_FILLER:
            found = node
    return found


def describe(node):
    return "%s '%s' in %s '%s'" % (node.getRoleName(), node.name, node.parent.getRoleName(), node.parent.name)


def whole_text(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def key(name, wait=0.6):
    subprocess.run(["xdotool", "key", name], check=True)
    pump(wait)


# Controls a user works with; each must have a name and no role that hides what it is.
CONTROL_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
                 pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TOGGLE_BUTTON}
HIDING_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_UNKNOWN}


def check_window(window, title):
    for node in walk(window):
        role = node.getRole()
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        clickable = any(node.queryAction().getName(i) in ("Press", "press", "click")
                        for i in range(node.queryAction().nActions)) if _has_action(node) else False
        if not (role in CONTROL_ROLES or focusable or clickable):
            continue
        what = "%s: %s '%s'" % (title, node.getRoleName(), node.name)
        if not node.name.strip():
            fail("%s has no name" % what)
        if role in HIDING_ROLES:
            fail("%s is focusable or pressable but reads as a %s" % (what, node.getRoleName()))


def _has_action(node):
    try:
        node.queryAction()
        return True
    except NotImplementedError:
        return False


def window_titled(app, title):
    for attempt in range(50):
        for window in app:
            if window is not None and title in window.name:
                return window
        pump(0.1)
    return None


app = program()
if app is None:
    print("the program did not appear on the accessibility bus", file=sys.stderr)
    sys.exit(1)
if app.name != "Numerette":
    fail("the program is announced as '%s', not 'Numerette'" % app.name)

pyatspi.Registry.registerEventListener(record, "object:text-changed", "object:state-changed:focused",
                                       "object:property-change:accessible-name", "object:value-changed",
                                       "object:property-change:accessible-value")
pump(1)

calculator = window_titled(app, "Numerette FREE")
if calculator is None:
    print("no calculator window on the bus", file=sys.stderr)
    sys.exit(1)
check_window(calculator, "calculator")

display = focused(app)
if display is None or display.name != "Display":
    fail("the focus is not on the display at start, but on %s" % (display.name if display else "nothing"))
    sys.exit(1)
if display.getRole() != pyatspi.ROLE_TEXT:
    fail("the display reads as a %s" % display.getRoleName())

# Each key: what the display's text says then, and its value.
for name, reading, value in [("1", "1", 1), ("2", "12", 12), ("plus", "12 plus", 12), ("3", "3", 3),
                             ("0", "30", 30), ("equal", "Total 42", 42)]:
    del events[:]
    key(name)
    if whole_text(display) != reading:
        fail("after %s the display reads '%s', not '%s'" % (name, whole_text(display), reading))
    if abs(display.queryValue().currentValue - value) > 1e-9:
        fail("after %s the display's value is %s, not %s" % (name, display.queryValue().currentValue, value))
    inserted = [data for kind, source, data in events if kind.startswith("object:text-changed:insert")
                and source == "Display"]
    if reading not in inserted:
        fail("after %s no text insertion '%s' was told of the display (events: %s)" % (name, reading, events))
    if name in ("3", "equal") and not any("value" in kind and source == "Display" for kind, source, _ in events):
        fail("after %s no value change of the display was told (events: %s)" % (name, events))

# Tab: the list, read line by line from its top with the arrow keys.
del events[:]
key("Tab")
tape = focused(app)
if tape is None or tape.name != "Calculation list":
    fail("Tab does not reach the calculation list, the focus is on %s" % (describe(tape) if tape else "nothing"))
else:
    if tape.getRole() != pyatspi.ROLE_TEXT or tape.getState().contains(pyatspi.STATE_EDITABLE):
        fail("the list reads as %s, editable %s" % (tape.getRoleName(),
                                                    tape.getState().contains(pyatspi.STATE_EDITABLE)))
    if not any(kind.startswith("object:state-changed:focused") and source == "Calculation list"
               for kind, source, _ in events):
        fail("the list's focus was not told")
    # The caret starts on the last line; Up reads the calculation back to its first item.
    lines = []
    for step in range(7):
        text = tape.queryText()
        line = text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        lines.insert(0, line.strip())
        key("Up", 0.3)
    wanted = ["12 +", "30 =", "002", "42 T"]
    positions = [lines.index(line) if line in lines else -1 for line in wanted]
    if -1 in positions or positions != sorted(positions):
        fail("the arrow keys read the list as %s" % lines)
    key("Escape")
    back = focused(app)
    if back is None or back.name != "Display":
        fail("Esc in the list does not return to the display")

# The tool windows, each opened from the keyboard and closed with Esc.
for keys, title in [("F5", "Calculate Date"), ("ctrl+t", "Rule of Three"), ("shift+F5", "Ideal Weight"),
                    ("ctrl+j", "Capitalized Interest")]:
    key(keys, 1.0)
    window = window_titled(app, title)
    if window is None:
        fail("%s opened no '%s' window" % (keys, title))
        continue
    check_window(window, title)
    key("Escape", 1.0)

sys.exit(1 if failures else 0)
