# The test tiers of ./test; sourced, not run. Each tier adds to TOTAL_PASSED and
# TOTAL_FAILED; a tier that cannot even be built counts as one failure.

ZALVANE_ALL_TIERS=(unit asan wine-unit win e2e package deb fuzz reliability)
TOTAL_PASSED=0
TOTAL_FAILED=0
TIER_SUMMARY=()
JOBS=$(nproc 2>/dev/null || echo 2)

tier_result() {  # name passed failed
  TOTAL_PASSED=$((TOTAL_PASSED + $2))
  TOTAL_FAILED=$((TOTAL_FAILED + $3))
  TIER_SUMMARY+=("$1: $2 passed, $3 failed")
}

configure_and_build() {  # preset [targets...]
  local preset=$1; shift
  echo "== build: $preset"
  cmake --preset "$preset" >"$root/build/$preset.log" 2>&1 || { cat "$root/build/$preset.log"; return 1; }
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@" >>"$root/build/$preset.log" 2>&1 || { tail -60 "$root/build/$preset.log"; return 1; }
  else
    cmake --build --preset "$preset" >>"$root/build/$preset.log" 2>&1 || { tail -60 "$root/build/$preset.log"; return 1; }
  fi
}

# Runs ctest for a preset (optionally only one label, or all but one) and counts its
# results; prints the "figure:" lines the tests wrote.
ctest_tier() {  # name preset [label] [excluded label]
  local name=$1 preset=$2 label=${3:-} excluded=${4:-}
  local junit="$root/build/$preset/ctest-$name.xml"
  local args=(--preset "$preset" -j "$JOBS" --output-on-failure --timeout 300 --output-junit "$junit")
  [ -n "$label" ] && args+=(-L "^$label\$")
  [ -n "$excluded" ] && args+=(-LE "^$excluded\$")
  echo "== tests: $name"
  ctest "${args[@]}" 2>&1 | tail -40
  if [ ! -f "$junit" ]; then tier_result "$name" 0 1; return; fi
  grep -o 'figure: [^<&]*' "$junit" | sort -u
  local head total failures errors skipped
  head=$(tr '\n\t' '  ' <"$junit" | grep -o '<testsuite [^>]*' | head -1)
  attr() { echo "$head" | grep -o " $1=\"[0-9]*\"" | grep -o '[0-9]*' | head -1; }
  total=$(attr tests); failures=$(attr failures); errors=$(attr errors); skipped=$(attr skipped)
  total=${total:-0}; failures=${failures:-0}; errors=${errors:-0}; skipped=${skipped:-0}
  local bad=$((failures + errors))
  if [ "$total" -eq 0 ]; then tier_result "$name" 0 1; return; fi
  tier_result "$name" $((total - bad - skipped)) "$bad"
}

run_tier() {
  local tier=$1
  mkdir -p "$root/build"
  case "$tier" in
    unit)
      if configure_and_build native; then ctest_tier unit native "" reliability; else tier_result unit 0 1; fi ;;
    asan)
      if configure_and_build asan unit_tests fuzz_replay; then ctest_tier asan asan unit; else tier_result asan 0 1; fi ;;
    wine-unit)
      if configure_and_build windows unit_tests; then ctest_tier wine-unit windows unit; else tier_result wine-unit 0 1; fi ;;
    win)
      if configure_and_build windows; then ctest_tier win windows win; else tier_result win 0 1; fi ;;
    e2e)
      # Zalvane.exe under Wine and Xvfb on the virtual mouse (scripts/e2e, tests/e2e/scenarios).
      if configure_and_build native zalvane-cli default_skin && configure_and_build windows Zalvane e2e_helper; then
        echo "== tests: e2e"
        "$root/scripts/e2e" --native "$root/build/native" --windows "$root/build/windows" --work "$root/build/e2e"
        local e2eCounts
        e2eCounts=$(cat "$root/build/e2e/result" 2>/dev/null)
        if [ -n "$e2eCounts" ]; then tier_result e2e "${e2eCounts% *}" "${e2eCounts#* }"; else tier_result e2e 0 1; fi
      else
        tier_result e2e 0 1
      fi ;;
    package)
      # dist/ from build/native and build/windows, installed and started under Wine.
      if configure_and_build native zalvane-cli default_skin && configure_and_build windows Zalvane &&
        { echo "== package"; "$root/scripts/package"; }; then
        echo "== tests: package"
        "$root/tests/e2e/package/install_test" --work "$root/build/package"
        local counts
        counts=$(cat "$root/build/package/result" 2>/dev/null)
        if [ -n "$counts" ]; then tier_result package "${counts% *}" "${counts#* }"; else tier_result package 0 1; fi
      else
        tier_result package 0 1
      fi ;;
    deb)
      # zalvane-cli's Debian package (scripts/package-deb), installed into a scratch root.
      if configure_and_build native zalvane-cli cli_docs && { echo "== package-deb"; "$root/scripts/package-deb"; }; then
        echo "== tests: deb"
        "$root/tests/e2e/package/deb_install_test" --work "$root/build/deb"
        local debCounts
        debCounts=$(cat "$root/build/deb/result" 2>/dev/null)
        if [ -n "$debCounts" ]; then tier_result deb "${debCounts% *}" "${debCounts#* }"; else tier_result deb 0 1; fi
      else
        tier_result deb 0 1
      fi ;;
    fuzz)
      echo "== fuzz"
      if "$root/scripts/fuzz" --seconds "${ZALVANE_FUZZ_SECONDS:-20}"; then
        tier_result fuzz "$(ls "$root"/tests/fuzz/*_fuzz.cpp 2>/dev/null | wc -l)" 0
      else
        tier_result fuzz 0 1
      fi ;;
    reliability)
      # zalvane-cli's save and import killed at random moments (tests/reliability).
      if configure_and_build native killed_writes; then ctest_tier reliability native reliability; else tier_result reliability 0 1; fi ;;
    *)
      echo "test: unknown tier '$tier'" >&2
      tier_result "$tier" 0 1 ;;
  esac
}
