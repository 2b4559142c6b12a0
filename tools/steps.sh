# The steps of the long build scripts (tools/windows.sh, tools/web/build.sh), sourced by them.
# Each step writes a log of its own under $logs; the first step that fails stops the script with
# one sentence naming it and its log, and the log's last lines. $step_script names the script.

step() {  # step "WHAT IS DONE" LOG_NAME COMMAND...
  local what=$1 log="$logs/$2.log"
  shift 2
  local started=$SECONDS
  echo "== $what"
  if ! "$@" >"$log" 2>&1; then
    echo "$step_script stopped: $what failed; its log is $log" >&2
    tail -n 5 "$log" | sed 's/^/   | /' >&2
    exit 1
  fi
  echo "   done in $((SECONDS - started)) s"
}
