# Reads the running program through the accessibility bus as a screen reader does, and drives it through
# the same bus as voice control or switch access does, along one of two roads:
#   screen-reader: the main menu's options by name and role, a press of "TV Dead" that opens its screen, the
#                  low-voltage diagram's problem areas, and Quit;
#   short:         "TV Dead", its Return to the main menu, and Quit (where no input can be injected, as on a
#                  headless Wayland compositor);
#   trainer:       a whole exercise of the fault-finding trainer, heard and done through the bus: New set and
#                  its symptom, the isolation transformer switched in, two stages measured and each reading
#                  heard where the student is, a stage named, the result heard; then Quit.
import sys
import time

import pyatspi
from gi.repository import GLib

MENU_OPTIONS = ["TV Dead", "Poor or no sound", "Raster problems", "Picture problems", "Color problems",
                "Program desctiption", "Color codes", "Electronic Formulas", "Component markings",
                "Fault-finding trainer"]
DIAGRAM = "Low voltage Power Supply and Deflection Circuits"


# How long a wait may last before the program counts as hung: far beyond what it needs on a machine busy
# with other builds, so that only a real hang ends a wait.
PATIENCE = 90

# What the program tells the bus as it changes: the focus, names and descriptions, states, windows.
EVENTS = ["focus:", "object:state-changed", "object:property-change", "window:"]


class Heard:
    """Counts the program's events; a wait looks again each time one comes."""
    count = 0

    @classmethod
    def event(cls, _event):
        cls.count += 1


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def await_event(seconds):
    """Returns when the program tells the bus of a change, or after `seconds` at most."""
    heard = Heard.count
    rang = []
    timer = GLib.timeout_add(int(seconds * 1000), lambda: rang.append(True) and False)
    while Heard.count == heard and not rang:
        GLib.MainContext.default().iteration(True)
    if not rang:
        GLib.source_remove(timer)


def wait_for(find, what, seconds=PATIENCE):
    """What `find` returns once it is something, looked for again at each event of the program. An event
    can come before the program has heard that this script listens: so it looks again every second too.
    `what` names it, or says it when called, at the time of a failure."""
    end = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except Exception:  # the tree changes while it is read: try again
            found = None
        if found:
            return found
        if time.monotonic() >= end:
            fail("no %s within %d seconds" % (what() if callable(what) else what, seconds))
        await_event(min(1.0, max(0.0, end - time.monotonic())))


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


def state(node):
    """The node's states as the program has them now, not as the bus's cache last heard of them."""
    node.clear_cache()
    return node.getState()


def focused(node):
    """The control that has the focus, among node's descendants; None."""
    return next((n for n in descendants(node) if n.getState().contains(pyatspi.STATE_FOCUSED)), None)


def describe(node):
    return "nothing" if node is None else '%s "%s"' % (node.getRoleName(), node.name[:80])


def press(window, name, role):
    """Presses a control as switch access does. A push button is clicked a moment later by the program, not
    before this returns: what the press does is to be waited for."""
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


def action_names(node):
    actions = node.queryAction()
    return [actions.getName(i) for i in range(actions.nActions)]


def do_press(node):
    names = action_names(node)
    if "Press" not in names:
        fail('"%s" offers %s, no Press' % (node.name, names))
    node.queryAction().doAction(names.index("Press"))


