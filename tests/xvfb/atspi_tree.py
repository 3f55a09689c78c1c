#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Prints what a screen reader finds in one program, through AT-SPI: a line per object, its role,
# name, description and text, tab-separated, indented by depth. The program is found by its
# process id (argument 1). Debian's pyatspi, so /usr/bin/python3.
import sys

import pyatspi

MAX_CHILDREN = 200  # a long list's entries add nothing the test looks for


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return ""


def walk(node, depth, out):
    name = node.name or ""
    out.append("%s%s\t%s\t%s\t%s" % ("  " * depth, node.getRoleName(), name,
                                     node.description or "", text_of(node)))
    for i in range(min(node.childCount, MAX_CHILDREN)):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            out = []
            walk(app, 0, out)
            print("\n".join(out))
            return 0
    print("no application with process id %d on the accessibility bus" % pid, file=sys.stderr)
    return 1


sys.exit(main())
