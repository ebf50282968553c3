#!/bin/sh
# cmake --install into a folder of its own: every file in its place, and the installed programs
# and library work from there (xvexo reads the sample, the viewer loads the library beside it and
# shows the sample, a C program builds against the header through pkg-config and runs).
# Arguments: the build folder, the library folder below the prefix, and the compiler flags the
# build's own code has (the sanitizers), which a program using its library needs too.
set -eu
Build=$1
LibDir=$2
HostFlags=${3:-}
Prefix=$(mktemp -d "${TMPDIR:-/tmp}/xvexo-install-XXXXXX")
trap 'rm -rf "$Prefix"' EXIT
Fail() {
    echo "install test: $*" >&2
    exit 1
}

cmake --install "$Build" --prefix "$Prefix" >/dev/null
for File in bin/xvexo bin/xvexoview libexec/xvexo/xvexo-draw "$LibDir/libxvexoview.so.1" "$LibDir/libxvexoview.so" \
    include/xvexoview/xvexoview.h include/xvexoview/xvexoview_widget.h \
    include/xvexoview/xvexoview.idl "$LibDir/pkgconfig/xvexoview.pc" \
    share/applications/xvexoview.desktop share/mime/packages/xvexoview.xml \
    share/xvexoview/samples/sample.tag.txt share/xvexoview/samples/SAMPLE.NGF; do
    [ -e "$Prefix/$File" ] || Fail "$File is not installed"
done
grep -q '^MimeType=application/x-xvexo-tag;application/x-xvexo-ngf;' \
    "$Prefix/share/applications/xvexoview.desktop" || Fail "the desktop entry names no record types"

"$Prefix/bin/xvexo" record "$Prefix/share/xvexoview/samples/SAMPLE.NGF" >"$Prefix/record.json" ||
    Fail "the installed xvexo failed"
grep -q '"FormatMode": 2' "$Prefix/record.json" || Fail "xvexo read no NGF record"
QT_QPA_PLATFORM=offscreen "$Prefix/bin/xvexo" render "$Prefix/share/xvexoview/samples/SAMPLE.NGF" \
    -o "$Prefix/board.png" && [ -s "$Prefix/board.png" ] || Fail "the installed xvexo render failed"

XVEXOVIEW_REGISTRY="$Prefix/user.reg" QT_QPA_PLATFORM=offscreen \
    "$Prefix/bin/xvexoview" --screenshot "$Prefix/shot.png" 2>"$Prefix/viewer.err" ||
    Fail "the installed viewer failed: $(cat "$Prefix/viewer.err")"
[ -s "$Prefix/shot.png" ] || Fail "the installed viewer wrote no screenshot"

export PKG_CONFIG_PATH="$Prefix/$LibDir/pkgconfig"
cat >"$Prefix/host.c" <<'HOST'
#include <xvexoview.h>
int main(void) { return DllCanUnloadNow() == XV_S_OK ? 0 : 1; }
HOST
# shellcheck disable=SC2046
cc $HostFlags -o "$Prefix/host" "$Prefix/host.c" $(pkg-config --cflags --libs xvexoview) \
    -Wl,-rpath,"$Prefix/$LibDir" || Fail "a program does not build against the installed library"
"$Prefix/host" || Fail "a program built against the installed library does not run"
echo "install test: passed"
