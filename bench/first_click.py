#!/usr/bin/python3
"""Times programs from their start to the first click on "Test" showing the showcase window, on the X server
named by DISPLAY, as a user sees it. Each run starts the program, waits for its main window to be mapped and
drawn, clicks "Test" there, and waits for the showcase window to be mapped and drawn; then the program is
killed. Programs take turns, run after run, so that a slow spell of the machine falls on both.

"Drawn" is the first drawing the X server receives into the window, seen through the DAMAGE extension: the
moment the window's content is there to see. The same measure serves any program, without its help.

Usage: first_click.py RUNS NAME MAIN_TITLE SHOWCASE_TITLE COMMAND [NAME MAIN_TITLE SHOWCASE_TITLE COMMAND ...]
(COMMAND is one argument, split as a shell would.)
"""
import select
import shlex
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage, xtest

TIMEOUT = 60
# The centre of "Test" in the main window at 96 dpi, from the stored layout (120, 480, 1215 x 315 twips).
TEST_BUTTON = (48, 42)


class Watch:
    """The top-level windows of the server: when each was mapped and first drawn into, and its title."""

    def __init__(self, d):
        self.d = d
        self.root = d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        d.damage_query_version()
        self.damage_event = d.extension_event.DamageNotify
        self.reset()

    def reset(self):
        self.mapped, self.drawn, self.damages = {}, {}, {}

    def title(self, window_id):
        window = self.d.create_resource_object('window', window_id)
        try:
            name = window.get_full_text_property(self.d.intern_atom('_NET_WM_NAME'))
            return name or window.get_wm_name()
        except Exception:  # the window went while we asked
            return None

    def pump(self, until):
        """Handles events until the deadline or the next event batch."""
        if not self.d.pending_events():
            select.select([self.d], [], [], max(0.0, until - time.monotonic()))
        while self.d.pending_events():
            event = self.d.next_event()
            now = time.monotonic()
            if event.type == X.CreateNotify:
                # Watched from its creation: the first drawing comes after the map, and is not missed.
                window = self.d.create_resource_object('window', event.window.id)
                self.damages[event.window.id] = window.damage_create(damage.DamageReportNonEmpty)
                self.d.flush()
            elif event.type == X.MapNotify:
                self.mapped.setdefault(event.window.id, now)
            elif event.type == self.damage_event:
                self.drawn.setdefault(event.drawable.id, now)
            elif event.type == X.DestroyNotify:
                for table in (self.mapped, self.drawn, self.damages):
                    table.pop(event.window.id, None)

    def wait_drawn(self, title, deadline):
        """The window with the title once it is mapped and drawn into, and those two times."""
        while time.monotonic() < deadline:
            for window_id, mapped in self.mapped.items():
                if window_id in self.drawn and self.title(window_id) == title:
                    return window_id, mapped, self.drawn[window_id]
            self.pump(deadline)
        raise TimeoutError(f'no window "{title}" was drawn')

    def click(self, window_id, x, y):
        window = self.d.create_resource_object('window', window_id)
        at = window.translate_coords(self.root, x, y)
        xtest.fake_input(self.d, X.MotionNotify, x=0, y=0)
        xtest.fake_input(self.d, X.MotionNotify, x=at.x, y=at.y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.flush()


def run_once(watch, main_title, showcase_title, command):
    """Seconds from the start to the main window drawn, to the showcase mapped and drawn, and from the click
    on "Test" to the showcase drawn."""
    watch.reset()
    started = time.monotonic()
    program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = started + TIMEOUT
        main, _, main_drawn = watch.wait_drawn(main_title, deadline)
        clicked = time.monotonic()
        watch.click(main, *TEST_BUTTON)
        _, mapped, drawn = watch.wait_drawn(showcase_title, deadline)
        return main_drawn - started, mapped - started, drawn - started, drawn - clicked
    finally:
        program.kill()
        program.wait()
        # Lets the server take the windows away before the next run.
        settle = time.monotonic() + 0.3
        while time.monotonic() < settle:
            watch.pump(settle)


def main(argv):
    runs = int(argv[1])
    programs = [argv[i:i + 4] for i in range(2, len(argv), 4)]
    d = display.Display()
    d.set_error_handler(lambda *_: None)  # a window gone before it was watched is no concern
    watch = Watch(d)
    figures = {name: [] for name, *_ in programs}
    for run in range(runs + 1):  # the first round only warms the caches
        for name, main_title, showcase_title, command in programs:
            result = run_once(watch, main_title, showcase_title, shlex.split(command))
            if run:
                figures[name].append(result)

    medians = {}
    for name, results in figures.items():
        columns = [statistics.median(column) * 1000 for column in zip(*results)]
        medians[name] = columns
        print(f'{name}: median of {runs} runs: main window drawn {columns[0]:.0f} ms, showcase mapped '
              f'{columns[1]:.0f} ms, showcase drawn {columns[2]:.0f} ms after the start '
              f'({columns[3]:.0f} ms after the click)')
    if len(medians) == 2:
        (first, a), (second, b) = medians.items()
        print(f'ratio {first} / {second}: start to showcase drawn {a[2] / b[2]:.2f}, '
              f'click to showcase drawn {a[3] / b[3]:.2f}')


if __name__ == '__main__':
    main(sys.argv)
