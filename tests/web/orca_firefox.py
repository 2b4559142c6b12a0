#!/usr/bin/python3
"""What Orca speaks in Firefox ESR while the drill (tests/app/drill.py) is pressed as real X keys
(keys a driver puts into a page do not reach Orca), heard as on the desktop (orca_test.py). Run
by tests/app/orca_test.sh with BRIVAN_ORCA_DRIVER naming this file.

Usage: orca_firefox.py WEB_FOLDER
"""
import os
import subprocess
import sys

import driver
import serve
from checks import check, finish
from drill import DRILL
from orca_test import PATIENCE, Step, enable_accessibility, from_drill, spoken, wait_until_quiet


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    driver.need_folder(sys.argv[1])
    server = serve.start(sys.argv[1])
    enable_accessibility()
    orca = subprocess.Popen(["orca", "--replace"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    firefox = []

    def open_page():  # Firefox, opening the page
        firefox.append(driver.start("firefox", headless=False, env=dict(os.environ, GNOME_ACCESSIBILITY="1"),
                                    first_page=f"http://127.0.0.1:{server.server_port}/index.html"))

    # As the page loads, Orca reads it through, and the program's first window may be there before
    # that reading or not: its words come in any order, and a key pressed during it would meet it.
    first = DRILL[0]
    opening = Step("the page opens", open_page, says=(first.window, *first.read, f"{first.focus} {first.role}"), any_order=True)
    try:
        if Step("Orca starts", lambda: None, says=("Screen reader on",)).run() and opening.run():
            wait_until_quiet(quiet=2.0, most=PATIENCE)
            for step in map(lambda s: from_drill(s, firefox=True), DRILL[1:]):
                if not step.run():
                    break
                print(f"ok: Orca in Firefox, {step.what}: {' / '.join(step.says)}", flush=True)
    except driver.Failure as failure:
        check(False, str(failure))
    finally:
        for browser in firefox:
            browser.close()
        driver.end(orca)
        server.stop()
    print("Orca said:\n" + spoken(), flush=True)
    finish()


if __name__ == "__main__":
    main()
