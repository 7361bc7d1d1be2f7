#!/bin/bash
# The baseline of bench_makevideo: the slideshow as an MP4 file made by a
# well-written ffmpeg script, on the same timeline as `sorvel make-video`:
#  - every photo decoded once and scaled to 2880 x 1620 (1.5 times the
#    output, room for the zoom), then panned and zoomed (zoompan) at the
#    output size, 1920 x 1080, over its whole visible time (5 s shown, plus
#    the 1.5 s transition on each side) at 30 frames a second;
#  - 1.5 s cross-fades (xfade) between the photos;
#  - the music resampled to 48 kHz and padded with silence to the length;
#  - libx264 High profile with the preset and CRF given (sorvel's), yuv420p,
#    BT.709 flags, AAC at 192 kbit/s, +faststart.
#
# usage: makevideo_ffmpeg.sh OUTPUT.mp4 PRESET CRF MUSIC PHOTO...
set -euo pipefail

if [ $# -lt 5 ]; then
    echo "usage: $0 OUTPUT.mp4 PRESET CRF MUSIC PHOTO..." >&2
    exit 2
fi
out=$1
preset=$2
crf=$3
music=$4
shift 4
photos=("$@")
n=${#photos[@]}

inputs=()
graph=""
for ((i = 0; i < n; i++)); do
    inputs+=(-i "${photos[i]}")
    # Frames a photo is visible at 30/s: 8 s, or 6.5 s for the first and last.
    if ((i == 0 || i == n - 1)); then frames=195; else frames=240; fi
    last=$((frames - 1))
    graph+="[$i:v]scale=2880:1620:force_original_aspect_ratio=decrease,pad=2880:1620:(ow-iw)/2:(oh-ih)/2,"
    graph+="zoompan=z='1.08+0.08*on/$last'"
    graph+=":x='iw/2-iw/zoom/2+(on/$last-0.5)*iw*0.06'"
    graph+=":y='ih/2-ih/zoom/2+(on/$last-0.5)*ih*0.04'"
    graph+=":d=$frames:s=1920x1080:fps=30,setsar=1,format=yuv420p[p$i];"
done
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
    -c:v libx264 -preset "$preset" -crf "$crf" -profile:v high -pix_fmt yuv420p \
    -colorspace bt709 -color_primaries bt709 -color_trc bt709 \
    -c:a aac -b:a 192k -ac 2 -movflags +faststart "$out"
