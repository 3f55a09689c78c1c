#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Runs Orca with its debug file written a line at a time. Orca opens the file with Python's
# default buffering, so what it says reaches the file in blocks of 8 KiB, or at its end: a test
# that waits for a line would wait for text still held in memory. Arguments as for orca.
import builtins
import runpy
import sys

_open = builtins.open


def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and "b" not in mode and buffering == -1:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _line_buffered
sys.argv = ["orca"] + sys.argv[1:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
