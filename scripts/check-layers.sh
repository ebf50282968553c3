#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own, or when a Qt header appears in
# the Qt-free core. The layers, from the bottom:
#
#   rules → records → display → printing → platform → widgets → control → tools (and tests)
#
# A file of src/LAYER may include its own layer and those below it. rules, records, display and
# printing use the standard library only. Outside src: tools/, bench/ and tests/ may include any
# layer; the tests of the core (tests/rules, records, display, printing), the shared test helpers
# (tests/support, but for its Qt mains in tests/support/qt) and the fuzz targets (fuzz/, built
# with the core alone) may include only the core and no Qt header, and so may the C++ of the web
# element (web/, built with emscripten). Nothing in src includes a file from outside src.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(rules records display printing platform widgets control)
core_top=3  # printing: the highest layer of the Qt-free core

# The rank of a layer name, or nothing when it names no layer.
rank_of() {
    local i
    for i in "${!layers[@]}"; do
        if [ "${layers[$i]}" = "$1" ]; then
            echo "$i"
            return
        fi
    done
}

# PATH with its "." and ".." segments resolved (the path need not exist).
normalize() {
    local part out=()
    local IFS=/
    for part in $1; do
        case "$part" in
            '' | .) ;;
            ..) [ ${#out[@]} -gt 0 ] && unset 'out[${#out[@]}-1]' ;;
            *) out+=("$part") ;;
        esac
    done
    echo "${out[*]}"
}

# What a file may include: "RANK QTFREE OWN", the highest layer's rank, 1 when it must stay free
# of Qt, and its own layer ("core" for the core's tests and the fuzz targets, "any" for the rest).
limits_of() {
    local file=$1 top rest sub rank
    top=${file%%/*}
    rest=${file#*/}
    sub=${rest%%/*}
    case "$top" in
        src)
            rank=$(rank_of "$sub")
            if [ -z "$rank" ]; then
                echo "-1 0 none"
            elif [ "$rank" -le "$core_top" ]; then
                echo "$rank 1 $sub"
            else
                echo "$rank 0 $sub"
            fi
            ;;
        fuzz | web) echo "$core_top 1 core" ;;
        tests)
            rank=$(rank_of "$sub")
            if { [ -n "$rank" ] && [ "$rank" -le "$core_top" ]; } ||
                { [ "$sub" = support ] && [[ "$rest" != support/qt/* ]]; }; then
                echo "$core_top 1 core"
            else
                echo "99 0 any"
            fi
            ;;
        *) echo "99 0 any" ;;
    esac
}

failures=0
checked=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

while IFS= read -r file; do
    [ -f "$file" ] || continue
    read -r limit qt_free own <<<"$(limits_of "$file")"
    if [ "$own" = none ]; then
        fail "$file: is in no layer; add its folder to scripts/check-layers.sh and the code map"
        continue
    fi
    checked=$((checked + 1))
    dir=$(dirname "$file")
    while IFS=: read -r line text; do
        header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1/' <<<"$text")
        if [ "$qt_free" = 1 ] && [[ "$header" =~ ^(Q[A-Za-z0-9]*|Qt[A-Za-z]*/.*|q[a-z0-9_]*\.h)$ ]]; then
            fail "$file:$line: includes <$header>, a Qt header, in the Qt-free core"
            continue
        fi
        # Where the header is: beside the file, below src/ or below tests/ (the include roots).
        target=""
        if [[ "$text" == *\"* ]] && [ -f "$dir/$header" ]; then
            target=$(normalize "$dir/$header")
        elif [ -f "src/$header" ]; then
            target=$(normalize "src/$header")
        elif [ -f "tests/$header" ]; then
            target=$(normalize "tests/$header")
        elif [ -n "$(rank_of "${header%%/*}")" ] && [[ "$header" == */* ]]; then
            target=$(normalize "src/$header")  # a layer's header that does not exist (yet)
        fi
        [ -n "$target" ] || continue
        if [[ "$file" == src/* && "$target" != src/* ]]; then
            fail "$file:$line: includes \"$header\" from $target; code in src includes only src"
            continue
        fi
        [[ "$target" == src/* ]] || continue
        sub=${target#src/}
        rank=$(rank_of "${sub%%/*}")
        [ -n "$rank" ] || continue
        if [ "$rank" -gt "$limit" ] && [ "$own" = core ]; then
            fail "$file:$line: includes \"$header\" of ${layers[$rank]}; this file may use only the Qt-free core"
        elif [ "$rank" -gt "$limit" ]; then
            fail "$file:$line: includes \"$header\" of ${layers[$rank]}, a layer above $own"
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" || true)
done < <(git ls-files --cached --others --exclude-standard -- 'src/*' 'tests/*' 'bench/*' 'fuzz/*' \
    'tools/*' 'web/*' | grep -E '\.(h|hpp|cpp|cc)$' | sort -u)

if [ "$failures" -gt 0 ]; then
    echo "layers: $failures include(s) break the layers (see the code map in README.md)"
    exit 1
fi
echo "layers: every include of $checked files keeps to its layer"
