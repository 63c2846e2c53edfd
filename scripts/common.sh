# Shared by the scripts: the project's root, its packages, and how to get them.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${WHISKERTIME_BUILD:-$ROOT/build}

# Everything the builds and tests need, from Debian.
PACKAGES=(
    cmake ninja-build clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix wine wine64
    xvfb x11-utils imagemagick nsis faketime clang-format clang-tidy
)

# Installs whichever of the packages are missing (needs root on a fresh machine).
ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_native() {
    local dir=$1; shift
    [ -f "$dir/build.ninja" ] || CC=clang CXX=clang++ cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}

configure_win32() {
    local dir=$1; shift
    [ -f "$dir/build.ninja" ] || cmake -S "$ROOT" -B "$dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "$@" >/dev/null
}

# start_private_wine NAME: a Wine prefix and Xvfb of their own under $BUILD/NAME/wine, ended when
# the script exits, and a fresh copy of the build's installation in $BUILD/NAME/installation.
# Sets wine_dir (its wine-run wrapper runs programs there) and copy.
start_private_wine() {
    wine_dir="$BUILD/$1/wine"
    copy="$BUILD/$1/installation"
    mkdir -p "$wine_dir"
    sed "s|@WHISKERTIME_WINE_DIR@|$wine_dir|" "$ROOT/cmake/wine-run.in" > "$wine_dir/wine-run"
    chmod +x "$wine_dir/wine-run"
    "$ROOT/cmake/wine-session.sh" start "$wine_dir" >/dev/null || return 1
    trap '"$ROOT/cmake/wine-session.sh" stop "$wine_dir" >/dev/null' EXIT
    rm -rf "$copy"
    cp -r "$BUILD/win32/Whiskertime" "$copy"
}
