# Shared by the end-to-end scripts of the game and its tools: counting failed checks,
# reading a PNG's size, and the summary that ends a script. Source it after "set -u".

failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# "WIDTH HEIGHT" of a PNG file, from its header.
png_size() {
  local b
  read -r -a b < <(od -An -v -j16 -N8 -t u1 "$1")
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3])) $(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

# Ends the script: status 1 with the count when a check failed, else prints SUMMARY.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
  fi
  echo "$1"
}
