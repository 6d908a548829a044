# Shared by scripts/run and scripts/test: installs what the build needs on
# Debian and builds the programs in build/.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$root_dir/build"
sanitize_dir="$root_dir/build-sanitize"

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# New build trees are made for Ninja, which starts a test's compile while the
# libraries it links are still being built and keeps both cores busy; a tree
# made earlier keeps its generator.
export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"

# A compiler cache makes a second build of the same sources (another
# checkout, the sanitized build after a clean) take seconds, not minutes.
# Paths inside the checkout count relative to it, so two checkouts share.
export CCACHE_BASEDIR="$root_dir" CCACHE_NOHASHDIR=1
# The core tests share a precompiled header; the cache may use it as long as
# it compares the header's contents, not its time stamp.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:+$CCACHE_SLOPPINESS,}pch_defines,time_macros"
cache_launcher() {
    command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    return 0
}

build_all() {
    install_missing cmake g++ ninja-build ccache qt6-base-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core poppler-utils \
        pkg-config libzip-dev libexpat1-dev libxlsxwriter-dev
    # The accessibility audit runs the real program on a virtual display
    # with its own session bus and reads it as a screen reader would.
    install_missing xvfb xauth dbus-daemon at-spi2-core python3-pyatspi matchbox-window-manager
    # The meet network: its server, JSON and QR codes, and the browser that
    # plays the phones in its tests (playwright-core drives Debian's
    # chromium; no browser is downloaded).
    install_missing libcpp-httplib-dev nlohmann-json3-dev libqrencode-dev chromium iproute2
    # A machine may carry another build of Node.js that brings npm itself and
    # refuses Debian's npm beside it.
    command -v node >/dev/null || install_missing nodejs
    command -v npm >/dev/null || install_missing npm
    (cd "$root_dir/scripts/browser" && npm ci --no-audit --no-fund >/dev/null)
    # Line tables only: enough for a backtrace, a sanitizer report or a
    # breakpoint on a line, and the packages strip even those; the full
    # debug information cost about a seventh of every compile.
    # The programs, the screenshot tool and the benchmarks (so they keep
    # compiling), without the tests: those run in the sanitized build, where
    # they catch more. This tree tests only what is made from it, the
    # packages, and walks through the screenshot tool. A unity build, like
    # the sanitized one (see build_sanitized), in less than half the time;
    # a plain configure, as on Windows, still compiles each source alone.
    cmake -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DKORVANDA_BUILD_TESTS=OFF -DCMAKE_UNITY_BUILD=ON \
        $(cache_launcher) >/dev/null
    cmake --build "$build_dir" -j "$(nproc)"
}

# Both programs, windows included, every test, the fuzz corpus replays
# and the soak, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (the packages and the screenshot tool's walk-through
# are tested in build/ only). Any report of either stops the program that made it, so the test
# fails. Qt itself is not instrumented. Targets may be named to build only
# those.
build_sanitized() {
    install_missing cmake g++ lld ninja-build ccache qt6-base-dev zlib1g-dev libgtest-dev libgmock-dev fonts-dejavu-core \
        pkg-config libzip-dev libexpat1-dev libxlsxwriter-dev \
        libcpp-httplib-dev nlohmann-json3-dev libqrencode-dev
    # Unoptimised, with line numbers only: the build is the slow part, the
    # tests run in seconds all the same. A unity build: each library's
    # sources, and the tests of each test program, compiled a few to a
    # file, so the Qt, GoogleTest and standard headers are read once per
    # few sources, not once per source; that leaves a precompiled header
    # nothing to save but its own minute. LLVM's linker links the
    # instrumented programs in a third of the time.
    local flags="-O0 -g1 -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S "$root_dir" -B "$sanitize_dir" -DCMAKE_BUILD_TYPE=None $(cache_launcher) \
        -DKORVANDA_BUILD_BENCH=OFF -DKORVANDA_BUILD_SCREENSHOTS=OFF -DCMAKE_UNITY_BUILD=ON \
        -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined -fuse-ld=lld" >/dev/null
    local targets=()
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$sanitize_dir" -j "$(nproc)" "${targets[@]}"
}

# How the sanitizers report: any finding, a leak included, ends the program
# with an abort. The windows under Qt's offscreen platform need no
# suppressions.
sanitizer_options() {
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}

# What making the packages and testing the installed program need beyond the
# build: dpkg-shlibdeps and file for the package's dependencies, lintian,
# and a virtual display with an accessibility bus to press the buttons.
install_package_tools() {
    install_missing dpkg-dev file lintian xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
}
