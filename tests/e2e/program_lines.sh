# What an end-to-end test reads of the lines its program prints into $log: the lines since
# a mark, and a bounded wait for one of them. Sourced by the tests, which define fail and
# set pid once the program runs; a wait ends early when the program has gone.
mark_at=0
mark() { mark_at=$(wc -l <"$log"); }
since_mark() { tail -n +"$((mark_at + 1))" "$log" | tr -d '\r'; }

# Waits until a line printed since the mark matches the pattern (extended regex).
wait_for() {
  local pattern=$1 seconds=${2:-20} i
  for ((i = 0; i < seconds * 10; i++)); do
    since_mark | grep -qE -- "$pattern" && return 0
    [ -z "${pid:-}" ] || kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  since_mark | grep -qE -- "$pattern" && return 0
  fail "expected a line matching /$pattern/ within ${seconds}s, got none"
}
