#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build/fuzz and runs each for a
# fixed time, two at a time, starting from its committed corpus (tests/fuzz/corpus/<target>).
# Inputs that reach new code are kept in build/fuzz/corpus/<target>; a finding (a crash, a
# broken property, a leak, an input slower than 10 s or one using more than 2 GB) is saved in
# build/fuzz/findings/ and makes the script fail once every target has run.
# Usage: tools/fuzz.sh [SECONDS [TARGET ...]]   (default: 30 seconds for each target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in tests/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DZELMARA_FUZZ=ON -DZELMARA_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j2 --target zelmara_fuzzers

# Two targets at a time, one on each core of a CI machine.
fuzz_one() {
  local target=$1
  local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                 -artifact_prefix="build/fuzz/findings/$target-")
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
  mkdir -p "build/fuzz/corpus/$target"
  "build/fuzz/tests/fuzz/${target}_fuzzer" "${options[@]}" \
    "build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1 ||
    touch "build/fuzz/$target.failed"
}

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  rm -f "build/fuzz/$target.failed"
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
  echo "fuzzing $target for $seconds s (log: build/fuzz/$target.log)"
  fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  if [ -e "build/fuzz/$target.failed" ]; then
    echo "== $target"
    tail -n 40 "build/fuzz/$target.log"
    failed+=("$target")
  else
    echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "build/fuzz/$target.log" || true)"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build/fuzz/findings/)" >&2
  exit 1
fi
