#!/usr/bin/python3
"""The notices of the libraries that Qt's own source bundles and builds into the Windows Qt:
name, version, copyright, licence and the licence's full text, from each library's
qt_attribution.json in Qt's source, written with Windows line ends.

Usage: third_party_notices.py QTBASE_SOURCE OUTPUT
"""
import json
import os
import sys

# Bundled with Qt but not in a Windows build without networking, D-Bus or Vulkan.
NOT_BUILT = {"android", "wasm", "xcb", "gradle", "dbus-ifaces", "libpsl", "forkfd", "VulkanMemoryAllocator"}


def entries(path):
    with open(path, encoding="utf-8") as f:
        data = json.loads(f.read(), strict=False)  # some carry raw line breaks in their strings
    return data if isinstance(data, list) else [data]


def licence_texts(folder, entry):
    names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
    for name in names:
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            yield f.read().strip()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    third_party = os.path.join(sys.argv[1], "src", "3rdparty")
    parts = []
    for library in sorted(os.listdir(third_party)):
        if library in NOT_BUILT:
            continue
        for root, _, files in sorted(os.walk(os.path.join(third_party, library))):
            if "qt_attribution.json" not in files:
                continue
            for entry in entries(os.path.join(root, "qt_attribution.json")):
                head = f"{entry['Name']}" + (f", version {entry['Version']}" if entry.get("Version") else "")
                lines = [head, "=" * len(head)]
                if entry.get("Copyright"):  # Qt 6.8's attributions may list it line by line
                    copyright = entry["Copyright"]
                    lines.append("\n".join(copyright) if isinstance(copyright, list) else copyright.strip())
                lines.append(f"Licence: {entry.get('License', 'see below')}")
                parts.append("\n".join(lines) + "\n\n" + "\n\n".join(licence_texts(root, entry)))
    if not parts:
        sys.exit(f"no qt_attribution.json under {third_party}")
    with open(sys.argv[2], "w", encoding="utf-8", newline="\r\n") as out:  # for Notepad
        out.write("Libraries that Qt includes, each under its own licence\n\n")
        out.write("\n\n\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
