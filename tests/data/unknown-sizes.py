#!/usr/bin/env python3
"""Rewrites a WebM file as a live recorder writes it: the size fields of the
Segment and of every Cluster become the unknown size 01 FF FF FF FF FF FF FF.
Everything else is copied as it is (seek positions are not corrected)."""
import sys

UNKNOWN = bytes([0x01] + [0xFF] * 7)
SEGMENT, CLUSTER = 0x18538067, 0x1F43B675


def vint(data, pos):
    """Returns (length, value with marker kept, value with marker stripped)."""
    first = data[pos]
    length = 8 - first.bit_length() + 1
    raw = int.from_bytes(data[pos:pos + length], "big")
    return length, raw, raw & ((1 << (7 * length)) - 1)


def rewrite(data, pos, end, out, inside_segment):
    while pos < end:
        id_len, ident, _ = vint(data, pos)
        size_len, _, size = vint(data, pos + id_len)
        data_start = pos + id_len + size_len
        if ident == SEGMENT or (inside_segment and ident == CLUSTER):
            out += data[pos:pos + id_len] + UNKNOWN
            if ident == SEGMENT:
                rewrite(data, data_start, data_start + size, out, True)
            else:
                out += data[data_start:data_start + size]
        else:
            out += data[pos:data_start + size]
        pos = data_start + size


def main():
    data = open(sys.argv[1], "rb").read()
    out = bytearray()
    rewrite(data, 0, len(data), out, False)
    open(sys.argv[2], "wb").write(out)


main()