def described(window, description):
    """The control that says what it is in its description: a label, read with the text it shows."""
    return wait_for(lambda: next((n for n in descendants(window) if n.description == description), None),
                    'control described as "%s"' % description)


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def trainer_road():
    press(shown_window("Fernwick"), "Fault-finding trainer", pyatspi.ROLE_RADIO_BUTTON)
    trainer = shown_window("Fault-Finding Trainer")
    press(trainer, "New set", pyatspi.ROLE_PUSH_BUTTON)
    symptom = described(trainer, "What the set shows and sounds like")
    wait_for(lambda: symptom.name and not symptom.name.startswith("No set"), "symptom read out")
    print('symptom: "%s"' % symptom.name)
    supply = described(trainer, "The set's power supply")
    print('set: "%s"' % supply.name)
    if "mains transformer" not in supply.name:
        fail("the set's power supply is not read out")
    next_step = described(trainer, "What to do next")
    print('next: "%s"' % next_step.name)
    press(trainer, "Switched in", pyatspi.ROLE_RADIO_BUTTON)
    switched_in = next(n for n in descendants(trainer) if n.name == "Switched in")
    wait_for(lambda: state(switched_in).contains(pyatspi.STATE_CHECKED), 'isolation transformer "Switched in"')

    diagrams = next(n for n in descendants(trainer) if n.name == "Block diagrams to measure on")
    stages = [n for n in descendants(diagrams) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and
              n.getState().contains(pyatspi.STATE_SHOWING)]
    print("stages shown as buttons: %d" % len(stages))
    if len(stages) < 5:
        fail("the diagram offers %d stages to press" % len(stages))
    for stage in stages[:2]:
        name = stage.name
        do_press(stage)
        reading = wait_for(lambda: "Reads" in stage.description and stage.description,
                           'reading of "%s"' % name)
        # The focus moves to it with the reading, in one step of the program; the bus may tell it after.
        wait_for(lambda: state(stage).contains(pyatspi.STATE_FOCUSED),
                 lambda: 'focus on "%s", measured, where its reading would be spoken (the focus is on %s)'
                 % (name, describe(focused(trainer))))
        print('measured "%s": "%s"' % (name, reading))
    readings = next(n for n in descendants(trainer) if n.getRole() == pyatspi.ROLE_LIST and
                    n.name == "Readings, in the order taken")
    rows = [n.name for n in descendants(readings) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
    if sum("Reads" in row for row in rows) != 2:
        fail("the readings list holds %r" % rows)

    # The faulty stage, chosen from its list with the keyboard, as a screen reader's user does.
    stage_list = next(n for n in descendants(trainer) if n.getRole() == pyatspi.ROLE_COMBO_BOX and
                      n.name == "Faulty stage")
    do_press(stage_list)  # its list opens, with the keyboard
    wait_for(lambda: state(stage_list).contains(pyatspi.STATE_EXPANDED) and
             any(n.getRole() == pyatspi.ROLE_LIST_ITEM and n.getState().contains(pyatspi.STATE_SHOWING)
                 for n in descendants(stage_list)), "the stage list open")
    key(0xff54)  # Down: the first stage
    key(0xff0d)  # Return: chosen
    # The keys go through the X server: the list closes, naming the stage chosen, once the program has them.
    wait_for(lambda: not state(stage_list).contains(pyatspi.STATE_EXPANDED) and stage_list.name != "Faulty stage",
             lambda: "stage chosen and its list closed by Return (the list is %s, showing \"%s\")"
             % ("open" if state(stage_list).contains(pyatspi.STATE_EXPANDED) else "closed", stage_list.name))
    print('stage chosen: "%s"' % stage_list.name)
    naming = described(trainer, "What naming said")
    before = naming.name
    press(trainer, "Name stage", pyatspi.ROLE_PUSH_BUTTON)

    def shown_result():
        """The result, once it is shown and has the focus, as the program has them now."""
        return next((n for n in descendants(trainer) if n.name == "Result" and
                     state(n).contains(pyatspi.STATE_SHOWING) and state(n).contains(pyatspi.STATE_FOCUSED)), None)

    # The answer is read once the program has clicked the button, which it does a moment after the press:
    # a word under the stage list, or the result itself.
    said = wait_for(lambda: (naming.name != before and naming.name) or (shown_result() and "result"),
                    "answer to Name stage")
    if said.startswith("Choose the faulty stage"):
        fail("the keys chose no stage in the list")
    if said.startswith("That is the stage"):  # the right stage: its failed part to name
        press(trainer, "Name part", pyatspi.ROLE_PUSH_BUTTON)
    result = wait_for(shown_result, lambda: "focus on the result (the focus is on %s)" % describe(focused(trainer)))
    text = result.queryText().getText(0, -1)
    print('result: "%s"' % text[:200])
    if not text.startswith(("Right", "Wrong")):
        fail("the result read out is %r" % text[:200])
    print('next: "%s"' % next_step.name)
    press(trainer, "Return", pyatspi.ROLE_PUSH_BUTTON)
    press(shown_window("Fernwick"), "Quit", pyatspi.ROLE_PUSH_BUTTON)


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


pyatspi.Registry.registerEventListener(Heard.event, *EVENTS)
wait_for(program, "program on the accessibility bus")
{"screen-reader": screen_reader_road, "short": short_road, "trainer": trainer_road}[sys.argv[1]]()
