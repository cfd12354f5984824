#!/usr/bin/env bash
# The committed cues are what the asset maker makes, and they sound as the
# samples they were made from: the maker writes the cues and their WAV files
# into a scratch folder; every committed .ogg must be those bytes, and sox
# (libvorbis, another decoder than the game's) must find it as long as its
# WAV file to the sample and as loud (RMS, all channels) within 1.5 dB.
#   cues_as_made.sh ASSET_MAKER SOURCE_DIR
set -euo pipefail
maker=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# The RMS level of a file in dB, over all its channels (sox's "Overall").
rms() { sox "$1" -n stats 2>&1 | awk 'index($0, "RMS lev dB") == 1 { print $4; exit }'; }
# Sample frames, counted as decoded (not as the headers claim).
frames() { echo $(($(sox "$1" -t raw -e signed -b 16 - | wc -c) / 2 / $(soxi -c "$1"))); }

cues=()
for ogg in "$source_dir"/assets/cues/*.ogg; do cues+=("$(basename "$ogg" .ogg)"); done
((${#cues[@]} == 16)) || fail "${#cues[@]} cues under assets/cues, the game has 16"
# Under AddressSanitizer the maker's font library (fontconfig, through
# SDL_ttf) keeps caches it never frees; they are not this project's leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$maker" --wav "$scratch" "${cues[@]}" >"$scratch/made.txt"

for cue in "${cues[@]}"; do
  ogg="$scratch/cues/$cue.ogg"
  wav="$scratch/cues/$cue.wav"
  cmp -s "$ogg" "$source_dir/assets/cues/$cue.ogg" || fail "$cue.ogg: the committed file is not what the maker makes"
  samples_ogg=$(frames "$ogg")
  samples_wav=$(frames "$wav")
  [ "$samples_ogg" = "$samples_wav" ] || fail "$cue: $samples_ogg samples decoded, the WAV has $samples_wav"
  rms_ogg=$(rms "$ogg")
  rms_wav=$(rms "$wav")
  awk -v a="$rms_ogg" -v b="$rms_wav" 'BEGIN { d = a - b; exit !(d <= 1.5 && d >= -1.5) }' ||
    fail "$cue: $rms_ogg dB RMS decoded, the WAV $rms_wav dB"
  echo "$cue: $samples_ogg samples, RMS $rms_ogg dB (WAV $rms_wav dB)"
done
exit $failed
