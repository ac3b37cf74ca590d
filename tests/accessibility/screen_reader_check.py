#!/usr/bin/python3
"""What a Linux screen reader hears of the window, read over AT-SPI as it reads it.

Starts the real program on a private X server (Xvfb) with a private D-Bus session and the AT-SPI
bus of that session, then walks the program's accessible tree with pyatspi: in every
demonstration, each windowed control that shows must have the role, the name and the description
that the user's eyes get from the window (the option lists are named by the captions beside them),
and nothing that the demonstration hides may be reported as showing; a scroll bar's description
begins with its value in words and its unit. The picture is an image named after the
demonstration, whose description puts it in words, and each change of demonstration is announced
by a notification that appears with the words. The demonstrations are chosen as a keyboard user
does, with the arrow keys on the focused demo list; Tab reaches every control that shows (the
order is printed); "Histogram", once pressed, is checked and pressed and says so. In "Phasors" the tip
of phasor 1 takes the focus, the arrow keys move it one grid step, its description tells its new
length and phase, and the resultant's tip follows it.

Usage: screen_reader_check.py PATH-TO-propagation-demos
Runs under the Debian python (python3-pyatspi); every process it starts ends with it.
"""
import ctypes
import importlib
import math
import os
import select
import signal
import subprocess
import sys
import tempfile
import time
import traceback

WAIT = 10.0  # seconds that any one awaited change may take before the check fails

# The window's client area at its design size, in pixels (15 twips to a pixel at 96 dpi).
DESIGN_WIDTH, DESIGN_HEIGHT = 789, 605
TWIPS_PER_PIXEL = 15

COMBO, BUTTON, SCROLL_BAR = "combo box", "push button", "scroll bar"

# The demo list, in the order in which it lists the demonstrations.
DEMO_LIST = ["Group Velocity", "Polarisation", "Plane Wave", "Rayleigh", "Ricean", "Phasors"]


class Control:
    """A windowed control as a screen reader should report it, and where its box begins (twips)."""

    def __init__(self, role, name, description, left, top):
        self.role, self.name, self.description = role, name, description
        self.left, self.top = left, top

    def __repr__(self):
        return f"{self.role} {self.name!r}"


def first_list(caption):
    return Control(COMBO, caption, "First option of the demonstration: pick or type a value",
                   7440, 7200)


def second_list(caption):
    return Control(COMBO, caption, "Second option of the demonstration: pick or type a value",
                   7440, 7800)


# Shown in every demonstration; "Demo:" stands before the list.
COMMON = [
    Control(COMBO, "Demo", "Choose the demonstration to show", 1380, 7260),
    Control(BUTTON, "Pause", "Start or pause the animation", 2340, 7740),
]
HISTOGRAM = Control(BUTTON, "Histogram",
                    "Start collecting the histogram of the received envelope", 9480, 3600)
HISTOGRAM_ON = "The histogram is on: press again to count afresh from zero"
SPEED = Control(SCROLL_BAR, "Speed", "Speed 0 of 20. How fast the phases of the rays wander",
                9480, 4320)
FIXED = Control(SCROLL_BAR, "Fixed", "Fixed 5 of 10. Strength of the direct component", 9480,
                4920)
# The phasor tips start on their diagrams' origins, centred on (1560, 1560), (1560, 3600) and
# (1560, 5640).
# Each tip tells its place first: at set-up every phasor has no length.
TIP1_USE = "Drag it, or move it with the arrow keys, to set phasor 1"
RESULTANT_USE = "The sum of phasor 1 and phasor 2"
AT_ORIGIN = "No length, on its origin. "
TIP1 = Control(BUTTON, "Phasor 1 tip", AT_ORIGIN + TIP1_USE, 1432.5, 1432.5)
TIP2 = Control(BUTTON, "Phasor 2 tip",
               AT_ORIGIN + "Drag it, or move it with the arrow keys, to set phasor 2", 1432.5,
               3472.5)
RESULTANT = Control(BUTTON, "Resultant tip", AT_ORIGIN + RESULTANT_USE, 1432.5, 5512.5)

