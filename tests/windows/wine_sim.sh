#!/bin/sh
# skyrift-sim.exe (SKYRIFT_WINDOWS_SIM) under Wine, with the arguments given: what golden.py runs.
# Paths like /tmp/x reach it as \tmp\x on drive Z:, which is /.
DISPLAY= exec wine "$SKYRIFT_WINDOWS_SIM" "$@"
