#!/usr/bin/env bash
# Installs what is missing, builds, and makes the sample album with no screen needed: the
# shipped sample photos, the sample song and its lyric file, through lumora-script (the real
# program under Qt's offscreen platform), as DVD at 1280 x 720 into out/.
# `bash tools/demo.sh VCD` (or SVCD, DVD, AVI, MP4, WMV, MOV) picks the type. Prints the
# file's path, length and streams and the making speed, and saves three of its frames as PNG
# files beside it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
type=${1:-DVD}
case "$type" in
  VCD) command=Button12Click ext=mpg ;;
  SVCD) command=Button13Click ext=mpg ;;
  DVD) command=Button14Click ext=mpg ;;
  AVI) command=Button15Click ext=avi ;;
  MP4) command=Button42Click ext=mp4 ;;
  WMV) command=Button43Click ext=wmv ;;
  MOV) command=Button44Click ext=mov ;;
  *) echo "usage: bash tools/demo.sh [VCD|SVCD|DVD|AVI|MP4|WMV|MOV]" >&2; exit 2 ;;
esac
bash "$top/tools/build.sh"
build=${LUMORA_BUILD_DIR:-$top/build}
bin="$build/bin"
out="$top/out"
mkdir -p "$out"
name="sample-$type"
rm -f "$out/$name.$ext" "$out/$name.$ext"-frame*.png

script="$out/make-$type.script"
{
  printf 'files'
  for photo in "$bin"/samples/photos/*.jpg; do printf ' "%s"' "$photo"; done
  printf '\nin Form3\n  run Button2Click\nend\nrun Form2.Button6Click\n'
  printf 'files "%s"\nin Form4\n  run Button2Click\nend\nrun Form2.Button4Click\n' "$bin/yinyuegeciwenjian/春日.mp3"
  printf 'files "%s"\nin Form5\n  run Button2Click\nend\nrun Form2.Button7Click\n' "$bin/yinyuegeciwenjian/春日.lrc"
  printf 'folder "%s"\nin Form24\n  set Edit_xiangce_mingcheng %s\n  run Button5Click\n  run Button2Click\nend\n' "$out" "$name"
  printf 'run Form2.%s\nprint field Form25.Edit_zhizuo_zongzhen_sum\nprint messages\n' "$command"
} > "$script"

start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen "$bin/lumora-script" --time-limit 3600000 "$script" | tee "$out/make-$type.log"
end=$(date +%s.%N)
file="$out/$name.$ext"
if [ ! -s "$file" ]; then
  echo "no album was made (see $out/make-$type.log)" >&2
  exit 1
fi
frames=$(awk -F'\t' '/Edit_zhizuo_zongzhen_sum/ {print $2}' "$out/make-$type.log")
echo
echo "album: $file"
"$bin/lumora-videoinfo" "$file" 400 $((frames / 2)) $((frames - 60))
awk -v f="$frames" -v s="$start" -v e="$end" \
  'BEGIN { printf "making: %d frames in %.1f s (%.1f frames per second, preparation included)\n", f, e - s, f / (e - s) }'
