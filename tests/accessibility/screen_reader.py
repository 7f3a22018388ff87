#!/usr/bin/python3
"""Quorvane as a screen reader sees it, over AT-SPI: the names and roles of both windows' controls, the messages
announced in the main window's text box (the farewell after the close box, then the success after "Close
Form"), and the failure report's text.

Usage: screen_reader.py round-trip    (the program is running, its main window up)
       screen_reader.py report TEXT... (the program is showing its failure report; each TEXT must be in it)

Clicks go through the X server, with the other real-display tests' helpers (tests/e2e/x_session.sh);
everything read comes from the accessibility bus.
"""
import pathlib
import subprocess
import sys
import time

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib  # noqa: E402 (python3-pyatspi brings the bindings)

MAIN = 'Quorvane All Controls'
SHOWCASE = 'All VB6 Pro Controls'
ALL_GOOD = 'All Good! Looks like it is working.'
FAREWELL = 'Well that was fun ....'
HERE = pathlib.Path(__file__).resolve().parent

# What a screen reader user must hear for each control that has a window: its name and its role.
MAIN_CONTROLS = {
    'Text1': 'text',
    'Exit': 'push button',
    'Test': 'push button',
    'This program  tests if VB6 runtime is working.': 'label',
}
SHOWCASE_CONTROLS = {
    'Close Form': 'push button',
    'MSHFlexGrid1': 'table',
    'Adodc1': 'tool bar',
    'CoolBar1': 'tool bar',
    'DataCombo1': 'combo box',
    'DataList1': 'list',
    'DataGrid1': 'table',
    'MaskEdBox1': 'text',
    'MMControl1': 'tool bar',
    'MSChart1': 'chart',
    'RichTextBox1': 'text',
    'FlatScrollBar1': 'scroll bar',
    'DTPicker1': 'spin button',
    'MonthView1': 'table',  # a calendar: a table of days, as Qt's own calendar presents itself
    'UpDown1': 'spin button',
    'Animation1': 'animation',
    'ImageCombo1': 'combo box',
    'Slider1': 'slider',
    'ListView1': 'list',
    'TreeView1': 'tree',
    'ProgressBar1': 'progress bar',
    'StatusBar1': 'status bar',
    'Toolbar1': 'tool bar',
    'Tab 1': 'page tab list',  # TabStrip1: a tab strip is known by its chosen tab's caption
    'MSFlexGrid1': 'table',
    'SSTab1': 'page tab list',
    'Data1': 'tool bar',
    'File1': 'list',
    'Dir1': 'tree',
    '/': 'combo box',  # Drive1: a combo box is known by its text, here the drive of the current folder
    'VScroll1': 'scroll bar',
    'HScroll1': 'scroll bar',
    'List1': 'list',
    'Combo1': 'combo box',
    'Frame1': 'panel',
    'Text1': 'text',
    'Picture1': 'canvas',
    'OLE1': 'image',
    'Image1': 'image',
    'Line1': 'separator',
    'Shape1': 'image',
    'THIS FORM HOLDS A COPY  OF ALL THE VB6 PRO CONTROLS. THAT IS ITS ONLY PURPOSE.': 'label',
}
FRAME1_CONTROLS = {'Option1': 'radio button', 'Check1': 'check box', 'Command1': 'push button'}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print(f'screen_reader: {message}', file=sys.stderr)
    return condition


def pump(seconds, until=lambda: False):
    """Lets AT-SPI events arrive for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        while context.iteration(False):
            pass
        time.sleep(0.05)
    return until()


def application():
    def find():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == 'Quorvane':
                return app
        return None
    for _ in range(100):
        app = find()
        if app is not None:
            return app
        time.sleep(0.1)
    sys.exit('screen_reader: no application named Quorvane on the accessibility bus')


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def showing(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.SHOWING)


def window(app, title):
    """The application's window with the title, once it is showing."""
    for _ in range(100):
        for w in children(app):
            if w.get_name() == title and showing(w):
                return w
        time.sleep(0.1)
    sys.exit(f'screen_reader: the window "{title}" never showed on the accessibility bus')


