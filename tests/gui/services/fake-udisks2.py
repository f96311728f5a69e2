#!/usr/bin/python3
# A stand-in for the UDisks2 service on the session bus: one optical drive
# holding one mounted disc. Each call it answers is printed on stdout, one
# line each. Its first argument says what goes wrong: "none", "busy" (the
# unmount is refused), "no-drive" (the disc has no drive object) or
# "eject-fails".
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.UDisks2"
ROOT = "/org/freedesktop/UDisks2"
BLOCK = ROOT + "/block_devices/sr0"
DRIVE = ROOT + "/drives/TEST_DVD_RW_0001"
mode = sys.argv[1] if len(sys.argv) > 1 else "none"


def record(*words):
    print(" ".join(str(w) for w in words), flush=True)


def answer(call, path, failing_mode, message, error):
    """Records the call; raises the service's error when the mode says so."""
    record(call, path)
    if mode == failing_mode:
        raise dbus.exceptions.DBusException(message, name=NAME + ".Error." + error)


class Manager(dbus.service.Object):
    @dbus.service.method(NAME + ".Manager", in_signature="a{sv}a{sv}", out_signature="ao")
    def ResolveDevice(self, devspec, options):
        record("Manager.ResolveDevice", devspec.get("path"))
        return [dbus.ObjectPath(BLOCK)] if str(devspec.get("path", "")).startswith("/dev/") else []


class Block(dbus.service.Object):
    @dbus.service.method(NAME + ".Filesystem", in_signature="a{sv}")
    def Unmount(self, options):
        answer("Filesystem.Unmount", self.__dbus_object_path__, "busy",
               "Error unmounting /dev/sr0: target is busy", "DeviceBusy")

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        record("Properties.Get", interface, prop)
        drive = "/" if mode == "no-drive" else DRIVE
        return dbus.ObjectPath(drive, variant_level=1)


class Drive(dbus.service.Object):
    @dbus.service.method(NAME + ".Drive", in_signature="a{sv}")
    def Eject(self, options):
        answer("Drive.Eject", self.__dbus_object_path__, "eject-fails",
               "Error ejecting /dev/sr0: medium is locked", "Failed")


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
objects = [Manager(bus, ROOT + "/Manager"), Block(bus, BLOCK), Drive(bus, DRIVE)]
name = dbus.service.BusName(NAME, bus)
record("ready")
GLib.MainLoop().run()
