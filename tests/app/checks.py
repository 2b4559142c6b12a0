"""Counting checks for the tests that meet the program from outside, closing with the plain
'N passed, N failed' line."""
import sys

passed = 0
failures = []
verbose = False  # say "ok: ..." of each check that passes too


def check(condition, message):
    global passed
    if condition:
        passed += 1
        if verbose:
            print("ok: " + message, flush=True)
    else:
        failures.append(message)
        print("FAIL: " + message, flush=True)
    return condition


def finish():
    print(f"{passed} passed, {len(failures)} failed", flush=True)
    sys.exit(1 if failures else 0)
