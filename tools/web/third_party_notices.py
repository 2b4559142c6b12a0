#!/usr/bin/python3
"""The notices of the libraries bundled in Qt's source that the browser build of Qt holds: as for
Windows (tools/windows/third_party_notices.py), with the browser's own fonts (DejaVu, in Qt's wasm
plugin) and without what only other systems build.

Usage: third_party_notices.py QTBASE_SOURCE OUTPUT
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "windows"))
import third_party_notices  # noqa: E402

third_party_notices.NOT_BUILT = {"android", "xcb", "gradle", "dbus-ifaces", "libpsl", "forkfd",
                                 "VulkanMemoryAllocator", "D3D12MemoryAllocator"}
third_party_notices.main()