# Every windowed control that each demonstration shows; all the others must be hidden.
SHOWN = {
    "Plane Wave": [first_list("Wavelength"), second_list("Attenuation")],
    "Group Velocity": [first_list("Group Velocity"), second_list("Phase Velocity")],
    "Polarisation": [
        first_list("Component 1"), second_list("Component 2"),
        Control(SCROLL_BAR, "Relative Phase",
                "0 degrees. Phase of component 2 relative to component 1, in degrees", 7380,
                8460),
        Control(SCROLL_BAR, "Amplitude 1",
                "amplitude 1. Amplitude of component 1; the middle is amplitude 1", 10560, 7200),
        Control(SCROLL_BAR, "Amplitude 2",
                "amplitude 1. Amplitude of component 2; the middle is amplitude 1", 10560, 7800),
    ],
    "Rayleigh": [first_list("No. of Rays"), HISTOGRAM, SPEED],
    "Ricean": [first_list("No. of Rays"), HISTOGRAM, SPEED, FIXED],
    "Phasors": [TIP1, TIP2, RESULTANT],
}
# What the picture's description and the announcement of each demonstration, as its set-up leaves
# it, must say among other things.
PICTURE_FACTS = {
    "Plane Wave": "Its wavelength is 8 steps",
    "Group Velocity": "The crests ride with their groups",
    "Polarisation": "linear polarisation",
    "Rayleigh": "One ray: the received signal is that ray alone",
    "Ricean": "Ray 1 is the direct path, 1000 twips long",
    "Phasors": "Phasor 1 has no length",
}

# The menus of the menu bar above the form, in their order.
MENUS = ["Picture", "Animation", "Lessons", "View", "Help"]

# The window owns these many windowed controls of each role, shown or not.
OWNED = {COMBO: 3, BUTTON: 5, SCROLL_BAR: 5}

# Key presses on the focused tip of phasor 1 from its set-up place, and where its box's top-left
# corner must be after each (twips). The first press lands it on the 60-twip grid; from there
# every press is one grid step.
TIP_MOVES = [("Right", 1440, 1380), ("Right", 1500, 1380), ("Down", 1500, 1440),
             ("Left", 1440, 1440)]


# The tips' sizes and the origins of the diagrams of phasor 1 and of the sum (twips).
TIP_SIZE = 255
ORIGIN1 = (1560, 1560)


def tip_place(dx, dy):
    """A tip's place as the window says it: its length, its phase from the downward vertical
    (atan(dx / dy), plus pi where dy < 0, with the program's pi) and where it points."""
    pi = 3.1415926
    if dy == 0:
        phase = 0 if dx == 0 else (pi / 2 if dx > 0 else -pi / 2)
    else:
        phase = math.atan(dx / dy) + (pi if dy < 0 else 0)
    words = []
    if abs(dy) >= 0.4142 * abs(dx):
        words.append("down" if dy > 0 else "up")
    if abs(dx) >= 0.4142 * abs(dy):
        words.append("to the right" if dx > 0 else "to the left")
    degrees = round(phase * 180 / pi)
    said = f"minus {-degrees}" if degrees < 0 else str(degrees)
    return (f"{round(math.hypot(dx, dy))} twips long at phase {said} degrees, pointing "
            + " and ".join(words))


def near(extents, x, y):
    """Whether a box's top-left corner is at (x, y), give or take the rounding to whole pixels."""
    return abs(extents[0] - x) <= 1.0 and abs(extents[1] - y) <= 1.0


class CheckFailed(Exception):
    pass


