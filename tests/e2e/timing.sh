#!/usr/bin/env bash
# Quiet when idle, on time when busy. With Sound on, a bet and a deal make sounds; once they have
# ended, the program sleeps: no thread of it runs for 10 s. With Sound off, the steps of the deal
# and of a card's flight come when their timers say, to the millisecond, each from one wake-up.
. "$(dirname "$0")/lib.sh"

# Context switches of all the program's threads so far.
switches() {
  cat /proc/"$app"/task/*/status 2>/dev/null |
    awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}
audio_threads() { cat /proc/"$app"/task/*/comm 2>/dev/null | grep -c '^SDLAudio'; }

# Sound on: " 1 BET" and DEAL/DRAW play their sounds, and the audio device runs while they do.
write_ini Sound=1
open_table
tap bet "$main"
sleep 0.1
same "audio threads while the bet's sound plays" "$(audio_threads)" 1
sleep 0.5
tap deal "$main"
sleep 4 # the deal, its sounds, and the device closed after them
same "audio threads once the sounds have ended" "$(audio_threads)" 0
before=$(switches)
sleep 10
same "context switches of the idle program in 10 s" "$(($(switches) - before))" 0
quit
same "exit status after QUIT" "$status" 0

# Sound off, traced: the main thread's writes to the display, its waits and the arming of its
# kernel timer. Each repaint is a burst of writes to the X connection; its step began when the
# main thread last woke up for a timer: from a wait (a poll of more than 2 ms) that ran out, or
# that ended with only kernel timers ready. A step does its work and then arms the next; the last
# arming before a step gives its deadline. Prints, for each step after the first between two
# moments, "delay+late/wake-ups": the milliseconds from the step before to the deadline, how late
# after the deadline the step woke, and the timer wake-ups it took.
steps() { # FROM UNTIL
  python3 - "$work/trace.$tracee" "$1" "$2" <<'EOF'
import re, sys
trace, start, until = sys.argv[1], float(sys.argv[2]), float(sys.argv[3])
timers, wakes, steps, arms, last = set(), [], [], [], None
for line in open(trace):
    m = re.match(r'([\d.]+)\s+(\w+)\((.*) = (-?\d+)(.*)<([\d.]+)>$', line)
    if not m:
        continue
    at, call, result, took = float(m[1]), m[2], int(m[4]), float(m[6])
    if call == 'timerfd_create':
        timers.add(result)
    if not start <= at + took <= until:
        continue
    value = re.search(r'it_value=\{tv_sec=(\d+), tv_nsec=(\d+)\}', m[3])
    if call == 'timerfd_settime' and value and (int(value[1]) or int(value[2])):
        arms.append(at + int(value[1]) + int(value[2]) / 1e9)
    ready = {int(fd) for fd in re.findall(r'fd=(\d+), revents', m[5])}
    if call in ('poll', 'ppoll') and took > 0.002 and ready <= timers:
        wakes.append(at + took)
    elif call in ('writev', 'sendmsg'):
        if (last is None or at - last > 0.015) and wakes:
            steps.append((wakes[-1], len(wakes)))
        last = at
out = []
for a, b in zip(steps, steps[1:]):
    # The last arming between the two steps, or none.
    d = next((t for t in reversed(arms) if a[0] < t <= b[0] + 0.001), b[0])
    out.append('%.2f+%.2f/%d' % ((d - a[0]) * 1000, (b[0] - d) * 1000, b[1] - a[1]))
print(' '.join(out))
EOF
}
# DELAYS MEASURED: the last steps measured are the delays: each step's deadline lies that many
# milliseconds after the step before, plus up to the 2 ms of work the step may do before it arms
# the next; it wakes within 1 ms of its deadline, from one wake-up. What comes before them (the
# click, the first step of a chain) is not timed.
on_time() {
  python3 - "$1" "$2" <<'EOF'
import re, sys
want, got = [float(d) for d in sys.argv[1].split()], sys.argv[2].split()
got = [re.match(r'([\d.]+)\+(-?[\d.]+)/(\d+)', g).groups() for g in got[len(got) - len(want):]] \
    if len(got) >= len(want) else []
sys.exit(0 if got and all(d <= float(delay) < d + 2 and -0.1 <= float(late) < 1 and n == '1'
                          for d, (delay, late, n) in zip(want, got)) else 1)
EOF
}
# A deal, then a card played onto the empty pile from slot 0: six steps of flight and the refill.
traced_game() {
  start_app strace -ff -qq --seccomp-bpf -ttt -T -o "$work/trace" \
    -e trace=poll,ppoll,writev,sendmsg,timerfd_create,timerfd_settime
  main=$(window '^Quaxel\? - \[Ann\]$' 20)
  tracee=$(tr -d " " </proc/"$app"/task/"$app"/children) # the traced program
  xdotool windowactivate --sync "$main"
  press bet "$main"
  sleep 0.5
  local dealt played ended
  dealt=$(date +%s.%N)
  tap deal "$main"
  sleep 2
  played=$(date +%s.%N)
  tap select0 "$main"
  sleep 1
  ended=$(date +%s.%N)
  quit
  deal=$(steps "$dealt" "$played")
  play=$(steps "$played" "$ended")
  echo "steps (ms/wake-ups): deal $deal; flight and refill $play"
}
# The step after a long one comes late by what that step did before it armed its timer, and on a
# busy machine the program may wait for a processor (a step 3 ms late once in a few games when
# two builds run beside it): up to eight tries.
write_ini Sound=0
for try in 1 2 3 4 5 6 7 8; do
  traced_game
  on_time "200 200 200 200" "$deal" && on_time "30 30 30 30 30 100 50" "$play" && break
done
check "deal: the cards 200 ms apart" on_time "200 200 200 200" "$deal"
check "flight: 30 ms steps, the back 100 ms after the arrival, the card 50 ms after the back" \
  on_time "30 30 30 30 30 100 50" "$play"

finish
