#!/bin/sh
# Runs a program on a virtual X server, where xdotool can send it real input.
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
  echo "xvfb-run or xdotool is missing (scripts/setup installs them): smoke test skipped"
  exit 77
fi
QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 2048x1536x24" "$@"
