#!/usr/bin/python3
"""The Windows program folder holds brivan.exe, the DLLs it loads and the licence texts, nothing
more, and every DLL that any of its files imports is either in the folder or part of Windows.

Usage: check_program_folder.py FOLDER

Imports are read from the files themselves (x86_64-w64-mingw32-objdump). "Part of Windows" is
judged by Wine's own list of the DLLs it provides as Windows does.
"""
import os
import re
import subprocess
import sys

EXPECTED = {
    "brivan.exe",
    "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
    "platforms/qwindows.dll",
    "styles/qmodernwindowsstyle.dll",
    "imageformats/qgif.dll", "imageformats/qjpeg.dll",
    "libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll",
    "licenses/NOTICE.txt", "licenses/LGPL-3.0.txt", "licenses/GPL-3.0.txt", "licenses/THIRD-PARTY.txt",
}
WINE_WINDOWS_DLLS = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows"
OBJDUMP = "x86_64-w64-mingw32-objdump"


def imports(path):
    dump = subprocess.run([OBJDUMP, "-p", path], check=True, capture_output=True, text=True).stdout
    return re.findall(r"^\s*DLL Name: (\S+)", dump, re.MULTILINE)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    found = {os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
             for root, _, names in os.walk(folder) for name in names}
    problems = [f"missing: {name}" for name in sorted(EXPECTED - found)]
    problems += [f"not expected: {name}" for name in sorted(found - EXPECTED)]

    system = {name.lower() for name in os.listdir(WINE_WINDOWS_DLLS)}
    beside = {name.lower() for name in found if "/" not in name}
    for name in sorted(found):
        if not name.endswith((".exe", ".dll")):
            continue
        for dll in imports(os.path.join(folder, name)):
            known = dll.lower() in beside or dll.lower() in system or dll.lower().startswith("api-ms-win-")
            if not known:
                problems.append(f"{name} imports {dll}, which is neither beside brivan.exe nor part of Windows")

    for problem in problems:
        print("FAIL: " + problem)
    print(f"program folder {folder}: {len(found)} files, {len(problems)} problems")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
