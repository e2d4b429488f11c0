#!/usr/bin/env bash
# Makes the real-muxer fixtures under real/ with ffmpeg and mkvmerge
# (Debian packages ffmpeg and mkvtoolnix), cuts each one short at several
# points, and writes the golden dump beside every file with the tarvok given
# as $1 (default: build/tarvok). Review the dumps before committing them.
# The counts of ffprobe's packets go to real/packets.txt, to be checked
# against the SimpleBlock and Block counts of the dumps.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tarvok=$(realpath "${1:-$here/../../build/tarvok}")
out=$here/real
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$out"

ff() { ffmpeg -nostdin -v error -y "$@"; }
video=(-f lavfi -i testsrc=size=32x24:rate=5:duration=1)
tone=(-f lavfi -i sine=frequency=440:duration=1:sample_rate=48000)

# WebM VP9 + Opus, as a browser or ffmpeg writes it for download.
ff "${video[@]}" "${tone[@]}" -c:v libvpx-vp9 -b:v 20k -c:a libopus -b:a 8k -fflags +bitexact -cluster_time_limit 250 vp9-opus.webm
# Live WebM: Segment and Clusters of unknown size, no Cues.
ff "${video[@]}" "${tone[@]}" -c:v libvpx-vp9 -b:v 20k -c:a libopus -b:a 8k -fflags +bitexact -cluster_time_limit 250 -live 1 -f webm live.webm
# A recorder-shaped WebM: the same file with the Segment and every Cluster of unknown size.
python3 "$here/unknown-sizes.py" vp9-opus.webm recorder.webm
# Opus audio in 2.5 ms frames: many small blocks.
ff "${tone[@]}" -c:a libopus -b:a 6k -frame_duration 2.5 -fflags +bitexact opus-small-blocks.webm
# AV1 in WebM.
ff "${video[@]}" -c:v libaom-av1 -cpu-used 8 -b:v 20k -fflags +bitexact av1.webm

# Matroska with H.264, AAC, SRT subtitles (BlockGroups), chapters, an attachment and tags.
ff "${video[@]}" -c:v libx264 -preset ultrafast -b:v 20k -fflags +bitexact "$work/video.h264.mkv"
ff "${tone[@]}" -c:a aac -b:a 8k -fflags +bitexact "$work/audio.aac.mka"
printf '1\n00:00:00,000 --> 00:00:00,400\nHello\n\n2\n00:00:00,500 --> 00:00:00,900\nWorld\n' > "$work/subs.srt"
printf 'CHAPTER01=00:00:00.000\nCHAPTER01NAME=Start\nCHAPTER02=00:00:00.500\nCHAPTER02NAME=Middle\n' > "$work/chapters.txt"
cat > "$work/tags.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<Tags><Tag><Targets><TargetTypeValue>50</TargetTypeValue></Targets>
<Simple><Name>ARTIST</Name><String>tarvok fixtures</String></Simple></Tag></Tags>
XML
printf 'a small attachment\n' > "$work/note.txt"
# mkvmerge exits 1 for warnings (here: track UIDs renumbered), 2 for errors.
merge() { mkvmerge -q --deterministic 1 "$@" || [ $? -eq 1 ]; }
merge -o full.mkv --chapters "$work/chapters.txt" --global-tags "$work/tags.xml" \
  --attachment-mime-type text/plain --attach-file "$work/note.txt" \
  "$work/video.h264.mkv" "$work/audio.aac.mka" "$work/subs.srt"
# Subtitles alone: BlockGroups with BlockDuration.
merge -o subtitles.mks "$work/subs.srt"

# Cut copies: inside the EBML header, in the middle, one byte short of the end.
for file in vp9-opus.webm live.webm recorder.webm full.mkv; do
  size=$(stat -c %s "$file")
  base=${file%.*} ext=${file##*.}
  head -c 20 "$file" > "$base.cut-header.$ext"
  head -c $((size / 2)) "$file" > "$base.cut-middle.$ext"
  head -c $((size - 1)) "$file" > "$base.cut-last.$ext"
done

for file in *.webm *.mkv *.mks; do "$tarvok" "$file" > "$file.dump"; done

# Block counts: tarvok's folded runs against mkvinfo's blocks; ffprobe's
# packets are frames, so laced blocks count several times there.
{
  echo "# file ffprobe-packets mkvinfo-blocks tarvok-blocks"
  for file in vp9-opus.webm live.webm opus-small-blocks.webm av1.webm full.mkv subtitles.mks; do
    packets=$(ffprobe -v error -count_packets -show_entries stream=nb_read_packets -of csv=p=0 "$file" | paste -sd+ | bc)
    blocks=$(mkvinfo -v "$file" | grep -cE '^\| *\+ (Simple block|Block):')
    dumped=$(grep -E '^ +(SimpleBlock|Block)\(' "$file.dump" | sed 's/.*\.\.\.x//' | paste -sd+ | bc)
    [ "$blocks" = "$dumped" ] || { echo "$file: mkvinfo counts $blocks blocks, tarvok $dumped" >&2; exit 1; }
    echo "$file $packets $blocks $dumped"
  done
} > packets.txt
