"""The main window as a screen reader sees it on the real accessibility bus.

Runs inside tools/xsession.sh and dbus-run-session, by Debian's own Python
(/usr/bin/python3, which holds pyatspi):
    screen_reader_view.py <program> <folder with meanings.txt and about.txt> <card-names program>

It starts at-spi2-core's accessibility bus and turns its screen-reader switch
on, as a screen reader does when it starts; Qt exposes the program's tree
because of that switch, so the program is started with no accessibility
setting of its own. Then it reads the tree through pyatspi while the pointer
acts through XTEST (xdotool):
  - the slots Past, Present and Future stand left to right, "Face down";
  - a double click on Present gives it the dealt card's name, the other slots
    stay face down;
  - while the right button is held down on Present, the preview pane takes
    the same name;
  - the menu bar's Exit, pressed through its accessible action, ends the
    program with status 0.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT_SECONDS = 30


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    """Polls probe() until it returns something true; gives up after WAIT_SECONDS."""
    deadline = time.monotonic() + WAIT_SECONDS
    last_error = None
    while time.monotonic() < deadline:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # the tree may be half built while the program starts
            last_error = error
        time.sleep(0.1)
    fail("%s, after %d s%s" % (what, WAIT_SECONDS, " (last error: %s)" % last_error if last_error else ""))


def start_accessibility_bus():
    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def call(interface, method, args, path="/org/a11y/bus", name="org.a11y.Bus"):
        return session.call_sync(name, path, interface, method, args, None,
                                 Gio.DBusCallFlags.NONE, -1, None)

    wait_for("at-spi-bus-launcher never owned org.a11y.Bus",
             lambda: call("org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)),
                          path="/org/freedesktop/DBus", name="org.freedesktop.DBus").unpack()[0])
    call("org.freedesktop.DBus.Properties", "Set",
         GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))))
    return launcher


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def centre(accessible, pyatspi):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def maximized(pid):
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
    return any("_NET_WM_STATE_MAXIMIZED_HORZ" in subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"],
                                                                 capture_output=True, text=True).stdout
               for window in windows)


def stop(child):
    """Ends a child politely: the bus launcher takes its own bus down only on TERM."""
    if child is None or child.poll() is not None:
        return
    child.terminate()
    try:
        child.wait(timeout=WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        child.kill()
        child.wait()


def main():
    program, data, card_names = (os.path.abspath(arg) for arg in sys.argv[1:4])
    names = set(subprocess.run([card_names], check=True, capture_output=True, text=True).stdout.splitlines())
    if len(names) != 78:
        fail("card-names printed %d distinct names" % len(names))

    folder = tempfile.mkdtemp()
    shutil.copy(os.path.join(data, "meanings.txt"), folder)
    shutil.copy(os.path.join(data, "about.txt"), folder)
    launcher = process = None
    try:
        launcher = start_accessibility_bus()
        import pyatspi  # connects to the accessibility bus, so only once it runs

        env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
        process = subprocess.Popen([program], cwd=folder, env=env)
        check_main_window(process, names, pyatspi)
    finally:
        for child in (process, launcher):
            stop(child)
        shutil.rmtree(folder)
    print("all checks passed")


def check_main_window(process, names, pyatspi):
    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == process.pid:
                return app
        return None

    def images():
        app = application()
        if app is None:
            return None
        found = {node.name: node for node in descendants(app)
                 if node.getRole() == pyatspi.ROLE_IMAGE and node.name}
        return found if {"Past", "Present", "Future", "Preview"} <= found.keys() else None

    shown = wait_for("the program's slots never showed on the accessibility bus", images)
    # The pointer aims at the slots where they stay: once the window manager has maximized the window.
    wait_for("the window manager never maximized the main window", lambda: maximized(process.pid))
    past, present, future, preview = (shown[n] for n in ("Past", "Present", "Future", "Preview"))
    print("on the bus: %s" % ", ".join("%s (%s)" % (n, shown[n].description) for n in sorted(shown)))

    slots = [past, present, future]
    for slot in slots:
        if slot.description != "Face down":
            fail("%s says %r, not 'Face down'" % (slot.name, slot.description))
        if not slot.getState().contains(pyatspi.STATE_SHOWING):
            fail("%s is not showing" % slot.name)
    if preview.description != "Empty":
        fail("the preview pane says %r, not 'Empty'" % preview.description)
    xs = [centre(slot, pyatspi)[0] for slot in slots]
    if not xs[0] < xs[1] < xs[2]:
        fail("Past, Present and Future do not stand left to right: centres at x = %s" % xs)

    x, y = centre(present, pyatspi)
    xdotool("mousemove", "--sync", x, y)
    xdotool("click", "--repeat", 2, "--delay", 60, 1)
    dealt = wait_for("Present still says 'Face down' after a double click on it",
                     lambda: present.description if present.description != "Face down" else None)
    print("double click on Present: %r" % dealt)
    if dealt not in names:
        fail("Present says %r, which names no card" % dealt)
    for slot in (past, future):
        if slot.description != "Face down":
            fail("%s says %r after a double click on Present" % (slot.name, slot.description))
    if preview.description != "Empty":
        fail("the preview pane says %r after a double click on Present" % preview.description)

    xdotool("mousedown", 3)
    try:
        wait_for("the preview pane never took Present's %r while the right button was down on it" % dealt,
                 lambda: preview.description == dealt)
    finally:
        xdotool("mouseup", 3)
    print("right press on Present: the preview pane says %r" % preview.description)

    app = application()
    exit_item = next((node for node in descendants(app)
                      if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == "Exit"), None)
    if exit_item is None:
        fail("no menu item Exit on the bus")
    action = exit_item.queryAction()
    press = next((i for i in range(action.nActions) if action.getName(i).lower() == "press"), None)
    if press is None:
        fail("Exit offers no press action: %s" % [action.getName(i) for i in range(action.nActions)])
    action.doAction(press)
    try:
        status = process.wait(timeout=WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        fail("the program still runs after Exit was pressed through its accessible action")
    if status != 0:
        fail("Exit ended the program with status %d" % status)
    print("Exit pressed through AT-SPI: the program ended with status 0")


if __name__ == "__main__":
    main()
