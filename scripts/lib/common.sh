# Shared by the project's scripts: the Debian packages the build needs, and the build itself.
# shellcheck shell=bash

DOORTRIM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

DOORTRIM_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  fonts-dejavu-core xvfb xauth dbus
  libglib2.0-bin python3-dbus
  clang libclang-rt-14-dev llvm
  desktop-file-utils shared-mime-info dpkg-dev file gzip groff-base
  poppler-utils
)

# Installs whatever of the given packages is missing (apt-get update once, then install).
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
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
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into the given folder (default build/), with extra CMake arguments.
build_project() {
  local dir="${1:-build}"
  shift || true
  cmake -S "$DOORTRIM_ROOT" -B "$DOORTRIM_ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$DOORTRIM_ROOT/$dir" -j"$(nproc)"
}

# Configures and builds the libFuzzer targets with clang into build-fuzz/ (core only, no Qt).
build_fuzz_targets() {
  CC=clang CXX=clang++ cmake -S "$DOORTRIM_ROOT" -B "$DOORTRIM_ROOT/build-fuzz" -G Ninja \
    -DDOORTRIM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOORTRIM_WERROR=ON >/dev/null
  cmake --build "$DOORTRIM_ROOT/build-fuzz" -j"$(nproc)"
}

# Makes every sanitizer report fatal (for the tests of build-asan/ and for the test discovery
# that runs while it builds). tests/lsan.supp lists the only leaks tolerated: one-time
# allocations of third-party libraries.
export_sanitizer_options() {
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$DOORTRIM_ROOT/tests/lsan.supp:print_suppressions=0"
}
