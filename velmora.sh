#!/usr/bin/env bash
# Velmora's one entry point for people and for CI:
#   ./velmora.sh start   install what is needed, build, and start Velmora on the bundled data
#   ./velmora.sh test    install what is needed, build, and run the whole test suite
#   ./velmora.sh bench   build and run the benchmarks
#   ./velmora.sh fuzz [SECONDS]   build and run every fuzz target for SECONDS each (default 60)
#   ./velmora.sh package   build the Debian package in build-package/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$root"

packages=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
          fonts-liberation2 libgtest-dev libgmock-dev libbenchmark-dev
          poppler-utils clang libclang-rt-14-dev xvfb xauth locales
          dpkg-dev desktop-file-utils)

install_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The tests check that numbers come out the same under a Spanish desktop's locale.
install_test_locale() {
    locale -a 2>/dev/null | grep -qix 'es_ES.utf8' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo sed -i 's/^# *\(es_ES.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen || echo 'es_ES.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

jobs=$(nproc 2>/dev/null || echo 2)

# configure DIR [cmake options...]: configures once, then only rebuilds what changed.
configure() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

build_main() {
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON "$@"
    cmake --build build -j "$jobs"
}

case "${1:-start}" in
start)
    install_packages
    build_main -DVELMORA_TESTS=OFF
    exec build/bin/velmora "${@:2}"
    ;;
test)
    install_packages
    install_test_locale
    export QT_QPA_PLATFORM=offscreen
    build_main -DVELMORA_TESTS=ON -DVELMORA_BENCH=ON
    ctest --test-dir build --output-on-failure -j "$jobs"
    # The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
    cmake --build build-asan -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j "$jobs"
    # A short run of every fuzz target keeps them building and clean.
    "$0" fuzz 10
    ;;
bench)
    install_packages
    configure build-bench -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON
    cmake --build build-bench -j "$jobs"
    # No display is needed: every Qt part runs on the offscreen platform. A benchmark that fails
    # is named in the table and the others still run.
    export QT_QPA_PLATFORM=offscreen
    summary=$(mktemp)
    failed=()
    for b in build-bench/bin/bench_*; do
        name=$(basename "$b")
        [ "$name" = bench_minimal_window ] && continue  # the start-up's baseline program
        echo "== $name"
        VELMORA_BENCH_SUMMARY="$summary" "$b" || failed+=("$name")
    done
    echo
    awk -F'\t' 'BEGIN { printf "%-62s %8s %8s\n", "measure", "ratio", "goal"; over = 0 }
        { mark = ($2 + 0 <= $3 + 0) ? "" : "  OVER GOAL"; if (mark != "") over++
          printf "%-62s %7.2fx %7.1fx%s\n", substr($1, 1, 62), $2, $3, mark }
        END { printf "%d measures, %d over their goal\n", NR, over }' "$summary"
    rm -f "$summary"
    for name in "${failed[@]}"; do echo "$name FAILED (see its output above)"; done
    [ ${#failed[@]} -eq 0 ]
    ;;
package)
    install_packages
    configure build-package -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_WERROR=ON
    cmake --build build-package -j "$jobs"
    (cd build-package && cpack)
    ls build-package/velmora_*.deb
    ;;
fuzz)
    install_packages
    seconds=${2:-60}
    configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF
    cmake --build build-fuzz -j "$jobs" --target fuzzers
    for f in build-fuzz/bin/fuzz_*; do
        name=$(basename "$f")
        corpus="build-fuzz/corpus/$name"
        mkdir -p "$corpus"
        log="build-fuzz/$name.log"
        if ! "$f" -max_total_time="$seconds" -max_len=65536 "$corpus" tests/fuzz/seeds >"$log" 2>&1; then
            tail -n 60 "$log"
            echo "fuzz target $name failed; the input that broke it is in the current folder" >&2
            exit 1
        fi
        echo "$name: $(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1), no failure"
    done
    ;;
*)
    echo "usage: $0 start|test|bench|package|fuzz [seconds]" >&2
    exit 2
    ;;
esac
