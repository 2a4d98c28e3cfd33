#!/bin/sh
# on-display.sh FILE COMMAND...: runs COMMAND on the X display named in FILE. Where the display
# did not come up, FILE is absent and COMMAND fails at once instead of waiting for a display.
file=$1
shift
display=$(cat "$file" 2>/dev/null)
if [ -z "$display" ]; then
  echo "on-display.sh: no display named in $file: it did not start (see the run's start)" >&2
  exit 1
fi
DISPLAY=$display exec "$@"
