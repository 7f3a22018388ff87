#!/usr/bin/python3
"""Asks an X window to close the way a window manager's close box does: a WM_DELETE_WINDOW message.

Usage: send_wm_delete.py WINDOW_ID
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main(window_id):
    d = display.Display()
    refused = []
    d.set_error_handler(lambda error, *_: refused.append(error))
    window = d.create_resource_object('window', window_id)
    protocols = d.intern_atom('WM_PROTOCOLS')
    delete = d.intern_atom('WM_DELETE_WINDOW')
    if delete not in (window.get_wm_protocols() or []):
        sys.exit(f'send_wm_delete: window {window_id:#x} does not take WM_DELETE_WINDOW')
    message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    # Waits for the server's answer before hanging up: an X server that sees a client gone before it has read
    # the client's last requests drops them, and on a busy machine the close request was lost that way.
    d.sync()
    d.close()
    if refused:
        sys.exit(f'send_wm_delete: the X server refused the close request to window {window_id:#x}: {refused[0]}')


if __name__ == '__main__':
    main(int(sys.argv[1], 0))