def wait_for(what, probe, timeout=WAIT):
    """Polls probe() until it returns something true; fails naming `what` at the deadline."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise CheckFailed(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


class Session:
    """Xvfb, a D-Bus session, its accessibility bus and the program; stop() ends them all."""

    def __init__(self):
        # What our processes start and leave behind (the bus launcher's daemons) is ours to reap.
        PR_SET_CHILD_SUBREAPER = 36
        ctypes.CDLL(None).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.processes = []
        self.runtime_dir = tempfile.TemporaryDirectory(prefix="a11y-test-")
        os.chmod(self.runtime_dir.name, 0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir.name)
        # What the processes print, shown only when the check fails.
        self.log = open(os.path.join(self.runtime_dir.name, "session.log"), "w+")
        for leaked in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            self.env.pop(leaked, None)

    def start(self, argv, **kwargs):
        # A session of its own, so that stop() can end what each process started too.
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=self.log,
                                   stderr=self.log, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def read_line(self, argv, what):
        """Starts argv, which writes one line (a display number, a bus address) to the pipe {fd}."""
        reader, writer = os.pipe()
        try:
            process = self.start([a.format(fd=writer) for a in argv], pass_fds=(writer,))
        finally:
            os.close(writer)
        data = b""
        deadline = time.monotonic() + WAIT
        try:  # Xvfb writes the number and the newline apart: read up to the newline
            while not data.endswith(b"\n") and select.select(
                    [reader], [], [], max(0.0, deadline - time.monotonic()))[0]:
                chunk = os.read(reader, 4096)
                if not chunk:
                    break  # the process has died
                data += chunk
        finally:
            os.close(reader)
        line = data.decode().strip() if data.endswith(b"\n") else ""
        if not line:
            raise CheckFailed(f"{what} did not start ({argv[0]}: exit status {process.poll()})")
        return line

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            try:  # what each one left in its session (the accessibility bus daemon, the registry)
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                if os.waitpid(-1, os.WNOHANG)[0] == 0:
                    time.sleep(0.05)
            except ChildProcessError:
                break  # every descendant has ended
        self.log.seek(0)
        output = self.log.read()
        self.log.close()
        self.runtime_dir.cleanup()
        return output


def start_desktop(session):
    display = session.read_line(
        ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"], "Xvfb")
    session.env["DISPLAY"] = ":" + display
    address = session.read_line(
        ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "the D-Bus session")
    session.env["DBUS_SESSION_BUS_ADDRESS"] = address
    session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

    # The toolkit looks for the accessibility bus when it starts: it must be there first.
    from gi.repository import Gio, GLib
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    def a11y_bus():
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, -1, None)
        return reply.unpack()[0]

    wait_for("the accessibility bus (at-spi-bus-launcher)", a11y_bus)
    bus.close_sync(None)
    os.environ.update(DISPLAY=session.env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=address)


class ScreenReader:
    """The program as AT-SPI shows it: its window, its controls, and the keys a user presses."""

    def __init__(self, pyatspi, app):
        self.pyatspi = pyatspi
        self.app = app
        # Read every property afresh: a change must show up the moment it is asked for.
        app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
        frame = wait_for("the program's window in the accessible tree",
                         lambda: app.childCount and app[0])
        # The window holds the menu bar and, below it, the form: its controls are the form's.
        self.menu_bar = wait_for("the window's menu bar", lambda: next(
            (c for c in frame if c is not None and c.getRoleName() == "menu bar"), None))
        self.window = wait_for("the form under the menu bar", lambda: next(
            (c for c in frame if c is not None and c.getRoleName() != "menu bar"), None))
        ext = self.extents(self.window)
        # The view scales the design area to fit the window and centres it.
        self.scale = min(ext[2] / DESIGN_WIDTH, ext[3] / DESIGN_HEIGHT)
        self.origin = (ext[0] + (ext[2] - DESIGN_WIDTH * self.scale) / 2,
                       ext[1] + (ext[3] - DESIGN_HEIGHT * self.scale) / 2)

    def extents(self, accessible):
        box = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def to_pixels(self, left, top):
        return (self.origin[0] + left / TWIPS_PER_PIXEL * self.scale,
                self.origin[1] + top / TWIPS_PER_PIXEL * self.scale)

    def showing(self, accessible):
        return accessible.getState().contains(self.pyatspi.STATE_SHOWING)

    def windowed_controls(self):
        """Every combo box, button and scroll bar of the window, shown or hidden."""
        return [child for child in self.window
                if child is not None and child.getRoleName() in OWNED]

    def find(self, control):
        """The showing control whose box begins where `control`'s does (within a pixel)."""
        x, y = self.to_pixels(control.left, control.top)
        for child in self.windowed_controls():
            ext = self.extents(child)
            if self.showing(child) and near(ext, x, y):
                return child
        return None

    def press(self, key):
        keysym = {"Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54, "Tab": 0xFF09,
                  "space": 0x20}[key]
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)

    def pump(self):
        """Lets the events that have come in reach the listeners."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def picture(self):
        return next((c for c in self.window if c is not None and c.getRoleName() == "image"), None)

    def focused(self):
        """The name of the windowed control that has the focus (a list's focus is its text)."""
        for child in self.windowed_controls():
            for candidate in [child] + [grandchild for grandchild in child]:
                if candidate is not None and candidate.getState().contains(
                        self.pyatspi.STATE_FOCUSED):
                    return child.name
        return None

    def click(self, accessible):
        x, y, width, height = self.extents(accessible)
        self.pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2,
                                                 self.pyatspi.MOUSE_B1C)

    def focus(self, accessible, what):
        accessible.queryComponent().grabFocus()
        wait_for(f"{what} to take the keyboard focus",
                 lambda: accessible.getState().contains(self.pyatspi.STATE_FOCUSED))


