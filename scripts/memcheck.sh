#!/usr/bin/env bash
# Runs each test executable whose name matches under valgrind. Fails on a definite leak or an
# invalid read or write; the suppressions cover the platform's own libraries only.
set -uo pipefail
build=$1
pattern=${2:-tst_}
root=$(cd "$(dirname "$0")/.." && pwd)
logs="$build/memcheck"
mkdir -p "$logs"

status=0
count=0
while IFS= read -r test; do
    name=$(basename "$test")
    count=$((count + 1))
    # Valgrind cannot follow code compiled at run time: regular expressions are interpreted.
    if QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_ENABLE_REGEXP_JIT=0 \
        valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite \
            --show-leak-kinds=definite --error-exitcode=99 --num-callers=30 \
            --suppressions="$root/tests/valgrind.supp" --log-file="$logs/$name.log" \
            "$test" >"$logs/$name.out" 2>&1; then
        echo "clean   $name"
    else
        echo "FAILED  $name (see $logs/$name.log)"
        sed -n '1,60p' "$logs/$name.log"
        grep -A3 '^FAIL!' "$logs/$name.out" | head -40
        status=1
    fi
done < <(find "$build/tests" -type f -executable -name 'tst_*' | grep -E "$pattern" | sort)

[ "$count" -gt 0 ] || { echo "no test matched $pattern"; exit 1; }
echo "$count test programs under valgrind"
exit $status
