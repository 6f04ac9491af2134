#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the program (run) or passes all tests (test).
#   ./build.sh run [FILE]   build and start the program with a simulated radio on a port of its
#                           own (opening a data file when given)
#   ./build.sh test         build and run every test
#   ./build.sh test --sanitize   the same, built with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
shift || true
sanitize=0
rest=()
for a in "$@"; do
  case "$a" in
    --sanitize) sanitize=1 ;;
    *) rest+=("$a") ;;
  esac
done

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev libgtest-dev googletest
          poppler-utils xvfb fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

if [ "$sanitize" = 1 ]; then
  builddir=build-sanitize
  extra=(-DZQ_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
  builddir=build
  extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$builddir" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$builddir" -j"$(nproc)"

case "$mode" in
  run)
    # The program starts together with a simulated radio on a pseudo-terminal, mapped to a COM
    # port for this run only, so a newcomer can read and write at once; the real ports stay in
    # the port dialog. The simulated radio keeps its memory in the build directory between runs.
    radio_out=$(mktemp)
    "$builddir/bin/zq410-radiosim" --line-timing --image "$builddir/radio.img" >"$radio_out" &
    radio_pid=$!
    trap 'kill "$radio_pid" 2>/dev/null; rm -f "$radio_out"' EXIT
    for _ in $(seq 50); do [ -s "$radio_out" ] && break; sleep 0.1; done
    "$builddir/bin/zq410" --simulated-port "$(head -n 1 "$radio_out")" ${rest[@]+"${rest[@]}"}
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    if [ "$sanitize" = 1 ]; then
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
      export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    fi
    ctest --test-dir "$builddir" --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run [FILE] | test [--sanitize]" >&2
    exit 2
    ;;
esac
