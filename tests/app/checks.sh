# Counting checks for the shell tests, sourced by them; `finish` closes with the plain
# "N passed, N failed" line and the matching exit status.
passed=0
failed=0

check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what"
  fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
