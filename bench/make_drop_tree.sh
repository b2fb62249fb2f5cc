#!/usr/bin/env bash
# Makes the drop benchmark's tree: 500 folders (20 at the top, 24 below
# each), 100 files in each, 10 of them with media extensions in mixed case:
# 50,000 files, 5,000 of them media.
#   bench/make_drop_tree.sh DIR
set -euo pipefail
dir=${1:?usage: make_drop_tree.sh DIR}
if [[ -e "$dir" ]]; then
    echo "$dir exists; remove it first" >&2
    exit 1
fi
media=(mpg AVI mov Mp3 rmp dat ASF wav mpeg RA)
other=(txt jpg nfo JPG png srt cue log ini)
fill() {
    local folder=$1 names=() i
    for ((i = 0; i < 10; i++)); do
        names+=("$folder/Track $((RANDOM % 1000)) $i.${media[i]}")
    done
    for ((i = 0; i < 90; i++)); do
        names+=("$folder/file_$((RANDOM % 100))_$i.${other[i % 9]}")
    done
    mkdir -p "$folder"
    touch "${names[@]}"
}
for ((t = 0; t < 20; t++)); do
    top="$dir/Folder $t"
    fill "$top"
    for ((s = 0; s < 24; s++)); do
        fill "$top/sub$s"
    done
done
echo "files: $(find "$dir" -type f | wc -l), media: $(find "$dir" -type f -iregex '.*\.\(mpg\|avi\|mov\|mp3\|rmp\|dat\|asf\|wav\|mpeg\|ra\|wma\)' | wc -l), folders: $(find "$dir" -mindepth 1 -type d | wc -l)"
