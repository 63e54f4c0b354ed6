#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine (run as root).
# Safe to run again: each step skips what is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
third="$here/build/third_party"
mkdir -p "$third"

# Both cross compilers always; the 64-bit Wine runs every test on any machine, the 32-bit one
# only where the machine runs 32-bit code (below).
# clang and its runtime libraries (libFuzzer among them) build the fuzz targets.
packages=(cmake g++ binutils g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
  libjpeg62-turbo-dev wine wine64 xvfb xauth imagemagick xdotool dpkg-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good clang libclang-rt-14-dev)
command -v npm >/dev/null || packages+=(npm)
src_list=/etc/apt/sources.list.d/tessark-deb-src.sources
if [ ! -f "$src_list" ]; then
  cat > "$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  rm -f "$third/.apt-updated"
fi
# Installs those of the packages that are missing; the package lists are brought up to date
# first (always on the first run).
install_missing() {
  local missing=() p try
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ] && [ -f "$third/.apt-updated" ]; then return 0; fi
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one index now and then: try again, and go on with the
  # lists we have if it keeps failing, since the install below says whether they sufficed.
  for try in 1 2 3 4; do
    if apt-get update -q -o Acquire::Retries=3; then break; fi
    if [ "$try" -lt 4 ]; then sleep $((try * 15)); fi
  done
  touch "$third/.apt-updated"
  if [ ${#missing[@]} -eq 0 ]; then return 0; fi
  # When one architecture's security index is missing, its libraries and the other
  # architecture's cannot be matched in version; the release's own versions always can.
  for try in 1 2 3; do
    if apt-get install -y -q -o Acquire::Retries=3 "${missing[@]}"; then return 0; fi
    if apt-get install -y -q -o Acquire::Retries=3 -t bookworm "${missing[@]}"; then return 0; fi
    if [ "$try" -eq 3 ]; then exit 1; fi
    sleep $((try * 15))
    apt-get update -q -o Acquire::Retries=3 || true
  done
}
install_missing "${packages[@]}"
# 32-bit Wine only where this machine runs 32-bit code. The probe assembles its program with
# the binutils installed above, which a fresh machine lacks before.
if bash "$here/scripts/runs-32bit.sh" >/dev/null; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  install_missing wine32 gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
fi
for arch in i686 x86_64; do
  update-alternatives --set $arch-w64-mingw32-g++ /usr/bin/$arch-w64-mingw32-g++-posix >/dev/null 2>&1 || true
done

# Per Windows architecture, under third_party/<arch>/: libjpeg, cross-built static from
# Debian's source package, and the encoder, a Windows build from the npm registry.
for arch in i686 x86_64; do
  jpeg="$third/$arch/libjpeg"
  if [ ! -f "$jpeg/lib/libjpeg.a" ]; then
    work="$third/$arch/libjpeg-work"
    rm -rf "$work" && mkdir -p "$work/src"
    (cd "$work/src" && apt-get source -q --download-only libjpeg-turbo >/dev/null &&
      dpkg-source -x --no-check ./*.dsc tree >/dev/null)
    cmake -S "$work/src/tree" -B "$work/build" \
      -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
      -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF \
      -DCMAKE_INSTALL_PREFIX="$jpeg" >/dev/null
    cmake --build "$work/build" -j"$(nproc)" --target install >/dev/null
    rm -rf "$work"
  fi

  enc="$third/$arch/encoder/ffmpeg.exe"
  if [ ! -f "$enc" ]; then
    package=@ffmpeg-installer/win32-$([ $arch = i686 ] && echo ia32 || echo x64)
    rm -rf "$third/$arch/encoder" && mkdir -p "$third/$arch/encoder"
    (cd "$third/$arch/encoder" && npm pack -q "$package" >/dev/null &&
      tar -xzf ./*.tgz && cp package/ffmpeg.exe ffmpeg.exe && rm -rf package ./*.tgz)
  fi
done
echo "setup: ready"