def check_demonstration(reader, demo, failures):
    expected = COMMON + SHOWN[demo]
    matched = []
    for control in expected:
        found = reader.find(control)
        if found is None:
            failures.append(f"{demo}: no showing control where {control} should be")
            continue
        matched.append(found)
        place = reader.extents(found)[:2]
        for field, want, got in (("role", control.role, found.getRoleName()),
                                 ("name", control.name, found.name),
                                 ("description", control.description, found.description)):
            if got != want:
                failures.append(f"{demo}: the {control.role} at {place} has the {field} {got!r}, "
                                f"not {want!r}")
    for child in reader.windowed_controls():
        if reader.showing(child) and child not in matched:
            failures.append(f"{demo}: {child.getRoleName()} {child.name!r} at "
                            f"{reader.extents(child)[:2]} is reported as showing, but the "
                            "demonstration does not show it")


def check_picture(reader, demo, heard, failures):
    picture = reader.picture()
    if picture is None:
        failures.append(f"{demo}: no image for the picture in the accessible tree")
        return
    fact = PICTURE_FACTS[demo]
    try:
        wait_for(f"the picture of {demo} to be named and described",
                 lambda: picture.name == f"Picture of {demo}" and fact in picture.description)
    except CheckFailed:
        failures.append(f"{demo}: the picture is {picture.name!r}, described {picture.description!r}; "
                        f"not named after the demonstration or without {fact!r}")
    # The change of demonstration was announced: a notification appeared with its words.
    try:
        wait_for(f"an announcement of {demo}",
                 lambda: reader.pump() or any(fact in words for words in heard))
    except CheckFailed:
        failures.append(f"{demo}: no notification said {fact!r}; heard {heard[-3:]!r}")
    heard.clear()


def check_tab_order(reader, demo_list, demo, failures, orders):
    """Tab from the demo list round the window: every control that shows is reached."""
    expected = {control.name for control in COMMON + SHOWN[demo]}
    reached = [reader.focused()]
    for _ in range(len(expected) + 3):
        before = reader.focused()
        reader.press("Tab")
        try:
            wait_for("Tab to move the focus", lambda: reader.focused() != before, timeout=3)
        except CheckFailed:
            break
        if reader.focused() == reached[0]:
            break
        reached.append(reader.focused())
    orders[demo] = reached
    if set(reached) != expected:
        failures.append(f"{demo}: Tab reaches {reached}, not every one of {sorted(expected)}")
    reader.focus(demo_list, "the demo list")


def check_histogram_switch(reader, failures):
    button = reader.find(HISTOGRAM)
    if button is None:
        failures.append("Rayleigh: no Histogram button")
        return
    if button.getState().contains(reader.pyatspi.STATE_CHECKED):
        failures.append('Rayleigh: "Histogram" is checked before it is pressed')
    reader.focus(button, '"Histogram"')
    reader.press("space")
    try:
        wait_for('"Histogram" to be on', lambda: all(
            button.getState().contains(state)
            for state in (reader.pyatspi.STATE_CHECKED, reader.pyatspi.STATE_PRESSED))
            and button.description == HISTOGRAM_ON)
    except CheckFailed:
        failures.append(f'Rayleigh: pressed, "Histogram" is not checked, or says '
                        f'{button.description!r}')


def demo_text(demo_list):
    return demo_list[0].queryText().getText(0, -1)


def choose(reader, demo_list, demo):
    """Walks the focused demo list with the arrow keys, one entry at a time, to `demo`."""
    current = DEMO_LIST.index(demo_text(demo_list))
    target = DEMO_LIST.index(demo)
    step = 1 if target > current else -1
    while current != target:
        reader.press("Down" if step > 0 else "Up")
        current += step
        wait_for(f'the demo list to show "{DEMO_LIST[current]}"',
                 lambda: demo_text(demo_list) == DEMO_LIST[current])


