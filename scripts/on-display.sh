#!/bin/sh
# on-display.sh FILE COMMAND...: runs COMMAND on the X display named in FILE.
file=$1
shift
DISPLAY=$(cat "$file") exec "$@"
