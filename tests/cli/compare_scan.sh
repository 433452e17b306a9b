#!/usr/bin/env bash
# Runs every case of CASES (one argument list a line, quoted as for xargs; # starts a comment)
# through the Linux zelmara-scan and through a Windows zelmara-scan.exe command, and compares
# what they print, checking exactly what tests/cli/scan_cases.txt says is the same on both:
# - exit status, stderr and every line of output are byte-identical, except that
# - in a row of the table or of the grid's JSON the two derivatives, rounding residues whose
#   last digits come from each system's C library, agree within the acceptance threshold
#   (precision / 10), the angle and the potential being identical;
# - in a line of --analyze --json the figures that go through the C library's cos and sin
#   ("V", "relative_V", "height", "d2V", "population") agree within 16 units of rounding
#   (2^-52) of their scale: sum |Vn| for the energies, sum n^2 |Vn| (pi/180)^2 / 2 for d2V,
#   4 + sum |Vn| / RT for a population; every other text of the line (angles, kinds, basins,
#   the echoed coefficients) is identical.
# Prints, for the analysis figures, the largest difference seen in units of that bound. awk runs
# in the C locale, so that it reads "0.5" as a half whatever locale the programs are tested in.
# usage: compare_scan.sh CASES LINUX_SCAN WINDOWS_COMMAND...
set -euo pipefail

cases=$1 linux=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0 caseCount=0 rowCount=0 worst=0
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
  if rows=$(LC_ALL=C awk -v precision="$precision" -v linuxFile="$work/linux.out" -v windowsFile="$work/windows.out" '
      function Magnitude(x) { return x < 0 ? -x : x }
      # The fields of a table row, or of a JSON row {"angle": a, "derivative": d, "potential": p}.
      function Fields(line, field) {
        if (sub(/^\{"angle": /, "", line)) {
          sub(/\},?$/, "", line)
          gsub(/, "(derivative|potential)": /, "\t", line)
        }
        return split(line, field, /[\t,]/)
      }
      # The "key": value pairs of a JSON line of the analysis, in order; a value is a number, a
      # string or a flat array.
      function Pairs(line, key, value,    n) {
        n = 0
        while (match(line, /"[A-Za-z_0-9]+": /)) {
          n++
          key[n] = substr(line, RSTART + 1, RLENGTH - 4)
          line = substr(line, RSTART + RLENGTH)
          match(line, /^(\[[^]]*\]|"[^"]*"|[^,}]*)/)
          value[n] = substr(line, 1, RLENGTH)
          line = substr(line, RLENGTH + 1)
        }
        return n
      }
      # Whether two differing analysis lines agree as promised; sets "worst".
      function AnalysisAgrees(l, w,    n, i, ka, va, kb, vb, bound, ratio) {
        n = Pairs(l, ka, va)
        if (n == 0 || n != Pairs(w, kb, vb)) return 0
        for (i = 1; i <= n; i++) {
          if (ka[i] != kb[i]) return 0
          if (va[i] == vb[i]) continue
          if (!(ka[i] in scale) || va[i] !~ /^-?[0-9]/ || vb[i] !~ /^-?[0-9]/) return 0
          bound = 16 * 2 ^ -52 * scale[ka[i]]
          ratio = Magnitude(va[i] - vb[i]) / bound
          if (ratio > worst) worst = ratio
          if (ratio > 1) return 0
        }
        return 1
      }
      # The scales of the analysis figures, from its first line: {"V": [V1, ...], "temperature_K": T, ...
      function ReadScales(line,    v, count, n, sum, sumSquares) {
        if (!match(line, /^\{"V": \[[^]]*\], "temperature_K": [^,]*/)) return
        count = split(substr(line, 8, index(line, "]") - 8), v, /, /)
        for (n = 1; n <= count; n++) { sum += Magnitude(v[n]); sumSquares += n * n * Magnitude(v[n]) }
        sub(/.*"temperature_K": /, "", line); sub(/,.*/, "", line)
        scale["V"] = scale["relative_V"] = scale["height"] = sum
        scale["d2V"] = sumSquares * (3.141592653589793 / 180) ^ 2 / 2
        scale["population"] = 4 + sum / (8.314462618 / 4184 * line)
      }
      BEGIN {
        gsub(",", ".", precision); threshold = precision / 10
        while ((getline l < linuxFile) > 0) {
          n++
          if ((getline w < windowsFile) <= 0) { print "line " n " only on Linux: " l; exit 1 }
          if (n == 1) ReadScales(l)
          if (l == w) continue
          if (n > 1 && ("V" in scale)) {
            if (AnalysisAgrees(l, w)) continue
            print "line " n ": Linux \"" l "\", Windows \"" w "\""; exit 1
          }
          fields = Fields(l, a); Fields(w, b)
          if (n == 1 || fields != 3 || a[1] != b[1] || a[3] != b[3] ||
              !(Magnitude(a[2] - b[2]) < threshold)) {
            print "line " n ": Linux \"" l "\", Windows \"" w "\""; exit 1
          }
        }
        if ((getline w < windowsFile) > 0) { print "line " n + 1 " only on Windows: " w; exit 1 }
        print n + 0, worst + 0
      }'); then
    rowCount=$((rowCount + ${rows% *}))
    worst=$(LC_ALL=C awk -v a="$worst" -v b="${rows#* }" 'BEGIN { print (b > a ? b : a) }')
  else
    problems+=("stdout differs, $rows")
  fi

  if [ ${#problems[@]} -gt 0 ]; then
    failed=$((failed + 1))
    echo "FAILED: zelmara-scan $line"
    printf '  %s\n' "${problems[@]}"
  fi
done <"$cases"

echo "$caseCount cases, $rowCount lines of output compared; $failed differ;" \
     "largest difference of an analysis figure: $worst of its bound"
# Every case must have run: an error that ends the loop early must not pass for success.
expected=$(grep -cvE '^[[:space:]]*(#|$)' "$cases")
[ "$caseCount" -gt 0 ] && [ "$caseCount" -eq "$expected" ] && [ "$failed" -eq 0 ]
