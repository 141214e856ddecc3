#!/usr/bin/env bash
# Builds the Debian package from this build and checks it as a school's technician would meet it:
# what it holds, what it depends on, its desktop entry, and the program run from an unpacked copy
# (its data folder checked, its home screen reached offscreen).
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb)

contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/velmora/velmora ./usr/lib/velmora/velmora20_21/cas/textos \
            ./usr/lib/velmora/velmora20_21/euskera/textos ./usr/lib/velmora/velmora20_21/puntos3 \
            ./usr/share/applications/velmora.desktop; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
for size in 16 24 32 48 64 128 256; do
    grep -q " ./usr/share/icons/hicolor/${size}x${size}/apps/velmora.png\$" <<<"$contents" ||
        fail "the package lacks the ${size}x${size} icon"
done
grep -q " ./usr/bin/velmora -> ../lib/velmora/velmora\$" <<<"$contents" ||
    fail "velmora is not on the PATH"

info=$(dpkg-deb -I "$deb")
depends=$(grep '^ Depends:' <<<"$info")
for dep in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$dep" <<<"$depends" || fail "the package does not depend on $dep: $depends"
done
grep -q '^ Section: education$' <<<"$info" || fail "the section is not education"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/velmora.desktop" ||
    fail "the desktop entry is not valid"
for lang in es ca gl eu; do
    grep -q "^Comment\[$lang\]=" "$work/root/usr/share/applications/velmora.desktop" ||
        fail "the desktop entry has no comment in $lang"
done

# The installed program never writes beside itself: its folder is made read-only here.
chmod -R a-w "$work/root/usr/lib/velmora"
"$work/root/usr/bin/velmora" --check-data "$work/root/usr/lib/velmora/velmora20_21" \
    >"$work/check.log" || { cat "$work/check.log"; fail "the installed data folder is not clean"; }
tail -n 1 "$work/check.log" | grep -q ', 0 problemas' || fail "$(tail -n 1 "$work/check.log")"
mkdir -p "$work/home/config" "$work/home/runtime"
chmod 700 "$work/home/runtime"
XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home/runtime" \
    QT_QPA_PLATFORM=offscreen timeout 60 "$work/root/usr/bin/velmora" --measure-startup N 0 \
    >"$work/start.log" 2>&1 || { cat "$work/start.log"; fail "the installed program did not start"; }
chmod -R u+w "$work/root"
echo "package ok: $(basename "$deb")"
