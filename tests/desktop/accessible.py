# Reads the running program through the accessibility bus as a screen reader does, and drives it through
# the same bus as voice control or switch access does, along one of two roads:
#   screen-reader: the main menu's options by name and role, a press of "TV Dead" that opens its screen, the
#                  low-voltage diagram's problem areas, and Quit;
#   short:         "TV Dead", its Return to the main menu, and Quit (where no input can be injected, as on a
#                  headless Wayland compositor).
import sys
import time

import pyatspi

MENU_OPTIONS = ["TV Dead", "Poor or no sound", "Raster problems", "Picture problems", "Color problems",
                "Program desctiption", "Color codes", "Electronic Formulas", "Component markings",
                "Fault-finding trainer"]
DIAGRAM = "Low voltage Power Supply and Deflection Circuits"


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def wait_for(find, what, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is read: try again
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what + " within %d seconds" % seconds)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Fernwick":
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing_window(caption):
    """The program's window with this name that is on the display."""
    for window in program() or []:
        if window is not None and window.name == caption and \
                window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def shown_window(caption):
    window = wait_for(lambda: showing_window(caption), 'window "%s"' % caption)
    role = window.getRoleName()
    print('window: %s "%s"' % (role, window.name))
    if window.getRole() != pyatspi.ROLE_FRAME:
        fail('window "%s" is announced as %s, not as a frame' % (caption, role))
    return window


def press(window, name, role):
    for node in descendants(window):
        if node.name == name and node.getRole() == role:
            actions = node.queryAction()
            names = [actions.getName(i) for i in range(actions.nActions)]
            if "Press" not in names:
                fail('"%s" offers %s, no Press' % (name, names))
            print('press "%s" (actions %s)' % (name, names))
            actions.doAction(names.index("Press"))
            return
    fail('no %s "%s" on "%s"' % (pyatspi.Role(role).name, name, window.name))


def screen_reader_road():
    menu = shown_window("Fernwick")
    options = [(node.name, node.getRoleName()) for node in descendants(menu)
               if node.name in MENU_OPTIONS or node.getRole() in (pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX)]
    print("menu options:", options)
    if sorted(options) != sorted((name, "radio button") for name in MENU_OPTIONS):
        fail("the main menu's options are not the ten radio buttons")

    frames = [node.name for node in descendants(menu) if node.getRole() == pyatspi.ROLE_FRAME]
    if frames:
        fail("controls of the main menu are announced as frames (windows): %s" % frames)

    press(menu, "TV Dead", pyatspi.ROLE_RADIO_BUTTON)
    dead = shown_window("TV Dead")
    if showing_window("Fernwick"):
        fail("the main menu is still shown beside the TV Dead screen")
    press(dead, "Initial checks complete", pyatspi.ROLE_PUSH_BUTTON)
    wait_for(lambda: any(n.name == "Continue" and n.getState().contains(pyatspi.STATE_SHOWING)
                         for n in descendants(dead)), "Continue button")
    press(dead, "Continue", pyatspi.ROLE_PUSH_BUTTON)
    diagram = shown_window(DIAGRAM)

    areas = sorted("%s (%s)" % (node.name, node.getRoleName()) for node in descendants(diagram)
                   if node.description.endswith("problem area"))
    print("problem areas:", areas)
    if not areas:
        fail("the diagram announces no problem area")
    for expected in ("Horizontal output", "Low voltage power supply"):
        if not any(expected.lower() in area.lower() for area in areas):
            fail('"%s" is not announced as a problem area' % expected)

    press(diagram, "Quit", pyatspi.ROLE_PUSH_BUTTON)


def short_road():
    press(shown_window("Fernwick"), "TV Dead", pyatspi.ROLE_RADIO_BUTTON)
    press(shown_window("TV Dead"), "Return", pyatspi.ROLE_PUSH_BUTTON)
    press(shown_window("Fernwick"), "Quit", pyatspi.ROLE_PUSH_BUTTON)


wait_for(program, "program on the accessibility bus")
{"screen-reader": screen_reader_road, "short": short_road}[sys.argv[1]]()