def check_tip_moves(reader, failures):
    tip, resultant = reader.find(TIP1), reader.find(RESULTANT)
    if tip is None or resultant is None:
        failures.append("Phasors: the tips are not where the demonstration puts them")
        return
    reader.focus(tip, '"Phasor 1 tip"')
    for key, left, top in TIP_MOVES:
        tip_before, resultant_before = reader.extents(tip), reader.extents(resultant)
        x, y = reader.to_pixels(left, top)
        reader.press(key)
        try:
            wait_for(f"{key} to move the tip of phasor 1 to ({x:g}, {y:g})",
                     lambda: reader.extents(tip)[:2] != tip_before[:2])
        except CheckFailed as failure:
            failures.append(f"Phasors: {failure}")
            return
        tip_after = reader.extents(tip)
        if not near(tip_after, x, y):
            failures.append(f"Phasors: {key} moved the tip of phasor 1 from {tip_before[:2]} to "
                            f"{tip_after[:2]}, not to the grid point ({x:g}, {y:g})")
        # The moved tip tells its new place.
        place = tip_place(left + TIP_SIZE / 2 - ORIGIN1[0], top + TIP_SIZE / 2 - ORIGIN1[1])
        try:
            wait_for(f"the tip of phasor 1 to tell its place after {key}",
                     lambda: tip.description == place + ". " + TIP1_USE)
        except CheckFailed:
            failures.append(f"Phasors: after {key} the tip of phasor 1 says {tip.description!r}, "
                            f"not {place + '. ' + TIP1_USE!r}")
        # Phasor 2 has zero length, so the resultant's tip stands where tip 1 does, moved down by
        # the 4080 twips between the origins of diagrams 1 and 3; it gets there at the next tick.
        x, y = reader.to_pixels(left, top + 4080)
        try:
            wait_for(f"the resultant's tip to follow to ({x:g}, {y:g})",
                     lambda: reader.extents(resultant) != resultant_before
                     and near(reader.extents(resultant), x, y))
        except CheckFailed as failure:
            failures.append(f"Phasors: {failure}; it is at {reader.extents(resultant)[:2]}, "
                            f"was at {resultant_before[:2]}")
        # Phasor 2 has no length: the sum is phasor 1, and its tip says so.
        if not resultant.description.startswith(place + ". "):
            failures.append(f"Phasors: the resultant's tip says {resultant.description!r}, not "
                            f"{place!r} first")


def run(program):
    """The failures found, and what the processes printed."""
    session = Session()
    failures = []
    try:
        start_desktop(session)
        import pyatspi  # after the buses are there: it connects to them on first use

        session.env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        process = session.start([program])
        desktop = pyatspi.Registry.getDesktop(0)

        def program_app():
            if process.poll() is not None:
                raise CheckFailed(f"the program exited with {process.returncode}")
            return next((a for a in desktop if a is not None and a.get_process_id() == process.pid),
                        None)

        app = wait_for("the program on the accessibility bus", program_app)
        reader = ScreenReader(pyatspi, app)
        counts = {role: 0 for role in OWNED}
        for child in reader.windowed_controls():
            counts[child.getRoleName()] += 1
        if counts != OWNED:
            failures.append(f"the window reports {counts} windowed controls, not {OWNED}")

        menus = [menu.name for menu in reader.menu_bar if menu is not None]
        if menus != MENUS:
            failures.append(f"the menu bar reads {menus}, not {MENUS}")

        demo_list = reader.find(COMMON[0])
        if demo_list is None:
            raise CheckFailed("no demo list in the accessible tree")
        # With no window manager, only a click makes the window the active one: the user clicks
        # into the text of the demo list.
        reader.click(demo_list[0])
        reader.focus(demo_list, "the demo list")
        heard = []

        def notification(event):
            if event.source is not None and event.source.getRoleName() == "notification" \
                    and event.detail1 == 1:
                heard.append(event.source.name)

        pyatspi.Registry.registerEventListener(notification, "object:state-changed:showing")
        orders = {}
        # Every demonstration in the list's order: "Plane Wave" at start-up and again after
        # "Polarisation".
        for demo in ["Plane Wave"] + DEMO_LIST:
            choose(reader, demo_list, demo)
            check_demonstration(reader, demo, failures)
            if demo != "Plane Wave" or orders:
                check_picture(reader, demo, heard, failures)
            if demo not in orders:
                check_tab_order(reader, demo_list, demo, failures, orders)
            if demo == "Rayleigh":
                check_histogram_switch(reader, failures)
                reader.focus(demo_list, "the demo list")
            if demo == "Phasors":
                check_tip_moves(reader, failures)
        for demo, order in orders.items():
            print(f"Tab order in {demo}: {', '.join(order)}")
        if process.poll() is not None:
            failures.append(f"the program exited with {process.returncode} during the checks")
    except CheckFailed as failure:
        failures.append(str(failure))
    except Exception:  # an AT-SPI call that failed, for one: the program may have died
        failures.append(traceback.format_exc())
    finally:
        output = session.stop()
    return failures, output


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        importlib.import_module("pyatspi")
    except (ImportError, ValueError) as missing:
        sys.exit(f"FAIL: {missing}: this check needs python3-pyatspi (tools/bootstrap installs it)")
    # Stopped from outside, the check still ends everything it started (Session.stop).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: terminated"))
    started = time.monotonic()
    failures, output = run(os.path.abspath(sys.argv[1]))
    if failures:
        print("What the program and the session printed:\n" + output)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{'FAILED' if failures else 'PASSED'}: {len(failures)} problem(s), "
          f"{time.monotonic() - started:.1f} s")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
