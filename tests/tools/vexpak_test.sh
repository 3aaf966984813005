#!/usr/bin/env bash
# End-to-end test of vexpak: create, list and cat, the archive's readability by other
# zip tools, and the messages and exit codes of failures.
#
# usage: vexpak_test.sh VEXPAK WORK_FOLDER
set -u

VEXPAK=$1
WORK=$2
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_run STATUS STDERR_TEXT command...: runs the command, checks its exit status and
# that its standard error is exactly STDERR_TEXT (or starts with "usage:" for USAGE).
expect_run() {
  local want_status=$1 want_err=$2
  shift 2
  "$@" >"$WORK/out" 2>"$WORK/err"
  local status=$?
  [[ $status == "$want_status" ]] || fail "$* exited $status, expected $want_status"
  if [[ $want_err == USAGE ]]; then
    grep -q '^usage: vexpak' "$WORK/err" || fail "$* printed no usage: $(cat "$WORK/err")"
  else
    [[ "$(cat "$WORK/err")" == "$want_err" ]] ||
      fail "$* printed '$(cat "$WORK/err")', expected '$want_err'"
  fi
}

rm -rf "$WORK"
mkdir -p "$WORK/data/Levels" "$WORK/data/Samples" "$WORK/data/MenuGFX/Deep/er" "$WORK/data/empty"
for i in $(seq 1 400); do printf '[Misc]\r\nName=Level %d\r\n' "$i"; done >"$WORK/data/Levels/One.map"
head -c 20000 /dev/urandom >"$WORK/data/Samples/Boom.Wav"
printf 'title' >"$WORK/data/MenuGFX/Deep/er/Title.jpg"
: >"$WORK/data/Empty.txt"
printf 'top' >"$WORK/data/Two.map"
printf 'two in levels' >"$WORK/data/Levels/Two.map"

# ---- create and list ----
expect_run 0 "" "$VEXPAK" create "$WORK/Quibnar2.VexPak" "$WORK/data"
expect_run 0 "" "$VEXPAK" list "$WORK/Quibnar2.VexPak"
expected_list='Empty.txt
Levels/One.map
Levels/Two.map
MenuGFX/Deep/er/Title.jpg
Samples/Boom.Wav
Two.map'
[[ "$(cat "$WORK/out")" == "$expected_list" ]] || fail "list printed: $(cat "$WORK/out")"

# The same files give the same archive, wherever the folder is.
cp -r "$WORK/data" "$WORK/copy"
touch -d '2001-02-03' "$WORK/copy/Levels/One.map"
expect_run 0 "" "$VEXPAK" create "$WORK/Again.VexPak" "$WORK/copy"
cmp -s "$WORK/Quibnar2.VexPak" "$WORK/Again.VexPak" || fail "archives of the same files differ"

# Rewriting a package that lies inside the folder leaves the old package out of it.
cp "$WORK/Quibnar2.VexPak" "$WORK/copy/Self.VexPak"
expect_run 0 "" "$VEXPAK" create "$WORK/copy/Self.VexPak" "$WORK/copy"
"$VEXPAK" list "$WORK/copy/Self.VexPak" | grep -q Self && fail "package packed into itself"

# ---- cat: the entry the game would find ----
check_cat() {  # check_cat NAME FILE
  "$VEXPAK" cat "$WORK/Quibnar2.VexPak" "$1" >"$WORK/cat" || fail "cat $1 failed"
  cmp -s "$WORK/cat" "$2" || fail "cat $1 does not give $2"
}
check_cat Levels/One.map "$WORK/data/Levels/One.map"
check_cat 'levels\one.MAP' "$WORK/data/Levels/One.map"
check_cat One.map "$WORK/data/Levels/One.map"
check_cat 'SAMPLES\boom.wav' "$WORK/data/Samples/Boom.Wav"
check_cat 'menugfx\deep\ER\title.JPG' "$WORK/data/MenuGFX/Deep/er/Title.jpg"
check_cat 'Deep\er\Title.jpg' "$WORK/data/MenuGFX/Deep/er/Title.jpg"
check_cat Two.map "$WORK/data/Two.map"
check_cat Empty.txt "$WORK/data/Empty.txt"

# ---- other zip tools read the archive (sizes, CRCs, stored and deflated entries) ----
if command -v unzip >/dev/null; then
  unzip -tq "$WORK/Quibnar2.VexPak" >/dev/null || fail "unzip -t rejects the archive"
  unzip -Z -v "$WORK/Quibnar2.VexPak" >"$WORK/zipinfo" 2>&1
  grep -A12 'Levels/One.map' "$WORK/zipinfo" | grep -q 'compression method: *deflated' ||
    fail "Levels/One.map not deflated"
  grep -A12 'Samples/Boom.Wav' "$WORK/zipinfo" | grep -q 'compression method: *none (stored)' ||
    fail "Samples/Boom.Wav not stored"
