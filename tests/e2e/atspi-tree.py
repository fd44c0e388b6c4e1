# SPDX-License-Identifier: MIT
# Reads the running program's accessibility tree over AT-SPI and checks what a screen reader
# and a speech-input user meet: the window a frame with the program's caption; the tabs named
# by the captions shown, the spoken words their descriptions; every field, the DPI boxes and
# their editable parts included, named by its label; the buttons by their caption.
#     python3 atspi-tree.py PROGRAM_NAME
import sys
import time

import pyatspi


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def application(name):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    fail(f"no application named {name} on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


# By the role's number: its name is the AT-SPI version's ("push button" in Debian 12's,
# "button" in 13's).
def role(node):
    return node.getRole()


app = application(sys.argv[1])
window = app[0]
if role(window) != pyatspi.ROLE_FRAME or window.name != "CONVERTITORE PIXEL CM PER STAMPE":
    fail(f"the window is a {window.getRoleName()} named '{window.name}'")
nodes = list(walk(window))

tabs = [(node.name, node.description) for node in nodes if role(node) == pyatspi.ROLE_PAGE_TAB]
expected_tabs = [("Cm -> Pix", "Da centimetri a pixel"), ("Pix -> Cm", "Da pixel a centimetri")]
if tabs != expected_tabs:
    fail(f"the tabs are {tabs}, not {expected_tabs}")

# The tab strip's own scroll buttons are Qt's, and hidden.
buttons = sorted(node.name for node in nodes
                 if role(node) == pyatspi.ROLE_PUSH_BUTTON
                 and role(node.parent) != pyatspi.ROLE_PAGE_TAB_LIST)
if buttons != ["CALCOLA", "CALCOLA"]:
    fail(f"the buttons are named {buttons}")

fields = sorted(node.name for node in nodes
                if role(node) in (pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX))
expected_fields = sorted(["Dim Oriz.", "Dim Vert", "DPI", "DPI", "DPI", "DPI",
                          "Pixel orizzontali necessari", "Pixel verticali necessari",
                          "Pix Oriz.", "Pix Vert", "Cm Orizzontali", "Cm Verticali"])
if fields != expected_fields:
    fail(f"the fields are named {fields}, not {expected_fields}")
# A DPI box's editable part, where the focus is while the user types, gives its text.
for node in nodes:
    if role(node) == pyatspi.ROLE_COMBO_BOX:
        texts = [(child.name, child.queryText().getText(0, -1))
                 for child in node if child is not None and role(child) == pyatspi.ROLE_TEXT]
        if texts != [("DPI", "240")]:
            fail(f"a DPI box's editable part is {texts}")

print(f"PASS: a frame '{window.name}'; tabs {tabs}; buttons {buttons}; fields {fields}")
