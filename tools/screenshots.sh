#!/usr/bin/env bash
# Takes screenshots of the main window with a sample codeplug under Xvfb, in English and in
# Chinese: docs/screenshot-English.png and docs/screenshot-Chinese.png.
#   tools/screenshots.sh [build directory]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
builddir=${1:-build}

packages=(xvfb xdotool imagemagick fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
if [ ! -x "$builddir/bin/zq410" ] || [ ! -x "$builddir/bin/zq410-cli" ]; then
  cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$builddir" --target zq410 zq410-cli zq410data
fi

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p docs

# Types one channel into the current row, starting in its RX cell: RX, TX, decode tone, encode
# tone, then back to the RX cell of the next row.
channel() {
  xdotool type --delay 30 "$1"; xdotool key Return
  xdotool key Right; xdotool type --delay 30 "$2"; xdotool key Return
  xdotool key Right; sleep 0.2; xdotool type --delay 30 "$3"; xdotool key Return
  xdotool key Right; sleep 0.2; xdotool type --delay 30 "$4"; xdotool key Return
  xdotool key Down Left Left Left
  sleep 0.2
}

shot() {
  local language=$1 index=$2
  local dir="$work/$language"
  mkdir -p "$dir"
  cp "$builddir/bin/zq410" "$builddir/bin/English.Ini" "$builddir/bin/Chinese.Ini" "$dir/"
  printf '[SysInfo]\nLanguage=English|Chinese\nEnglish=English|Chinese\nDefaultLanguage=%s\nCom=Com1\nHelp=QM\nPicID=0\n' \
    "$index" >"$dir/SysInfo.Ini"
  "$builddir/bin/zq410-cli" new -o "$dir/sample.dat" >/dev/null
  "$dir/zq410" "$dir/sample.dat" >/dev/null 2>&1 &
  app_pid=$!
  xdotool search --sync --onlyvisible --name "ZQ-410" >/dev/null
  sleep 1
  # Into the channel table: the RX cell of channel 1.
  xdotool key Escape Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Up Left Left Left Left Left Left Left Left Left
  channel 460.0125 460.0125 88.5 88.5
  channel 461.0250 466.0250 D023N D023N
  channel 462.5625 462.5625 D143N 100
  channel 455.5 455.5 D754i D754i
  channel 465 465 67 67
  sleep 0.5
  import -window root "docs/screenshot-$language.png"
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

shot English 0
shot Chinese 1
echo "Wrote docs/screenshot-English.png and docs/screenshot-Chinese.png"
