#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Names where a golden result first differs from the recorded one.

usage: first_difference.py EXPECTED ACTUAL

For a trace (JSON lines): the first line that differs, its session and pass,
and the first field inside it that differs, with both values. For a frame (an
uncompressed BMP): the first pixel, counted from the top left, that differs,
with both colours. Prints one line; exits 0 either way.
"""
import json
import struct
import sys


def field_difference(expected, actual, path=""):
    """The path of the first field whose values differ, and both values."""
    if isinstance(expected, dict) and isinstance(actual, dict):
        for key in list(expected) + [k for k in actual if k not in expected]:
            if key not in actual or key not in expected:
                return f"{path}.{key}".lstrip("."), expected.get(key, "(none)"), actual.get(key, "(none)")
            found = field_difference(expected[key], actual[key], f"{path}.{key}")
            if found:
                return found
        return None
    if isinstance(expected, list) and isinstance(actual, list):
        for index, (e, a) in enumerate(zip(expected, actual)):
            found = field_difference(e, a, f"{path}[{index}]")
            if found:
                return found
        if len(expected) != len(actual):
            return f"{path} (length)".lstrip("."), len(expected), len(actual)
        return None
    return None if expected == actual else (path.lstrip(".") or "(line)", expected, actual)


def where(line):
    try:
        record = json.loads(line)
        return f"session {record.get('session')} pass {record.get('pass')}"
    except (json.JSONDecodeError, AttributeError):
        return "an unreadable line"


def trace_difference(expected_path, actual_path):
    with open(expected_path, encoding="utf-8") as e, open(actual_path, encoding="utf-8") as a:
        expected, actual = e.read().splitlines(), a.read().splitlines()
    for number, (e_line, a_line) in enumerate(zip(expected, actual), start=1):
        if e_line == a_line:
            continue
        try:
            found = field_difference(json.loads(e_line), json.loads(a_line))
        except json.JSONDecodeError:
            found = None
        detail = f"{found[0]}: recorded {json.dumps(found[1])}, now {json.dumps(found[2])}" if found else \
            f"recorded {e_line[:200]!r}, now {a_line[:200]!r}"
        return f"line {number} ({where(e_line)}): {detail}"
    if len(expected) != len(actual):
        return f"recorded {len(expected)} lines, now {len(actual)} (the first {min(len(expected), len(actual))} agree)"
    return "no difference"


def read_bmp(path):
    with open(path, "rb") as file:
        data = file.read()
    if data[:2] != b"BM" or len(data) < 54:
        raise ValueError(f"{path} is not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    return data, offset, width, height, bits // 8


def frame_difference(expected_path, actual_path):
    e_data, e_offset, width, height, size = read_bmp(expected_path)
    a_data, a_offset, a_width, a_height, a_size = read_bmp(actual_path)
    if (width, height, size) != (a_width, a_height, a_size):
        return f"recorded {width} x {height} at {size * 8} bits, now {a_width} x {a_height} at {a_size * 8} bits"
    stride = (width * size + 3) // 4 * 4
    rows = range(abs(height))
    for y in rows:
        # Rows are stored bottom-up unless the height is negative.
        stored = abs(height) - 1 - y if height > 0 else y
        e_row = e_data[e_offset + stored * stride:e_offset + stored * stride + width * size]
        a_row = a_data[a_offset + stored * stride:a_offset + stored * stride + width * size]
        if e_row == a_row:
            continue
        x = next(i for i in range(width) if e_row[i * size:(i + 1) * size] != a_row[i * size:(i + 1) * size])
        colour = lambda row: "#" + row[x * size:(x + 1) * size][:3][::-1].hex()
        return f"first differing pixel ({x}, {y}): recorded {colour(e_row)}, now {colour(a_row)}"
    return "no difference"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    expected, actual = sys.argv[1:]
    is_frame = open(expected, "rb").read(2) == b"BM"
    print(frame_difference(expected, actual) if is_frame else trace_difference(expected, actual))


if __name__ == "__main__":
    main()