fi
if command -v python3 >/dev/null && python3 -c 'import zipfile' 2>/dev/null; then
  python3 - "$WORK/Quibnar2.VexPak" "$WORK/data" <<'PY' || fail "python's zipfile disagrees"
import os, sys, zipfile
archive, folder = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive) as z:
    assert z.testzip() is None, "bad CRC"
    names = z.namelist()
    files = sorted(os.path.relpath(os.path.join(d, f), folder).replace(os.sep, "/")
                   for d, _, fs in os.walk(folder) for f in fs)
    assert names == files, (names, files)
    for info in z.infolist():
        with open(os.path.join(folder, info.filename), "rb") as f:
            assert z.read(info) == f.read(), info.filename
        assert info.date_time == (1980, 1, 1, 0, 0, 0), info.date_time
        assert info.compress_type in (zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED)
        if info.compress_type == zipfile.ZIP_DEFLATED:
            assert info.compress_size < info.file_size, info.filename
PY
fi

# ---- failures: the game's messages on standard error, exit status 1 ----
expect_run 1 "File Missing 'Nothing.map'." "$VEXPAK" cat "$WORK/Quibnar2.VexPak" Nothing.map
[[ -s "$WORK/out" ]] && fail "cat of a missing entry wrote output"

printf 'plain text, long enough to hold an end record but without one' >"$WORK/NotZip.VexPak"
expect_run 1 "File is not Zip file." "$VEXPAK" list "$WORK/NotZip.VexPak"
expect_run 1 "File is not Zip file." "$VEXPAK" cat "$WORK/NotZip.VexPak" One.map
# An archive comment after the end record is not supported.
cp "$WORK/Quibnar2.VexPak" "$WORK/Commented.VexPak"
printf 'comment' >>"$WORK/Commented.VexPak"
expect_run 1 "File is not Zip file." "$VEXPAK" list "$WORK/Commented.VexPak"

# Build small archives by hand: one stored entry "a.txt" with the text "hello".
python_ok=0
command -v python3 >/dev/null && python_ok=1
if ((python_ok)); then
  python3 - "$WORK" <<'PY'
import struct, sys, zlib
work = sys.argv[1]
def archive(name, method, data, size, local_sig=0x04034B50):
    local = struct.pack("<IHHHHHIIIHH", local_sig, 20, 0, method, 0, 0, 0, len(data), size,
                        len(name), 0) + name + data
    central = struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, 0, method, 0, 0, 0,
                          len(data), size, len(name), 0, 0, 0, 0, 0, 0) + name
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, len(central), len(local), 0)
    return local + central + end
c = zlib.compressobj(9, zlib.DEFLATED, -15)
good = c.compress(b"hello " * 50) + c.flush()
open(work + "/BadLocal.VexPak", "wb").write(archive(b"a.txt", 0, b"hello", 5, 0x04034B51))
open(work + "/Corrupt.VexPak", "wb").write(archive(b"a.txt", 8, b"\xff\xff\xff\xff", 300))
open(work + "/Short.VexPak", "wb").write(archive(b"a.txt", 8, good, 1000))
open(work + "/Good.VexPak", "wb").write(archive(b"A.TXT", 8, good, 300))
PY
  expect_run 1 "LocalFile Signature not found" "$VEXPAK" cat "$WORK/BadLocal.VexPak" a.txt
  expect_run 1 "error" "$VEXPAK" cat "$WORK/Corrupt.VexPak" a.txt
  expect_run 1 "Stream read error" "$VEXPAK" cat "$WORK/Short.VexPak" a.txt
  expect_run 0 "" "$VEXPAK" cat "$WORK/Good.VexPak" a.txt
  [[ "$(cat "$WORK/out")" == "$(printf 'hello %.0s' $(seq 50))" ]] || fail "hand-made entry read wrong"
fi

expect_run 1 'Cannot open file "'"$WORK"'/Absent.VexPak"' "$VEXPAK" list "$WORK/Absent.VexPak"
expect_run 1 "Folder not found '$WORK/absent'." "$VEXPAK" create "$WORK/x.VexPak" "$WORK/absent"
[[ -e "$WORK/x.VexPak" ]] && fail "failed create left a file behind"

# ---- wrong arguments: usage, exit status 2 ----
expect_run 2 USAGE "$VEXPAK"
expect_run 2 USAGE "$VEXPAK" list
expect_run 2 USAGE "$VEXPAK" list a b
expect_run 2 USAGE "$VEXPAK" cat "$WORK/Quibnar2.VexPak"
expect_run 2 USAGE "$VEXPAK" create "$WORK/x.VexPak"
expect_run 2 USAGE "$VEXPAK" extract "$WORK/Quibnar2.VexPak"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all vexpak checks passed"
