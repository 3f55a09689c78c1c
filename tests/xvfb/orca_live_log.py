#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Runs Orca for a test, beside whatever Orca the user has and touching none of it, with its debug
# file written a line at a time. Arguments as for orca (never --replace: that ends every Orca of
# the user on the machine, a blind developer's own screen reader too).
#
# - Another Orca counts only on this test's session bus. Orca itself refuses to start while any
#   Orca of the user runs anywhere, as "Another Orca process is already running for this
#   session", though that one speaks to another display over another bus.
# - No speech server: Orca would start a speech-dispatcher that outlives the test. What Orca would
#   say is in its debug file all the same (`SPEECH OUTPUT: '…'`).
# - Orca opens its debug file with Python's default buffering, so what it says reaches the file in
#   blocks of 8 KiB, or at its end: a test that waits for a line would wait for text still held in
#   memory.
import builtins
import os
import runpy
import sys

if "--replace" in sys.argv or "-r" in sys.argv:
    sys.exit("orca_live_log: --replace would end the user's own screen reader")

_open = builtins.open


def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and "b" not in mode and buffering == -1:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _line_buffered
sys.modules["speechd"] = None  # import fails: Orca speaks to no server

BUS = os.environ.get("DBUS_SESSION_BUS_ADDRESS", "")


def _bus_of(pid):
    try:
        with _open(f"/proc/{pid}/environ", "rb") as environ:
            for entry in environ.read().split(b"\0"):
                if entry.startswith(b"DBUS_SESSION_BUS_ADDRESS="):
                    return entry.split(b"=", 1)[1].decode(errors="replace")
    except OSError:
        pass
    return None


sys.argv = ["orca"] + sys.argv[1:]
# Orca's own script, defined but not run; its main() then looks up the test's otherOrcas.
main = runpy.run_path("/usr/bin/orca", run_name="orca_for_a_test")["main"]
everywhere = main.__globals__["otherOrcas"]
main.__globals__["otherOrcas"] = lambda: [pid for pid in everywhere() if _bus_of(pid) == BUS]
sys.exit(main())
