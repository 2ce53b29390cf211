# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator as a screen reader meets it over AT-SPI: the main window's
and the entry editor's controls with their names, roles and states, and the
help as a document whose links are pressed.
Every wait has a limit; a failure names what was missing."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib  # pyatspi's events come through GLib's main loop


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail(what + " did not appear")


def descendants(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from descendants(node.getChildAtIndex(i), depth + 1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "tamrix" in (app.name or "").lower():
            return app
    return None


def window(app, role, name=None):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.getRole() == role and (name is None or w.name == name):
            if w.getState().contains(pyatspi.STATE_SHOWING) or w.getState().contains(pyatspi.STATE_VISIBLE):
                return w
    return None


def named(root, name, roles=None):
    for node in descendants(root):
        if node.name == name and (roles is None or node.getRole() in roles):
            return node
    return None


def must(root, name, roles=None):
    node = named(root, name, roles)
    if node is None:
        fail("no control named %r (roles %s)" % (name, roles))
    return node


def press(node, action_name="press"):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == action_name:
            started = time.monotonic()
            action.doAction(i)
            return time.monotonic() - started
    fail("%r has no %s action" % (node.name, action_name))


buttons = (pyatspi.ROLE_PUSH_BUTTON,)
toggles = (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON)
app = wait_for("the calculator on the accessibility bus", application)
main = wait_for("the main window as a frame", lambda: window(app, pyatspi.ROLE_FRAME, "Tamrix"))

# Inner panels are panels, never frames of their own.
for node in descendants(main):
    if node is not main and node.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
        fail("an inner part of the main window is a %s" % node.getRoleName())
for name, checked in (("Поверх всех окон", False), ("Сообщения об ошибках", True), ("Нижняя панель", False)):
    node = must(main, name, toggles)
    states = node.getState()
    if states.contains(pyatspi.STATE_CHECKED) != checked:
        fail("%r is not a toggle %s: %s" % (name, "on" if checked else "off", [pyatspi.stateToString(s) for s in states.getStates()]))
formats = [must(main, "Формат результата %d" % n, buttons) for n in (1, 2, 3)]
if not formats[0].description:
    fail("the first format button does not tell its format")
if not must(main, "Градусы/Радианы", buttons).description:
    fail("degrees/radians does not tell its unit")
for name in ("Результат 2", "Формат результата 2"):
    states = must(main, name).getState()
    if states.contains(pyatspi.STATE_SHOWING) or states.contains(pyatspi.STATE_FOCUSABLE):
        fail("%r is offered while the lower panel is in" % name)
if named(main, "Свернуть", buttons) is None or named(main, "Выражение") is None:
    fail("the minimise button or the expression line has no name")

# A new result is told without moving the focus: once it has settled, one
# change of the first result field's description, which a reader speaks.
told = []
pyatspi.Registry.registerEventListener(
    lambda event: told.append(event) if event.source.name == "Результат 1" else None,
    "object:property-change:accessible-description")
line = next((n for n in descendants(must(main, "Выражение")) if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
             and "EditableText" in n.get_interfaces()), None)
if line is None:
    fail("the expression line cannot be typed into")
# Typed as a user types: the line evaluates what the keys change.
line.queryComponent().grabFocus()
subprocess.run(["xdotool", "search", "--sync", "--name", "^Tamrix$", "windowfocus", "--sync"],
               timeout=10, check=False)
subprocess.run(["xdotool", "type", "--delay", "30", "6*7"], timeout=10, check=True)
deadline = time.monotonic() + 5
while time.monotonic() < deadline and not (told and time.monotonic() > deadline - 3):
    GLib.MainContext.default().iteration(False)
    time.sleep(0.02)
result = must(main, "Результат 1")
if len(told) != 1 or result.description != result.queryText().getText(0, -1) or not result.description.startswith("4.2"):
    fail("the settled result 6*7 was told %d times, as %r" % (len(told), result.description))

# The entry editor, as the catalogue's Add opens it: the press is answered
# before the editor closes.
press(must(main, "Функции и константы (F5)", buttons))
catalogue = wait_for("the catalogue", lambda: window(app, pyatspi.ROLE_FRAME, "Функции и константы"))
press(must(catalogue, "Константы", (pyatspi.ROLE_PAGE_TAB,)))
seconds = press(must(catalogue, "Добавить", buttons))
if seconds > 2:
    fail("pressing Add waited %.1f s for an answer" % seconds)
editor = wait_for("the entry editor", lambda: window(app, pyatspi.ROLE_DIALOG))
for name in ("Категория", "Имя", "Значение", "Описание"):
    field = named(editor, name, (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY))
    if field is None:
        labelled = [n for n in descendants(editor) if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX)
                    and any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY and
                            r.getTarget(0).name == name for r in n.getRelationSet())]
        if not labelled:
            fail("the editor's field %r has neither the name nor the label" % name)
press(must(editor, "Отмена", buttons))

# The help: a window holding a document, whose links are links with a press
# that opens their page; the document is read anew.
documents = (pyatspi.ROLE_DOCUMENT_FRAME, pyatspi.ROLE_DOCUMENT_TEXT)
press(must(main, "Справка", buttons))
helpwin = wait_for("the help window as a frame", lambda: window(app, pyatspi.ROLE_FRAME, "Справка Tamrix"))
page = wait_for("the help page as a document", lambda: next(
    (n for n in descendants(helpwin) if n.getRole() in documents), None))
link = must(page, "Функции и константы", (pyatspi.ROLE_LINK,))
if not link.getState().contains(pyatspi.STATE_FOCUSABLE):
    fail("the help's link cannot take the focus")
press(link)
wait_for("the linked help page", lambda: True if "Двойной щелчок" in page.queryText().getText(0, -1) else None)
must(page, "Главное окно", (pyatspi.ROLE_LINK,))
print("PASS")
