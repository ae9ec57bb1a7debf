# Sourced by the test stages of the other platforms (test-windows.sh,
# test-web.sh).

# Says in one line that the stage is left out and why, and ends the script:
# passing, except in CI (CI=true), where it fails.
#   leave_stage_out NAME REASON
leave_stage_out() {
  echo "$1 stage left out: $2"
  [[ "${CI:-}" == true ]] && exit 1
  exit 0
}

# Builds the Linux program now, the reference that the other platform's
# window must equal (never one an earlier build left behind), then builds
# and tests the preset against it, and says how long the stage took.
#   test_against_linux PRESET NAME STARTED_AT
test_against_linux() {
  scripts/configure.sh release
  cmake --build --preset release --target cartouchery
  scripts/configure.sh "$1" -DCARTOUCHERY_LINUX_PROGRAM="$PWD/build/release/cartouchery"
  cmake --build --preset "$1"
  ctest --preset "$1"
  echo "$2 stage: $(( $(date +%s) - $3 )) s"
}
