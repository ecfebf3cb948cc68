#!/usr/bin/env python3
"""What Windows reads from Orebell_III.exe before it runs a line of it: the application manifest
(RT_MANIFEST 1) and the version shown in the file's properties, read back from the built .exe with
MinGW's windres.
    program-resources.py BUILD_DIR [EXE]     (EXE: a packaged copy instead of the build's)
"""
import re
import subprocess
import sys
import xml.dom.minidom
from pathlib import Path

build = Path(sys.argv[1])
exe = Path(sys.argv[2]) if len(sys.argv) > 2 else build / "bin" / "Orebell_III.exe"
version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", (build / "CMakeCache.txt").read_text(), re.M).group(1)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


rc = subprocess.run(["x86_64-w64-mingw32-windres", "-J", "coff", "-i", str(exe), "-O", "rc"],
                    check=True, capture_output=True, text=True).stdout


def block(header):
    """The quoted lines of the resource that starts with `header`, joined as windres split them."""
    m = re.search(r"^" + re.escape(header) + r"\s*\nBEGIN\n(.*?)^END", rc, re.M | re.S)
    if not m:
        return None
    parts = re.findall(r'^\s*"((?:[^"]|"")*)"', m.group(1), re.M)
    return "".join(p.replace('""', '"').replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t") for p in parts)


# One manifest, under the id the loader reads for an .exe: a second (a toolchain's default one)
# or another id would leave Windows reading another or none.
manifests = re.findall(r"^(\S+) 24 /\* RT_MANIFEST \*/", rc, re.M)
check(manifests == ["1"], f"one RT_MANIFEST with id 1 (found ids {manifests})")
text = block("1 24 /* RT_MANIFEST */")
if text:
    doc = xml.dom.minidom.parseString(text.strip("\0").encode())

    def values(tag):
        return [e.firstChild.data.strip() if e.firstChild else "" for e in doc.getElementsByTagNameNS("*", tag)]

    levels = [e.getAttribute("level") for e in doc.getElementsByTagNameNS("*", "requestedExecutionLevel")]
    check(levels == ["asInvoker"], f"requestedExecutionLevel asInvoker (found {levels})")
    check(any(v.startswith("PerMonitorV2") for v in values("dpiAwareness")),
          f"dpiAwareness PerMonitorV2 first (found {values('dpiAwareness')})")
    check(values("dpiAware") == ["true/pm"], f"dpiAware true/pm for Windows before 10 (found {values('dpiAware')})")
    ids = {e.getAttribute("Id").lower() for e in doc.getElementsByTagNameNS("*", "supportedOS")}
    for name, guid in [("10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"),
                       ("8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"),
                       ("8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"),
                       ("7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}")]:
        check(guid in ids, f"supportedOS Windows {name}")
    controls = [e for e in doc.getElementsByTagNameNS("*", "assemblyIdentity")
                if e.getAttribute("name") == "Microsoft.Windows.Common-Controls"]
    check(len(controls) == 1 and controls[0].getAttribute("version") == "6.0.0.0"
          and controls[0].getAttribute("publicKeyToken") == "6595b64144ccf1df",
          "a dependency on the Common Controls 6.0.0.0")
    check(all(e.parentNode.tagName.endswith("dependentAssembly") for e in controls),
          "the Common Controls named as a dependency, not as the program's own identity")

# File properties: Explorer shows these strings of the version resource.
strings = dict(re.findall(r'^\s*VALUE "(\w+)", "((?:[^"]|"")*)"', rc, re.M))
check(strings.get("ProductName") == "Orebell", f"ProductName Orebell (found {strings.get('ProductName')!r})")
check(strings.get("ProductVersion") == version, f"ProductVersion {version} (found {strings.get('ProductVersion')!r})")
check(strings.get("FileVersion") == version, f"FileVersion {version} (found {strings.get('FileVersion')!r})")
check(strings.get("FileDescription", "").startswith("Orebell"), f"a FileDescription (found {strings.get('FileDescription')!r})")
check(strings.get("OriginalFilename") == exe.name, f"OriginalFilename {exe.name}")
numbers = re.search(r"^\s*FILEVERSION (\d+), (\d+), (\d+), (\d+)", rc, re.M)
check(numbers is not None and ".".join(numbers.groups()[:3]) == version, f"FILEVERSION {version}")
check(re.search(r"^\S+ 14 /\* RT_GROUP_ICON \*/", rc, re.M) is not None, "an icon")

for f in failures:
    print(f"FAIL: {exe.name} lacks {f}", file=sys.stderr)
if not failures:
    print(f"{exe.name}: manifest (asInvoker, PerMonitorV2, Windows 7-11, Common Controls 6) and version {version}")
sys.exit(1 if failures else 0)
