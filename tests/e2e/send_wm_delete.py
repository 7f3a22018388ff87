#!/usr/bin/python3
"""Asks an X window to close the way a window manager's close box does: a WM_DELETE_WINDOW message.

Usage: send_wm_delete.py WINDOW_ID
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main(window_id):
    d = display.Display()
    window = d.create_resource_object('window', window_id)
    protocols = d.intern_atom('WM_PROTOCOLS')
    delete = d.intern_atom('WM_DELETE_WINDOW')
    if delete not in (window.get_wm_protocols() or []):
        sys.exit(f'send_wm_delete: window {window_id:#x} does not take WM_DELETE_WINDOW')
    message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    d.flush()


if __name__ == '__main__':
    main(int(sys.argv[1], 0))
