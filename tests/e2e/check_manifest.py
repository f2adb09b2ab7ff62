#!/usr/bin/env python3
"""Fails unless the built program carries the manifest Windows needs to run it as
written: asInvoker, Windows 7 to 11, each monitor's own scale (PerMonitorV2, then
PerMonitor, then system-aware), and neither Common Controls 6 nor a UTF-8 code page.

    check_manifest.py WispaneCalendar.exe

Reads the manifest from the program's resource section, as the system's loader does.
"""
import struct
import sys
import xml.etree.ElementTree as ET

RT_MANIFEST = 24
PROCESS_MANIFEST_ID = 1
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}


def resource_section(image):
    """The .rsrc section's bytes and its virtual address."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    table = pe + 24 + optional_size
    for index in range(sections):
        name, _, address, raw_size, raw_offset = struct.unpack_from("<8sIIII", image, table + 40 * index)
        if name.rstrip(b"\0") == b".rsrc":
            return image[raw_offset:raw_offset + raw_size], address
    raise ValueError("no resource section")


def directory_entries(section, offset):
    named, numbered = struct.unpack_from("<12xHH", section, offset)
    for index in range(named + numbered):
        yield struct.unpack_from("<II", section, offset + 16 + 8 * index)


def find_resource(section, address, path):
    """The data of the resource at path (type, name), in its first language."""
    offset = 0
    for wanted in path:
        found = [target for key, target in directory_entries(section, offset) if key == wanted]
        if not found or not found[0] & 0x80000000:
            raise ValueError(f"no resource {path}")
        offset = found[0] & 0x7FFFFFFF
    entries = list(directory_entries(section, offset))
    if not entries:
        raise ValueError(f"resource {path} has no language")
    data_rva, size = struct.unpack_from("<II", section, entries[0][1])
    return section[data_rva - address:data_rva - address + size]


def local(tag):
    return tag.rsplit("}", 1)[-1]


def problems(manifest):
    root = ET.fromstring(manifest)
    elements = {}
    for element in root.iter():
        elements.setdefault(local(element.tag), []).append(element)
    found = []
    levels = [e.get("level") for e in elements.get("requestedExecutionLevel", [])]
    if levels != ["asInvoker"]:
        found.append(f"execution level {levels}, not asInvoker")
    systems = {e.get("Id", "").lower() for e in elements.get("supportedOS", [])}
    found += [f"{name} not among the supported systems" for id_, name in SUPPORTED_OS.items() if id_ not in systems]
    awareness = [e.text.strip() for e in elements.get("dpiAwareness", [])]
    if [a.replace(" ", "").lower() for a in awareness] != ["permonitorv2,permonitor"]:
        found.append(f"dpiAwareness {awareness}, not 'PerMonitorV2, PerMonitor'")
    aware = [e.text.strip().lower() for e in elements.get("dpiAware", [])]
    if aware != ["true/pm"]:
        found.append(f"dpiAware {aware}, not true/pm")
    for identity in elements.get("assemblyIdentity", []):
        if identity.get("name", "").lower() == "microsoft.windows.common-controls":
            found.append("a dependency on Common Controls 6")
    if "activeCodePage" in elements:
        found.append("an active code page")
    return found


def main():
    image = open(sys.argv[1], "rb").read()
    section, address = resource_section(image)
    manifest = find_resource(section, address, (RT_MANIFEST, PROCESS_MANIFEST_ID))
    print(manifest.decode("utf-8"))
    found = problems(manifest)
    for problem in found:
        print(f"FAIL: {problem}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
