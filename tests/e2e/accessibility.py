#!/usr/bin/env python3
"""Reads the running program through AT-SPI, as a screen reader does.

accessibility.py bus    succeeds when the accessibility bus answers
accessibility.py main   checks the main window
accessibility.py banks  checks the bank list window (BANCHE)
Each failure is printed; the exit status is the number of them (at most 1
for bus).
"""
import re
import sys
import time

import pyatspi

APP = "Quendra"
MAIN_TITLE = "Brentola - Quendra"
# Words of Qt's or of a template's that would reach the user in English.
ENGLISH = re.compile(r"\b(Header|Column|Scroll|Line up|Line down|Page up|Page down|Position|Open|Close|Cancel)\b")
INTERNAL = ("MaxID", "Numero più alto delle banche", "lstList", "picBack")

failures = []


def fail(message):
    failures.append(message)
    print("accessibility.py: " + message, file=sys.stderr)


def application(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP:
                return app
        time.sleep(0.5)
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def window(app, title, role, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and w.name == title:
                if w.getRole() != role:
                    fail("%s is read as a %s, not as a %s" % (title, w.getRoleName(), pyatspi.Role(role)))
                return w
        time.sleep(0.5)
    fail("no window %r among %r" % (title, [app.getChildAtIndex(i).name for i in range(app.childCount)]))
    return None


def labels(node):
    found = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            found += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def no_stray_names(nodes, where):
    for node in nodes:
        name = node.name or ""
        if ENGLISH.search(name):
            fail("%s: a name in English: %r (%s)" % (where, name, node.getRoleName()))
        if any(word in name for word in INTERNAL):
            fail("%s: an internal name: %r (%s)" % (where, name, node.getRoleName()))
        # A combo box's closed drop-down list is hidden, and rightly there.
        if (not showing(node) and node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST)
                and node.parent.getRole() != pyatspi.ROLE_COMBO_BOX):
            fail("%s: a hidden %s %r is in the tree" % (where, node.getRoleName(), name))


def check_main(app):
    frame = window(app, MAIN_TITLE, pyatspi.ROLE_FRAME)
    if frame is None:
        return
    nodes = list(walk(frame))
    fields = [n for n in nodes if showing(n) and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX)
              and n.parent.getRole() != pyatspi.ROLE_COMBO_BOX]
    if len(fields) != 7:
        fail("main window: %d entry fields, not 7: %r" % (len(fields), [f.name for f in fields]))
    for field in fields:
        if not labels(field):
            fail("main window: field %r has no caption (labelled-by)" % field.name)
    combos = [f for f in fields if f.getRole() == pyatspi.ROLE_COMBO_BOX and "Banca" in labels(f)]
    if not combos:
        fail("main window: no combo box captioned Banca")
    else:
        bank = combos[0]
        if bank.name != "Banca":
            fail("main window: the bank selector is read as %r, not 'Banca'" % bank.name)
        # Its entry as its drop-down list shows it, under the name.
        if not any(n.name.startswith("BANCA ROSSI") for n in walk(bank) if n is not bank):
            fail("main window: the bank selector does not hold the bank BANCA ROSSI")
    links = [n for n in nodes if n.getRole() == pyatspi.ROLE_LINK]
    if len(links) != 2:
        fail("main window: %d links, not 2 (the web address and the banner)" % len(links))
    for link in links:
        if not link.getState().contains(pyatspi.STATE_FOCUSABLE) or not link.name:
            fail("main window: link %r cannot take the focus or has no name" % link.name)
    no_stray_names(nodes, "main window")


def check_banks(app):
    dialog = window(app, "BANCHE", pyatspi.ROLE_DIALOG)
    if dialog is None:
        return
    nodes = list(walk(dialog))
    items = [n.name for n in nodes if n.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)]
    if "BANCA ROSSI, 000123" not in items:
        fail("bank list: the row is not read as shown: %r" % items)
    for name in items:
        if name != name.strip() or "  " in name or name.endswith("7"):
            fail("bank list: a row read with its padding or id: %r" % name)
    focusable = [n for n in nodes
                 if n.getRole() == pyatspi.ROLE_LIST and n.getState().contains(pyatspi.STATE_FOCUSABLE)]
    if len(focusable) != 1:
        fail("bank list: %d lists take the focus, not 1" % len(focusable))
    for bar in (n for n in nodes if n.getRole() == pyatspi.ROLE_SCROLL_BAR):
        if not bar.name.startswith("Scorrimento"):
            fail("bank list: a scroll bar named %r" % bar.name)
    no_stray_names(nodes, "bank list")


def main():
    what = sys.argv[1] if len(sys.argv) > 1 else ""
    if what == "bus":
        try:
            pyatspi.Registry.getDesktop(0).childCount
        except Exception:
            return 1
        return 0
    app = application()
    if app is None:
        fail("the program never appeared on the accessibility bus")
    elif what == "main":
        check_main(app)
    elif what == "banks":
        check_banks(app)
    else:
        fail("usage: accessibility.py bus|main|banks")
    return min(len(failures), 100)


if __name__ == "__main__":
    sys.exit(main())
