#!/bin/bash
# Long kill runs of the payer pair: the watched-folder import (appending and replacing) and the
# payer deletion, each child killed at random points, as the test suite does with 120 and 200
# runs. Every run must end with the old or the new pair, and the watched file imported once or
# back for a later try.
#   bench/import_kill.sh BUILD_DIR [RUNS]
# BUILD_DIR is a build with the tests (e.g. build-test).
set -eu
build="${1:?build folder}"
runs="${2:-5000}"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 LAVINDOR_KILL_RUNS="$runs"
"$build/tests/test_exchange" --gtest_filter='FigyeltKill.ChildKilledAtRandomPointsOfAnImport'
"$build/tests/test_payerstore" --gtest_filter='CsereKill.ChildKilledAtRandomPointsOfADeletion'