def check_controls(where, parent, expected):
    """Every showing child has a name; the expected ones are there with their roles."""
    seen = {}
    for child in children(parent):
        if not showing(child):
            continue
        name, role = child.get_name(), child.get_role_name()
        check(name != '', f'{where}: a {role} without a name')
        seen[name] = (role, child)
    for name, role in expected.items():
        if check(name in seen, f'{where}: no control named "{name}"'):
            check(seen[name][0] == role, f'{where}: "{name}" is a {seen[name][0]}, expected a {role}')
    return {name: found for name, (_, found) in seen.items()}


def x_session(command):
    """Runs a command with the X session helpers the other real-display tests use: the windows' titles, where
    their buttons are, how to click them and close them."""
    subprocess.run(['bash', '-c', f'source "$0" && {command}', str(HERE.parent / 'e2e' / 'x_session.sh')],
                   check=True, timeout=30)


def text_of(accessible):
    return accessible.get_text(0, accessible.get_character_count())


def round_trip():
    app = application()
    check(app.get_role_name() == 'application', 'the program is not an application on the bus')
    main = window(app, MAIN)
    check(main.get_role_name() == 'frame', f'the main window is a {main.get_role_name()}, expected a frame')
    main_controls = check_controls(MAIN, main, MAIN_CONTROLS)

    announced = []

    def on_insert(event):
        if event.source.get_name() == 'Text1':
            announced.append(event.any_data)
    listener = Atspi.EventListener.new(on_insert)
    listener.register('object:text-changed:insert')

    # The first round trip ends at the close box: the farewell goes into the empty text box.
    x_session('click_test "$(visible_window "$main_title")"')
    window(app, SHOWCASE)
    x_session(f'/usr/bin/python3 {HERE.parent / "e2e" / "send_wm_delete.py"} "$(visible_window "$showcase_title")"')
    window(app, MAIN)
    check(pump(10, lambda: FAREWELL in announced),
          f'"{FAREWELL}" was not announced from Text1; text insertions seen: {announced}')

    x_session('click_test "$(visible_window "$main_title")"')
    showcase = window(app, SHOWCASE)
    check(showcase.get_role_name() == 'frame', f'the showcase is a {showcase.get_role_name()}, expected a frame')
    controls = check_controls(SHOWCASE, showcase, SHOWCASE_CONTROLS)
    in_frame = check_controls(f'{SHOWCASE}: Frame1', controls['Frame1'], FRAME1_CONTROLS) if 'Frame1' in controls else {}
    windows = len(controls) + len(in_frame)
    check(windows == 45, f'{SHOWCASE}: {windows} controls with a window, expected 45')

    x_session('click_close_form "$(visible_window "$showcase_title")"')
    main = window(app, MAIN)
    check(pump(10, lambda: ALL_GOOD in announced),
          f'"{ALL_GOOD}" was not announced from Text1; text insertions seen: {announced}')
    text1 = check_controls(MAIN, main, MAIN_CONTROLS).get('Text1')
    if text1 is not None:
        check(text_of(text1) == ALL_GOOD, f'the main window\'s Text1 reads "{text_of(text1)}"')
    listener.deregister('object:text-changed:insert')


def report(expected_texts):
    app = application()
    for _ in range(100):
        boxes = [w for w in children(app) if w.get_name() == 'Quorvane' and showing(w)]
        if boxes:
            break
        time.sleep(0.1)
    else:
        sys.exit('screen_reader: the failure report never showed on the accessibility bus')
    box = boxes[0]
    check(box.get_role_name() in ('alert', 'dialog'), f'the report is a {box.get_role_name()}')

    def texts(accessible):
        found = [accessible.get_name()]
        if 'Text' in accessible.get_interfaces():
            found.append(text_of(accessible))
        for child in children(accessible):
            found += texts(child)
        return found
    read = '\n'.join(texts(box))
    for expected in expected_texts:
        check(expected in read, f'the report does not read "{expected}"; it reads:\n{read}')


def main():
    if sys.argv[1:2] == ['round-trip']:
        round_trip()
    elif sys.argv[1:2] == ['report']:
        report(sys.argv[2:])
    else:
        sys.exit(__doc__)
    if failures:
        sys.exit(1)


if __name__ == '__main__':
    main()
