#!/usr/bin/env bash
# Names the tests of a ctest run that failed their first try, from the run's log, where each try
# is one block: "n/N Test: name", its output, "<end of output>", then "Test Passed.", or
# "Test Failed." or, where the output matched a failing pattern, "Test Fail Reason:".
#   second-tries.sh Testing/Temporary/LastTest.log
set -euo pipefail
log=$1
[ -f "$log" ] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0; ended = 0; next }
  /^<end of output>$/ { ended = 1; next }
  ended && /^Test Passed\.$/ { if (name in outcome) outcome[name] = "passed"; ended = 0; next }
  ended && /^Test Fail(ed\.| Reason:)$/ {
    if (name in outcome) outcome[name] = "failed again"
    else { outcome[name] = "not run again"; order[++count] = name }
    ended = 0
  }
  END {
    if (!count) { print "No test needed a second try."; exit }
    print "Tests that needed a second try:"
    for (i = 1; i <= count; ++i) print "\t" order[i] " (" outcome[order[i]] ")"
  }
' "$log"
