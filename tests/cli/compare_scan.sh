#!/usr/bin/env bash
# Runs every case of CASES (one argument list a line, quoted as for xargs; # starts a comment)
# through the Linux zelmara-scan and through a Windows zelmara-scan.exe command, and compares
# what they print. Exit status, stderr and every line but a row (of the table or of the JSON
# form) must be byte-identical; in a row the angle and the potential too, while the two
# derivatives, rounding residues whose last digits come from each system's C library, must agree
# within the acceptance threshold (precision / 10).
# usage: compare_scan.sh CASES LINUX_SCAN WINDOWS_COMMAND...
set -euo pipefail

cases=$1 linux=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0 caseCount=0 rowCount=0
while IFS= read -r line; do
  [[ "$line" =~ ^[[:space:]]*(#|$) ]] && continue
  mapfile -d '' -t arguments < <(printf '%s\n' "$line" | xargs printf '%s\0')
  caseCount=$((caseCount + 1))

  # The step, for the threshold: the last --precision given, else the default.
  precision=0.005
  for ((i = 0; i < ${#arguments[@]}; i++)); do
    case "${arguments[i]}" in
      --precision=*) precision=${arguments[i]#--precision=} ;;
      --precision) precision=${arguments[i + 1]:-$precision} ;;
    esac
  done

  linuxStatus=0 windowsStatus=0
  "$linux" "${arguments[@]}" >"$work/linux.out" 2>"$work/linux.err" || linuxStatus=$?
  "$@" "${arguments[@]}" >"$work/windows.out" 2>"$work/windows.err" || windowsStatus=$?
  # The Windows command could not run at all (its Wine is missing): skipped, with its reason.
  if [ "$windowsStatus" = 77 ]; then
    cat "$work/windows.out"
    exit 77
  fi

  problems=()
  [ "$linuxStatus" = "$windowsStatus" ] || problems+=("exit status $linuxStatus on Linux, $windowsStatus on Windows")
  cmp -s "$work/linux.err" "$work/windows.err" ||
    problems+=("stderr differs: $(head -c 300 "$work/linux.err") | $(head -c 300 "$work/windows.err")")
  if rows=$(awk -v precision="$precision" -v linuxFile="$work/linux.out" -v windowsFile="$work/windows.out" '
      function Magnitude(x) { return x < 0 ? -x : x }
      # The fields of a table row, or of a JSON row {"angle": a, "derivative": d, "potential": p}.
      function Fields(line, field) {
        if (sub(/^\{"angle": /, "", line)) {
          sub(/\},?$/, "", line)
          gsub(/, "(derivative|potential)": /, "\t", line)
        }
        return split(line, field, /[\t,]/)
      }
      BEGIN {
        gsub(",", ".", precision); threshold = precision / 10
        while ((getline l < linuxFile) > 0) {
          n++
          if ((getline w < windowsFile) <= 0) { print "line " n " only on Linux: " l; exit 1 }
          if (l == w) continue
          fields = Fields(l, a); Fields(w, b)
          if (n == 1 || fields != 3 || a[1] != b[1] || a[3] != b[3] ||
              !(Magnitude(a[2] - b[2]) < threshold)) {
            print "line " n ": Linux \"" l "\", Windows \"" w "\""; exit 1
          }
        }
        if ((getline w < windowsFile) > 0) { print "line " n + 1 " only on Windows: " w; exit 1 }
        print n
      }'); then
    rowCount=$((rowCount + rows))
  else
    problems+=("stdout differs, $rows")
  fi

  if [ ${#problems[@]} -gt 0 ]; then
    failed=$((failed + 1))
    echo "FAILED: zelmara-scan $line"
    printf '  %s\n' "${problems[@]}"
  fi
done <"$cases"

echo "$caseCount cases, $rowCount lines of output compared; $failed differ"
[ "$caseCount" -gt 0 ] && [ "$failed" -eq 0 ]
