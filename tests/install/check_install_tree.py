#!/usr/bin/env python3
"""Installs the build tree into an empty prefix and checks what lands there.

    check_install_tree.py CMAKE BUILD_DIR PREFIX PROJECT_VERSION

PREFIX is emptied first, then left in place so that the validator tests can read the installed
desktop entry and metainfo. Every failure is printed; the exit status is 1 if there was any.
"""
import configparser
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

APP_ID = "org.orvo.PropagationDemos"
BINARY = "propagation-demos"
ICON_SIZES = (48, 256)
# One screenshot per demonstration, named as tools/snapshot's pictures in docs/screenshots/.
SCREENSHOTS = ("plane-wave.png", "group-velocity.png", "polarisation.png", "rayleigh.png",
               "ricean.png", "phasors.png")

EXPECTED_FILES = {
    f"bin/{BINARY}",
    f"share/applications/{APP_ID}.desktop",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    *(f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in ICON_SIZES),
}

failures = []


def fail(message):
    failures.append(message)


def installed_files(prefix):
    found = set()
    for directory, _, names in os.walk(prefix):
        for name in names:
            found.add(os.path.relpath(os.path.join(directory, name), prefix))
    return found


def check_png(path, size):
    """Reads the PNG signature and the IHDR chunk, which the format requires to come first."""
    with open(path, "rb") as file:
        head = file.read(33)
    if len(head) < 33 or head[:8] != b"\x89PNG\r\n\x1a\n":
        fail(f"{path}: not a PNG file")
        return
    length, chunk = struct.unpack(">I4s", head[8:16])
    if chunk != b"IHDR" or length != 13:
        fail(f"{path}: the first chunk is {chunk!r} of {length} bytes, not a 13-byte IHDR")
        return
    width, height, bit_depth, colour_type = struct.unpack(">IIBB", head[16:26])
    if (width, height) != (size, size):
        fail(f"{path}: {width}x{height} pixels, expected {size}x{size}")
    # The rounded square leaves the corners transparent, so the image needs its alpha channel.
    if (bit_depth, colour_type) != (8, 6):
        fail(f"{path}: bit depth {bit_depth}, colour type {colour_type}; expected 8-bit RGBA (6)")


def check_svg(path):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        fail(f"{path}: not well-formed XML: {error}")
        return
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        fail(f"{path}: the root element is {root.tag}, not an SVG <svg>")
    elif root.get("viewBox", "").split() != ["0", "0", "64", "64"]:
        fail(f"{path}: viewBox is {root.get('viewBox')!r}, expected a square '0 0 64 64'")


def check_desktop_entry(path):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str  # keys are case-sensitive in desktop entries
    entry.read(path, encoding="utf-8")
    if not entry.has_section("Desktop Entry"):
        fail(f"{path}: no [Desktop Entry] group")
        return
    group = entry["Desktop Entry"]
    # The launcher must start the installed binary and show the installed icon.
    expected = {"Type": "Application", "Name": "Orvo's Propagation Demos", "Exec": BINARY,
                "Icon": APP_ID, "Terminal": "false"}
    for key, value in expected.items():
        if group.get(key) != value:
            fail(f"{path}: {key}={group.get(key)!r}, expected {value!r}")
    categories = group.get("Categories", "").split(";")
    for category in ("Education", "Science", "Physics"):
        if category not in categories:
            fail(f"{path}: Categories lacks {category}")


def check_metainfo(path, version):
    root = ElementTree.parse(path).getroot()
    if root.tag != "component" or root.get("type") != "desktop-application":
        fail(f"{path}: not a desktop-application component")
    if root.findtext("id") != APP_ID:
        fail(f"{path}: id {root.findtext('id')!r}, expected {APP_ID}")
    launchable = root.findtext("launchable[@type='desktop-id']")
    if launchable != f"{APP_ID}.desktop":
        fail(f"{path}: launchable {launchable!r} is not the installed desktop entry")
    binaries = [element.text for element in root.findall("provides/binary")]
    if binaries != [BINARY]:
        fail(f"{path}: provides binaries {binaries}, expected [{BINARY!r}]")
    releases = [element.get("version") for element in root.findall("releases/release")]
    if version not in releases:
        fail(f"{path}: no release entry for the project's version {version} (has {releases})")

    homepage = root.findtext("url[@type='homepage']") or ""
    if not homepage.startswith("https://"):
        fail(f"{path}: no https homepage url")
    images = [element.text or "" for element in root.findall("screenshots/screenshot/image")]
    expected_images = [f"{homepage.rstrip('/')}/screenshots/{name}" for name in SCREENSHOTS]
    if sorted(images) != sorted(expected_images):
        fail(f"{path}: screenshot images {images}, expected one of each of {expected_images}")
    defaults = root.findall("screenshots/screenshot[@type='default']")
    if len(defaults) != 1:
        fail(f"{path}: {len(defaults)} default screenshots, expected exactly one")


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    cmake, build_dir, prefix, version = sys.argv[1:]

    shutil.rmtree(prefix, ignore_errors=True)
    os.makedirs(prefix)
    install = subprocess.run([cmake, "--install", build_dir, "--prefix", prefix],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    print(install.stdout, end="")
    if install.returncode != 0:
        sys.exit(f"cmake --install failed with status {install.returncode}")

    found = installed_files(prefix)
    for missing in sorted(EXPECTED_FILES - found):
        fail(f"not installed: {missing}")
    # Build-only programs (snapshot, the icon painter, tests) and libraries stay out of the tree.
    for extra in sorted(found - EXPECTED_FILES):
        fail(f"installed but not part of the program: {extra}")

    def path(relative):
        return os.path.join(prefix, relative)

    binary = path(f"bin/{BINARY}")
    if os.path.isfile(binary) and not os.access(binary, os.X_OK):
        fail(f"{binary}: not executable")
    for size in ICON_SIZES:
        png = path(f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
        if os.path.isfile(png):
            check_png(png, size)
    svg = path(f"share/icons/hicolor/scalable/apps/{APP_ID}.svg")
    if os.path.isfile(svg):
        check_svg(svg)
    desktop = path(f"share/applications/{APP_ID}.desktop")
    if os.path.isfile(desktop):
        check_desktop_entry(desktop)
    metainfo = path(f"share/metainfo/{APP_ID}.metainfo.xml")
    if os.path.isfile(metainfo):
        check_metainfo(metainfo, version)

    for message in failures:
        print(f"FAIL: {message}")
    if failures:
        sys.exit(1)
    print(f"{len(found)} files installed under {prefix}, all as expected")


if __name__ == "__main__":
    main()
