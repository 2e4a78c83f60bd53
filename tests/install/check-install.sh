#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what others rely on there: the layout,
# a program built against Wirelink32 through find_package and through pkg-config, and
# kilnward-cli running on the installed data with the user's files outside the prefix.
# usage: check-install.sh BUILD_DIR CONSUMER_SOURCE_DIR VERSION
set -euo pipefail
build=$1 consumer=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log"
libdir=$(cd "$prefix" && dirname "$(find . -name 'libWirelink32.so' | head -1)")

fail() { echo "check-install: $*" >&2; exit 1; }
for path in bin/Kilnward bin/kilnward-cli bin/kilnward-sim \
  "$libdir/libWirelink32.so" "$libdir/cmake/Wirelink32/Wirelink32Config.cmake" \
  "$libdir/cmake/Wirelink32/Wirelink32ConfigVersion.cmake" "$libdir/pkgconfig/Wirelink32.pc" \
  include/wirelink/Wirelink.h share/kilnward/Param.ini share/kilnward/Language.mdb \
  share/kilnward/Default.cf1 share/kilnward/520p.cfg share/kilnward/TIPENG.TXT \
  share/applications/org.kilnward.Kilnward.desktop \
  share/icons/hicolor/scalable/apps/org.kilnward.Kilnward.svg \
  share/metainfo/org.kilnward.Kilnward.metainfo.xml \
  share/man/man1/kilnward.1.gz share/man/man1/kilnward-cli.1.gz share/man/man1/kilnward-sim.1.gz; do
  [ -e "$prefix/$path" ] || fail "$path is not installed"
done
[ ! -e "$prefix/bin/Param.ini" ] || fail "data installed next to the programs"

expected=$'02 01 0A 03 00 00 00 EF FF\nNVWirelink.Wirelink'
cmake -S "$consumer" -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_RPATH="$prefix/$libdir" > "$work/consumer.log" || { cat "$work/consumer.log"; fail "find_package(Wirelink32) failed"; }
cmake --build "$work/consumer" > "$work/consumer-build.log" || { cat "$work/consumer-build.log"; fail "consumer does not build"; }
out=$("$work/consumer/wirelink-consumer")
[ "$out" = "$expected" ] || fail "consumer printed: $out"

export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
[ "$(pkg-config --modversion Wirelink32)" = "$version" ] || fail "pkg-config version"
# shellcheck disable=SC2046
c++ -std=c++20 "$consumer/main.cpp" -o "$work/pc-consumer" $(pkg-config --cflags --libs Wirelink32) \
  -Wl,-rpath,"$prefix/$libdir" || fail "consumer does not build with pkg-config"
[ "$("$work/pc-consumer")" = "$expected" ] || fail "pkg-config consumer output"

# The installed programs: no Param.ini beside them, so the data comes from share/kilnward
# and the user's files go to the configuration folder.
cli=$prefix/bin/kilnward-cli
export XDG_CONFIG_HOME=$work/config HOME=$work/home
unset KILNWARD_HOME
[ "$("$cli" --version)" = "kilnward-cli $version" ] || fail "kilnward-cli --version"
[ "$("$prefix/bin/kilnward-sim" --version)" = "kilnward-sim $version" ] || fail "kilnward-sim --version"
head -c 2048 /dev/urandom > "$work/base.bin"
"$cli" encode --model 10 --base "$work/base.bin" --out "$work/sector.bin" || fail "encode with the installed defaults"
"$cli" decode --model 10 --image "$work/sector.bin" --out-dir "$work/decoded" || fail "decode"
[ -s "$work/decoded/configuration.cfg" ] || fail "decode wrote no configuration"
echo "installed layout, find_package, pkg-config and the installed kilnward-cli work"
