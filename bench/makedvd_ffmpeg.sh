#!/bin/bash
# The baseline of bench_makedvd: the slideshow DVD as a well-written ffmpeg
# script makes it, on the same timeline as `sorvel make-dvd`:
#  - every photo fitted into a 16:9 picture of 2048 x 1152 square pixels
#    (black bars beside a 4:3 photo) and panned and zoomed (zoompan) to
#    720 x 576 anamorphic 16:9 over its whole visible time (5 s shown, plus
#    the 1.5 s transition on each side);
#  - 1.5 s cross-fades (xfade) between the photos;
#  - the music resampled to 48 kHz and padded with silence to the video's
#    length;
#  - `-target pal-dvd -aspect 16:9` at 9 Mbit/s with AC-3 stereo at 192 kbit/s, into a
#    DVD program stream;
#  - dvdauthor (a 16:9 title letterboxed on 4:3 sets, and the table of
#    contents), then genisoimage -dvd-video.
#
# usage: makedvd_ffmpeg.sh OUTPUT.iso WORKDIR MUSIC PHOTO...
set -euo pipefail

if [ $# -lt 4 ]; then
    echo "usage: $0 OUTPUT.iso WORKDIR MUSIC PHOTO..." >&2
    exit 2
fi
out=$1
work=$2
music=$3
shift 3
photos=("$@")
n=${#photos[@]}

rm -rf "$work"
mkdir -p "$work"

inputs=()
graph=""
for ((i = 0; i < n; i++)); do
    inputs+=(-i "${photos[i]}")
    # Frames a photo is visible: 8 s, or 6.5 s for the first and the last.
    if ((i == 0 || i == n - 1)); then frames=163; else frames=200; fi
    last=$((frames - 1))
    graph+="[$i:v]scale=2048:1152:force_original_aspect_ratio=decrease,"
    graph+="pad=2048:1152:(ow-iw)/2:(oh-ih)/2,"
    graph+="zoompan=z='1.08+0.08*on/$last'"
    graph+=":x='iw/2-iw/zoom/2+(on/$last-0.5)*iw*0.06'"
    graph+=":y='ih/2-ih/zoom/2+(on/$last-0.5)*ih*0.04'"
    graph+=":d=$frames:s=720x576:fps=25,setsar=64/45,format=yuv420p[p$i];"
done
# Photo i fades in 5 s after the end of photo i-1's own fade-in.
previous=p0
for ((i = 1; i < n; i++)); do
    offset=$(awk "BEGIN { print 5 + ($i - 1) * 6.5 }")
    graph+="[$previous][p$i]xfade=transition=fade:duration=1.5:offset=$offset[x$i];"
    previous=x$i
done
total=$(awk "BEGIN { print $n * 5 + ($n - 1) * 1.5 }")
inputs+=(-i "$music")
graph+="[$n:a]aresample=48000,apad[a]"

ffmpeg -hide_banner -loglevel error -y "${inputs[@]}" -filter_complex "$graph" \
    -map "[$previous]" -map "[a]" -t "$total" \
    -target pal-dvd -aspect 16:9 -b:v 9000k -maxrate 9000k \
    -c:a ac3 -b:a 192k -ac 2 "$work/title.mpg"

export VIDEO_FORMAT=PAL
dvdauthor -o "$work/dvd" -t -v pal+16:9+nopanscan "$work/title.mpg" >"$work/dvdauthor.log" 2>&1
dvdauthor -o "$work/dvd" -T >>"$work/dvdauthor.log" 2>&1
genisoimage -dvd-video -quiet -V "MY_DVD" -o "$out" "$work/dvd"
