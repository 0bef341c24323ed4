#!/usr/bin/env bash
# The cost of the costliest recordings the recordings folder may hold, at every
# rate: each one stands in for the band noise (looped) and for a teleprinter
# recording (played once), and `zenka render` writes 3 s of what the listener
# hears. Prints the processor time (user and system; steadier than the wall
# time on a busy machine) and the peak resident memory of the whole process.
#
#   bench/recording_cost.sh [build/app/zenka]
#
# The files are as long as the bounds let them be: 120 s, or 64 MiB on disk, or
# 5.76 million frames, whichever is shortest. Needs sox and GNU time.
set -euo pipefail
zenka="$(realpath "${1:-build/app/zenka}")"
fone="$(dirname "$zenka")/fone"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

render() { # NAME FREQ
  local user system peak
  read -r user system peak < <(
    ZENKA_FONE="$work/fone" /usr/bin/time -f "%U %S %M" "$zenka" render --freq "$2" \
      --at 2026-12-08T06:13:02Z --seconds 3 --out "$work/out.wav" 2>&1 >/dev/null | tail -n 1)
  printf "%-28s %6.2f s %7.1f MB\n" "$1" "$(echo "$user + $system" | bc -l)" \
    "$(echo "$peak / 1024" | bc -l)"
}

mkdir -p "$work/fone"
cp "$fone"/* "$work/fone/"
render "the recordings as built" 20.9
for channels in 1 2; do
  for rate in 200 8000 11025 22050 44100 48000 96000 192000; do
    frames=$((rate * 120))
    [ "$frames" -gt 5760000 ] && frames=5760000
    bytes_frames=$(((64 * 1024 * 1024 - 44) / (2 * channels)))
    [ "$frames" -gt "$bytes_frames" ] && frames=$bytes_frames
    seconds=$(echo "$frames / $rate" | bc -l)
    cp "$fone"/* "$work/fone/"
    sox -n -r "$rate" -c "$channels" -b 16 "$work/fone/test.wav" synth "$seconds" whitenoise vol 0.3
    cp "$work/fone/test.wav" "$work/fone/noise.wav"
    render "noise   $rate Hz x $channels" 500
    cp "$fone/noise.wav" "$work/fone/noise.wav"
    mv "$work/fone/test.wav" "$work/fone/rtt-002.wav"
    render "once    $rate Hz x $channels" 20.9
  done
done
