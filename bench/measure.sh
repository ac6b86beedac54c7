# Helpers of the measuring scripts. Sourced, not run.

# cpu_ticks PID: user plus system CPU of a process so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# median, spread: of the numbers on standard input, one a line.
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
spread() { sort -n | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%s-%s", lo, hi}'; }
# rss_kib PID: the resident memory of a process now, in KiB.
rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
# end_processes PID...: ends each process the script started and waits for
# it; one that has already ended is passed over.
end_processes() {
  local pid
  for pid in "$@"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
