#!/usr/bin/python3
"""What reached UI Automation during the walk at 100 %: the program's UiaRaiseNotificationEvent
calls as Wine's uiautomation debug channel shows them, and what our UI Automation client received.
Checks that one wrong and one right answer on each quiz arrived with the words Orca speaks. When
Wine shows no call at all, says so in one line, with what Wine did show, and does not fail.

Usage: uia_heard.py PROGRAM_LOG CLIENT_LOG
"""
import re
import sys

EXPECTED = {
    "Limitations, wrong": "That's Not Correct! The Correct Answer is 63. Reference Vol 1 Page 0-5. "
                          "0 out of 1 correct! 0 percent.",
    "Limitations, right": "Correct! 1 out of 3 correct! 33 percent.",
    "Annunciators, wrong": "That's Not Correct! The Correct Answer is A. Reference: Flight Safety Manual 4-3. "
                           "0 out of 1 correct! 0 percent.",
    "Annunciators, right": "Correct! 1 out of 2 correct! 50 percent.",
    "Memory Items, wrong": "That's Not Correct! The Correct Order is 2 1 3 4 5 7 6. Reference: Checklist E-2. "
                           "0 out of 1 correct! 0 percent.",
    "Memory Items, right": "Correct! 1 out of 2 correct! 50 percent.",
}


def wide_strings(line):
    """The L"..." strings Wine's debug output quotes, unescaped as far as the check needs."""
    return [s.replace('\\"', '"').replace("\\\\", "\\") for s in re.findall(r'L"((?:[^"\\]|\\.)*)"', line)]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program = open(sys.argv[1], encoding="utf-8", errors="replace").read().splitlines()
    client = open(sys.argv[2], encoding="utf-8", errors="replace").read().splitlines()
    calls = [line for line in program if "UiaRaiseNotificationEvent" in line]
    raised = [text for line in calls for text in wide_strings(line)]
    received = [line.split(": ", 1)[1] for line in client if line.startswith("notification")]
    for line in calls:
        print("UI Automation: Wine:", line.strip())
    for line in received:
        print("UI Automation: our client received:", line)
    if not calls and not received:
        listening = [line.strip() for line in program if "UiaClientsAreListening" in line]
        attached = next((line for line in client if line.startswith("attached")), "our client did not attach")
        print("UI Automation: not shown under Wine: no UiaRaiseNotificationEvent call appeared on Wine's "
              f"uiautomation channel ({attached}; {listening[-1] if listening else 'no UiaClientsAreListening call seen'})")
        return 0
    heard = raised + received
    missing = [what for what, words in EXPECTED.items() if not any(words in text for text in heard)]
    for what, words in EXPECTED.items():
        if what not in missing:
            print(f"UI Automation: ok: {what}: {words!r}")
    if missing:
        print("UI Automation: FAIL: not raised with Orca's words: " + "; ".join(missing))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
