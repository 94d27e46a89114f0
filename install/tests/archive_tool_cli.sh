#!/usr/bin/env bash
# archive-tool from outside: every command on real files, and its failures.
#   archive_tool_cli.sh [RUNNER...] ARCHIVE_TOOL WORK_DIR
# RUNNER runs the windows build's tool under Wine; its output lines lose their CR.
set -euo pipefail
work=${*: -1}
command=("${@:1:$#-1}")
tool() { "${command[@]}" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }
rm -rf "$work" && mkdir -p "$work/src" "$work/out" "$work/set" "$work/fromset"
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

seq 1 30000 > src/numbers.txt
head -c 5000 /dev/urandom > src/noise.bin
: > src/empty.txt

tool create files.1 --uid 3 --level fastest src/numbers.txt src/noise.bin
tool create files.1 --append --uid 4 --level none src/empty.txt
list=$(tool list files.1)
[ "$(wc -l <<<"$list")" -eq 3 ] || fail "three entries expected: $list"
first=$(sed -n 1p <<<"$list")
[ "$(cut -f1-3,7-9 <<<"$first")" = "0	3	$(stat -c %s src/numbers.txt)	0	0	src/numbers.txt" ] || fail "first entry: $list"
[ -z "$(cut -f5 <<<"$first")" ] || fail "no version expected"
[[ "$(cut -f6 <<<"$first")" =~ ^[0-9]+\.[0-9]+$ ]] || fail "a day count expected: $first"
[ "$(sed -n 3p <<<"$list" | cut -f2,3)" = "4	0" ] || fail "appended entry: $list"

tool extract files.1 out src/numbers.txt src/noise.bin src/empty.txt
cmp src/numbers.txt out/numbers.txt && cmp src/noise.bin out/noise.bin && [ -f out/empty.txt ] || fail "extracted content"

echo changed > out/numbers.txt
tool extract files.1 out src/numbers.txt --overwrite never
[ "$(cat out/numbers.txt)" = changed ] || fail "--overwrite never replaced the file"

tool span files.1 set files.1 --volume-size 10000
[ -f set/files.3 ] || fail "several volumes expected: $(ls set)"
[ "$(stat -c %s set/files.1)" -eq 10000 ] || fail "a full first volume expected"
tool extract set/files.1 fromset src/noise.bin src/numbers.txt
cmp src/noise.bin fromset/noise.bin && cmp src/numbers.txt fromset/numbers.txt || fail "volume set content"

head -c 777 /dev/urandom > loader.exe
head -c 100 /dev/urandom > setup.1
made=$(tool make-sfx setup.exe loader.exe setup.1 files.1)
[ "$(tool trailer setup.exe)" = "$made" ] || fail "trailer read back"
[ "$(cut -f1-3 <<<"$made")" = "777	876	877" ] || fail "trailer offsets: $made"
mkdir sfx-out
tool extract setup.exe sfx-out src/noise.bin --offset 877
cmp src/noise.bin sfx-out/noise.bin || fail "extraction from the self-extracting file"

set +e
message=$(tool extract files.1 out nothere 2>&1); code=$?
set -e
[ $code -eq 1 ] || fail "a missing entry must fail"
[ "$message" = "archive-tool: The file <nothere> was not found in the archive <files.1>" ] || fail "message: $message"
set +e
head -c 40 /dev/urandom > short.exe
message=$(tool trailer short.exe 2>&1); code=$?
tool frobnicate >/dev/null 2>&1; usage=$?
set -e
[ $code -eq 1 ] && [[ "$message" == *"Could not read the extraction info from the archive file short.exe"* ]] || fail "short file: $message"
[ $usage -eq 2 ] || fail "bad usage must exit with 2"
echo "archive-tool: all commands behave"
