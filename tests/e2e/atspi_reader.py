"""Reads a running application through the accessibility bus, as a screen
reader does, and prints what it finds as JSON on one line.

    atspi_reader.py tree APPLICATION
        every accessible of the applications of that name, as a tree:
        {"applications": [{"role", "name", "description", "actions", "states",
                           "children": [...]}, ...]}
    atspi_reader.py press APPLICATION ROLE NAME
        runs the "Press" action of the one showing accessible with that role
        and name: {"pressed": true or false, "seconds": how long it took}

Anything that goes wrong is printed as {"error": "..."}; the application may
still be starting, or a window may change while it is read. Each run reads
afresh, so nothing is cached between two looks.

Needs /usr/bin/python3 with pyatspi (python3-pyatspi), DISPLAY and
DBUS_SESSION_BUS_ADDRESS.
"""

import json
import sys
import time

import pyatspi

PRESS = "Press"


def actions_of(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def states_of(accessible):
    return sorted(pyatspi.stateToString(state)
                  for state in accessible.getState().getStates())


# Roles that AT-SPI 2.56 (Debian 13) renamed: the push button is now "button",
# in its names and in its enumeration. The tests name each role as AT-SPI 2.46
# (Debian 12) does.
RENAMED_ROLES = {int(pyatspi.ROLE_PUSH_BUTTON): "push button"}


def role_of(accessible):
    """An accessible's role, named alike on every release: "push button",
    "link", "label"."""
    role = accessible.getRole()
    return RENAMED_ROLES.get(int(role)) or accessible.getRoleName()


def spoken_role(role):
    """What a screen reader of this release calls a role, such as
    pyatspi.ROLE_PUSH_BUTTON: "push button" on Debian 12, "button" on 13."""
    return pyatspi.Atspi.role_get_name(role)


def describe(accessible, depth=0):
    check_depth(depth)
    return {
        "role": role_of(accessible),
        "name": accessible.name or "",
        "description": accessible.description or "",
        "actions": actions_of(accessible),
        "states": states_of(accessible),
        "children": [describe(child, depth + 1) for child in accessible if child is not None],
    }


def check_depth(depth):
    if depth > 64:
        raise RuntimeError("the tree is deeper than 64 levels")


def applications(name):
    desktop = pyatspi.Registry.getDesktop(0)
    return [app for app in desktop if app is not None and app.name == name]


def showing_matches(accessible, role, name, depth=0):
    check_depth(depth)
    states = accessible.getState()
    if not states.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return []
    found = []
    if (role_of(accessible) == role and accessible.name == name
            and states.contains(pyatspi.STATE_SHOWING)):
        found.append(accessible)
    for child in accessible:
        if child is not None:
            found += showing_matches(child, role, name, depth + 1)
    return found


def tree(name):
    return {"applications": [describe(app) for app in applications(name)]}


def press(name, role, accessible_name):
    found = []
    for app in applications(name):
        found += showing_matches(app, role, accessible_name)
    if len(found) != 1:
        return {"error": "%d showing accessibles with role %r and name %r"
                         % (len(found), role, accessible_name)}
    names = actions_of(found[0])
    if PRESS not in names:
        return {"error": "no %r action, only %r" % (PRESS, names)}
    started = time.monotonic()
    pressed = found[0].queryAction().doAction(names.index(PRESS))
    return {"pressed": bool(pressed), "seconds": time.monotonic() - started}


def main(argv):
    try:
        if len(argv) == 3 and argv[1] == "tree":
            answer = tree(argv[2])
        elif len(argv) == 5 and argv[1] == "press":
            answer = press(argv[2], argv[3], argv[4])
        else:
            answer = {"error": "usage: %s tree APPLICATION | press APPLICATION ROLE NAME"
                               % argv[0]}
    except Exception as error:  # the tree changed under the reader, or no bus
        answer = {"error": "%s: %s" % (type(error).__name__, error)}
    print(json.dumps(answer))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
