#!/usr/bin/python3
"""The macOS bundle's Info.plist, checked on Linux, where no bundle is built.

Usage: macos_bundle_test.py SOURCE_DIR

Fills packaging/macos/Info.plist.in as CMake does for an application bundle (each
${MACOSX_BUNDLE_...} from the target's properties), then reads the result as macOS would: it must
be a valid property list that names the program and declares it ready for Retina screens, so that
Qt draws the 2x pictures there.
"""
import os
import plistlib
import re
import sys
from checks import check, finish

# The variables CMake fills in a bundle's Info.plist; any other ${...} would stay in it as it is.
FILLED_BY_CMAKE = {
    "MACOSX_BUNDLE_EXECUTABLE_NAME": "brivan",
    "MACOSX_BUNDLE_GUI_IDENTIFIER": "example.skywardstudy.brivan",
    "MACOSX_BUNDLE_BUNDLE_NAME": "Brivan Review Program",
    "MACOSX_BUNDLE_BUNDLE_VERSION": "1.00",
    "MACOSX_BUNDLE_SHORT_VERSION_STRING": "1.00",
    "MACOSX_BUNDLE_LONG_VERSION_STRING": "1.00",
    "MACOSX_BUNDLE_INFO_STRING": "brivan",
    "MACOSX_BUNDLE_ICON_FILE": "",
    "MACOSX_BUNDLE_COPYRIGHT": "Copyright Skyward Study Press",
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(os.path.join(sys.argv[1], "packaging", "macos", "Info.plist.in"), encoding="utf-8") as f:
        template = f.read()
    unknown = set(re.findall(r"\$\{(\w+)\}", template)) - FILLED_BY_CMAKE.keys()
    check(not unknown, f"every placeholder is one CMake fills (not: {sorted(unknown)})")
    filled = re.sub(r"\$\{(\w+)\}", lambda m: FILLED_BY_CMAKE.get(m.group(1), m.group(0)), template)
    try:
        info = plistlib.loads(filled.encode("utf-8"))
    except Exception as error:  # plistlib raises several kinds for a malformed list
        check(False, f"Info.plist is a valid property list ({error})")
        return
    check(info.get("NSHighResolutionCapable") is True, "NSHighResolutionCapable is true")
    check(info.get("CFBundleExecutable") == "brivan", "the bundle starts brivan")
    check(info.get("CFBundleIdentifier") == "example.skywardstudy.brivan", "the bundle identifier")
    check(info.get("CFBundlePackageType") == "APPL", "the bundle is an application")
    check(info.get("CFBundleShortVersionString") == "1.00", "the version shown is 1.00")


if __name__ == "__main__":
    main()
    finish()
