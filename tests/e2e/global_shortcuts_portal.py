# SPDX-License-Identifier: GPL-3.0-or-later
'''A desktop portal with the GlobalShortcuts interface, as a python3-dbusmock template.

CreateSession and BindShortcuts answer a moment after their reply, by a Response signal on
the request object their handle token names, as the portal does. BindShortcuts assigns each
shortcut its preferred trigger, unless the parameter "assigned" (shortcut name -> trigger)
holds the user's own choice, or the parameter "declined" is true (the user cancels the
dialog). The mock method Activate(name) presses a bound shortcut: it emits Activated, then
Deactivated, for the session that bound it last.
'''

import time

import dbus
from gi.repository import GLib

from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.GlobalShortcuts'
SYSTEM_BUS = False

REQUEST_IFACE = 'org.freedesktop.portal.Request'
REGISTRY_IFACE = 'org.freedesktop.host.portal.Registry'
SESSION_IFACE = 'org.freedesktop.portal.Session'


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({'version': dbus.UInt32(1)}, signature='sv'))
    mock.assigned = dict(parameters.get('assigned', {}))
    mock.declined = bool(parameters.get('declined', False))
    # shortcut name -> the session that bound it last
    mock.bound_in = {}


def _sender_element(sender):
    return sender[1:].replace('.', '_')


def _respond(mock, path, response, results):
    def emit():
        mock.EmitSignalDetailed(REQUEST_IFACE, 'Response', 'ua{sv}',
                                [dbus.UInt32(response), dbus.Dictionary(results, signature='sv')],
                                {'path': path})
        return False
    GLib.timeout_add(50, emit)


def _request_path(sender, options):
    return f'{MAIN_OBJ}/request/{_sender_element(sender)}/{options["handle_token"]}'


# A program outside a sandbox names its application id here before it asks anything else.
@dbus.service.method(REGISTRY_IFACE, in_signature='sa{sv}', out_signature='')
def Register(self, _app_id, _options):
    pass


@dbus.service.method(MAIN_IFACE, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
def CreateSession(self, options, sender=None):
    path = _request_path(sender, options)
    session = f'{MAIN_OBJ}/session/{_sender_element(sender)}/{options["session_handle_token"]}'
    self.AddObject(session, SESSION_IFACE, {}, [('Close', '', '', f'self.RemoveObject("{session}")')])
    _respond(self, path, 0, {'session_handle': dbus.String(session)})
    return dbus.ObjectPath(path)


@dbus.service.method(MAIN_IFACE, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
def BindShortcuts(self, session, shortcuts, _parent_window, options, sender=None):
    path = _request_path(sender, options)
    if self.declined:
        _respond(self, path, 1, {})
        return dbus.ObjectPath(path)
    answered = []
    for name, properties in shortcuts:
        trigger = self.assigned.get(str(name), str(properties.get('preferred_trigger', '')))
        self.bound_in[str(name)] = str(session)
        answered.append(dbus.Struct((name, dbus.Dictionary({
            'description': properties.get('description', ''),
            'trigger_description': dbus.String(trigger)}, signature='sv')), signature='sa{sv}'))
    _respond(self, path, 0, {'shortcuts': dbus.Array(answered, signature='(sa{sv})')})
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def Activate(self, name):
    session = dbus.ObjectPath(self.bound_in[name])
    stamp = dbus.UInt64(int(time.time() * 1000))
    for signal in ('Activated', 'Deactivated'):
        self.EmitSignal(MAIN_IFACE, signal, 'osta{sv}', [session, name, stamp, dbus.Dictionary({}, signature='sv')])
