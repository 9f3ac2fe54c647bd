# Shared by the project's scripts: the Debian packages each needs, and the builds.
# shellcheck shell=bash

DOORTRIM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# What building and running the two programs needs, and nothing more (./scripts/run).
DOORTRIM_RUN_PACKAGES=(
  g++ cmake ninja-build pkg-config gzip
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  fonts-dejavu-core
  qt6-translations-l10n
)
# The test tool chain besides (./scripts/test, fuzz, soak, bench, gui-soak): GoogleTest and
# Google Benchmark; a session bus for the macro tests; the tools the install and print tests
# call; and clang and LLVM for the fuzz targets and the sanitizers' symbolised stack traces.
# The plain suite needs only the first list, so ./scripts/test installs the compilers while
# the plain build runs.
DOORTRIM_SUITE_PACKAGES=(
  "${DOORTRIM_RUN_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  dbus
  desktop-file-utils shared-mime-info groff-base poppler-utils
)
DOORTRIM_TOOLCHAIN_PACKAGES=(clang libclang-rt-14-dev llvm)
DOORTRIM_TEST_PACKAGES=("${DOORTRIM_SUITE_PACKAGES[@]}" "${DOORTRIM_TOOLCHAIN_PACKAGES[@]}")
# What making the Debian package and checking it needs besides (./scripts/package).
DOORTRIM_PACKAGE_PACKAGES=(
  "${DOORTRIM_RUN_PACKAGES[@]}"
  dpkg-dev file lintian
)

# Installs whatever of the given packages is missing (apt-get update once, then install).
ensure_packages() {
  local missing=()
  local pkg
  local installed
  # One query for all of them: a run with nothing missing starts at once.
  installed="$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null |
    sed -n 's/^\([^ ]*\) install ok installed$/\1/p')"
  for pkg in "$@"; do
    if ! grep -qxF "$pkg" <<<"$installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "error: these Debian packages are missing and I am not root: ${missing[*]}" >&2
      return 1
    fi
  fi
  # The package lists are read once a run, not once a call.
  if [ -z "${DOORTRIM_APT_UPDATED:-}" ]; then
    $sudo apt-get update -qq
    export DOORTRIM_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures the given build folder (relative to the source tree) with the given CMake
# arguments, unless it was last configured with exactly these: a second run then goes
# straight to ninja, which configures again by itself when a CMakeLists.txt has changed.
configure_project() {
  local dir="$DOORTRIM_ROOT/$1"
  shift
  local stamp="$dir/doortrim-configured-with"
  local wanted
  wanted="$(printf '%s\n' "$@")"
  if [ -f "$dir/build.ninja" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    return 0
  fi
  rm -f "$stamp"
  cmake -S "$DOORTRIM_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  printf '%s\n' "$wanted" >"$stamp"
}

# Configures (see configure_project) and builds into the given folder (default build/), with
# extra CMake arguments.
build_project() {
  local dir="${1:-build}"
  shift || true
  configure_project "$dir" "$@"
  cmake --build "$DOORTRIM_ROOT/$dir" -j"$(nproc)"
}

# The plain build of the checking scripts: Release (-O3) as users run it, with the tests and
# benchmarks, warnings as errors.
# Each test program runs whole, in a few shards (tests/CMakeLists.txt): run one test with the
# program itself, e.g. build/tests/gui/doortrim_gui_tests --gtest_filter='MainWindow*'.
DOORTRIM_PLAIN_BUILD_ARGS=(-DCMAKE_BUILD_TYPE=Release -DDOORTRIM_WERROR=ON -DDOORTRIM_TESTS=ON
  -DDOORTRIM_BENCH=ON -DDOORTRIM_WHOLE_TEST_PROGRAMS=ON)

# Configures and builds the libFuzzer targets with clang into build-fuzz/ (core only, no Qt).
build_fuzz_targets() {
  CC=clang CXX=clang++ configure_project build-fuzz -DDOORTRIM_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOORTRIM_WERROR=ON
  cmake --build "$DOORTRIM_ROOT/build-fuzz" -j"$(nproc)"
}

# Makes every sanitizer report fatal (for the tests of build-asan/ and for the test discovery
# that runs before them). tests/lsan.supp lists the only leaks tolerated: one-time
# allocations of third-party libraries.
export_sanitizer_options() {
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$DOORTRIM_ROOT/tests/lsan.supp:print_suppressions=0"
}
