#!/usr/bin/env bash
# DemoCardTest.sh MAKE_DEMO_CARD TAVREL_CLI
# Makes the demo card in a temporary folder and checks it the way the player
# will see it: every file parses as a recording with a minute of telemetry,
# every front recording has its partner, the recordings form two groups, the
# lock marks are there, the telemetry describes a drive that holds together,
# and ffmpeg reads every file to its end without an error.
set -uo pipefail

make_demo_card=$1
cli=$2

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

card=$(mktemp -d -t demo-card-test.XXXXXX)
trap 'chmod -R u+w "$card"; rm -rf "$card"' EXIT

if ! "$make_demo_card" "$card"; then
  echo "FAIL: make-demo-card did not make the card (see its message above)" >&2
  exit 1
fi
command -v ffprobe >/dev/null || { echo "FAIL: ffprobe is missing (scripts/setup installs it)" >&2; exit 1; }

field() { sed -n "s/.*\"$2\":\([^,}]*\).*/\1/p" <<<"$1"; }

# The player's name rule: characters 5 to 8 are digits (AVI names are 8.3).
passes_name_rule() { [[ $1 =~ ^[A-Za-z0-9_-]{4}[0-9]{4} ]] && { [[ $1 != *.AVI ]] || [ ${#1} -eq 12 ]; }; }

# The second camera's file: the character before the extension, and the last
# character of the folder, become "R".
partner_of() {
  local folder=${1%/*} name=${1##*/}
  local stem=${name%.*}
  echo "${folder%?}R/${stem%?}R.${name##*.}"
}

mapfile -t fronts < <(find "$card/DCIM/MOVIEF" -type f | sort)
[ ${#fronts[@]} -gt 0 ] || fail "no front recordings in $card/DCIM/MOVIEF"

declare -A start_of length_of
gps_bytes_per_second=$((32 * 10))     # 32-byte records, ten a second
gsensor_bytes_per_second=$((3 * 10))  # 3-byte samples, ten a second
for path in $(find "$card/DCIM" -type f | sort); do
  line=$("$cli" probe "$path")
  name=${path#"$card"/}
  [ "$(field "$line" result)" = 0 ] || { fail "$name does not parse: $line"; continue; }
  duration=$(field "$line" durationMs)
  ((duration >= 59000 && duration <= 60000)) || fail "$name lasts $duration ms, not a minute"
  gps=$(field "$line" gpsSize)
  ((gps == duration / 1000 * gps_bytes_per_second)) || fail "$name has $gps bytes of GPS for $duration ms"
  gsensor=$(field "$line" gsensorSize)
  ((gsensor == duration / 1000 * gsensor_bytes_per_second)) ||
    fail "$name has $gsensor bytes of G-sensor for $duration ms"
  [ "$(field "$line" gpsRate)" = 10 ] && [ "$(field "$line" gsensorInfo)" = 10 ] || fail "$name: rates $line"
  start_of[$path]=$(field "$line" startTime)
  length_of[$path]=$(field "$line" durationSeconds)
  [ "${start_of[$path]}" != 0 ] || fail "$name has no start time"
done

for front in "${fronts[@]}"; do
  name=${front##*/}
  passes_name_rule "$name" || fail "front recording $name does not pass the name rule"
  partner=$(partner_of "$front")
  if [ ! -f "$partner" ]; then
    fail "$name has no partner ${partner#"$card"/}"
    continue
  fi
  ! passes_name_rule "${partner##*/}" || fail "partner ${partner##*/} would be listed as a recording of its own"
  [ "${start_of[$partner]:-}" = "${start_of[$front]:-}" ] || fail "${partner##*/} does not start with $name"
done

# Recordings join a group when one starts within 2 s of the previous one's end.
groups=0
previous_end=
while read -r start length; do
  if [ -z "$previous_end" ] || ((start < previous_end - 2 || start > previous_end + 2)); then
    groups=$((groups + 1))
  fi
  previous_end=$((start + length))
done < <(for f in "${fronts[@]}"; do echo "${start_of[$f]:-0} ${length_of[$f]:-0}"; done | sort -n)
[ "$groups" = 2 ] || fail "the front recordings form $groups groups, not 2"

g_locked=0
read_only=0
for front in "${fronts[@]}"; do
  name=${front##*/}
  [ "${name:3:1}" = G ] && g_locked=$((g_locked + 1))
  [[ $(stat -c %A "$front") == ?r-* ]] && read_only=$((read_only + 1))
done
((g_locked >= 1)) || fail "no G-locked front recording"
((read_only >= 1)) || fail "no read-only front recording"

# The drive: positions move as far as the speeds say, headings point along the
# way, the fix is lost for a while somewhere, and somewhere the car brakes hard.
longest_gap=0
hardest=0
for front in "${fronts[@]}"; do
  report=$("$cli" track "$front" | awk -F, '
    function rad(d) { return d * 3.14159265358979 / 180 }
    function problem(text) { if (++problems <= 3) print text }
    /^index,ms,fix/ { part = "gps"; next }
    /^index,ms,x/   { part = "gsensor"; next }
    part == "gps" {
      if ($3 == 1) {
        if ($7 > 130) problem("bad speed " $7 " km/h at record " $1)
        if ($8 < 0 || $8 > 358) problem("bad heading " $8 " at record " $1)
        if (hasPrevious) {
          north = ($4 - lat) * 111320
          east = ($5 - lon) * 111320 * cos(rad(lat))
          metres = sqrt(north * north + east * east)
          expected = ($7 + speed) / 2 / 3.6 / 10
          if (metres - expected > 0.5 || expected - metres > 0.5)
            problem("record " $1 " moved " metres " m at " $7 " km/h")
          if (metres > 1) {
            bearing = atan2(east, north) * 180 / 3.14159265358979
            if (bearing < 0) bearing += 360
            off = bearing - $8; if (off < 0) off = -off; if (off > 180) off = 360 - off
            if (off > 30) problem("record " $1 " heads " $8 " but moves towards " bearing)
          }
        }
        lat = $4; lon = $5; speed = $7; hasPrevious = 1; run = 0
      } else {
        hasPrevious = 0; run++; if (run > gap) gap = run
      }
    }
    part == "gsensor" && $4 < hardest { hardest = $4 }
    END {
      if (problems > 3) print "... and " problems - 3 " more such records"
      printf "gap %d hardest %d\n", gap, hardest * 100
    }')
  while IFS= read -r problem; do
    case $problem in
      gap\ *) read -r _ gap _ g <<<"$problem"
              ((gap > longest_gap)) && longest_gap=$gap
              ((g < hardest)) && hardest=$g ;;
      *) fail "${front##*/}: $problem" ;;
    esac
  done <<<"$report"
done
((longest_gap >= 90)) || fail "no stretch of 9 s without a fix (longest: $longest_gap records)"
((hardest <= -70)) || fail "no hard braking (strongest longitudinal value: $hardest/100 g)"

for path in $(find "$card/DCIM" -type f | sort); do
  name=${path#"$card"/}
  streams=$(ffprobe -v error -count_packets -show_entries stream=codec_type,codec_name,nb_read_packets -of csv=p=0 \
    "$path" 2>"$card/ffprobe.err")
  [ -s "$card/ffprobe.err" ] && fail "$name: ffprobe reports $(head -3 "$card/ffprobe.err")"
  grep -q '^h264,video,[1-9]' <<<"$streams" || fail "$name has no H.264 video: $streams"
  grep -q ',audio,[1-9]' <<<"$streams" || fail "$name has no sound: $streams"
  # Lenient readers find chunks past the end of the RIFF; strict ones do not.
  if [[ $name == *.AVI ]]; then
    riff_size=$(od -An -tu4 -j4 -N4 "$path" | tr -d ' ')
    ((riff_size + 8 == $(stat -c %s "$path"))) || fail "$name: RIFF size $riff_size does not cover the file"
  fi
done
rm -f "$card/ffprobe.err"

if ((failures > 0)); then
  echo "$failures problem(s) with the demo card" >&2
  exit 1
fi
echo "demo card OK"
