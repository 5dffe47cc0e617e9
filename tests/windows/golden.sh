#!/usr/bin/env bash
# One golden run played by skyrift-sim.exe under Wine, compared as tests/golden compares the
# Linux simulator's: golden.sh SKYRIFT-SIM.EXE NAME.
set -u
here=$(cd "$(dirname "$0")" && pwd)
sim=$(realpath "$1")
source "$here/wine_env.sh"
export SKYRIFT_WINDOWS_SIM=$sim
exec python3 "$here/../golden/golden.py" check --sim "$here/wine_sim.sh" --data "$(dirname "$sim")" "$2"
