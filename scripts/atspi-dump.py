#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists what a screen reader sees of a running program through AT-SPI:
every showing object of its windows with its role, name, description and
whether it can take the focus.  Usage: atspi-dump.py APPLICATION_NAME"""
import sys

import pyatspi


def walk(node, depth, out):
    try:
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            return
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
        focusable = states.contains(pyatspi.STATE_FOCUSABLE)
        focused = states.contains(pyatspi.STATE_FOCUSED)
        # Unnamed plain panels say nothing; their children are listed.
        if name or description or focusable or role not in ("filler", "panel"):
            line = "  " * depth + role
            if name:
                line += ' "%s"' % name
            if description:
                line += " [%s]" % description
            if focusable:
                line += " (focusable%s)" % (", focused" if focused else "")
            out.append(line)
            depth += 1
        for i in range(min(node.childCount, 400)):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, depth, out)
    except Exception as error:  # an object gone while read
        out.append("  " * depth + "(unreadable: %s)" % error)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "BRENLOQ"
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == wanted:
            out = []
            for window in app:
                walk(window, 0, out)
            print("\n".join(out))
            return 0 if out else 1
    print("no application named %s on the accessibility bus" % wanted, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
