#!/usr/bin/env python3
"""Writes the stream "Contents" of a compound file to OUT, as an independent reader sees it.

Usage: read_contents.py FILE OUT
Fails unless the file uses 512-byte sectors and holds "Contents" at its root.
"""
import sys

import olefile


def main(path, out):
    with olefile.OleFileIO(path) as ole:
        if ole.sectorsize != 512:
            sys.exit(f"sector size {ole.sectorsize}")
        if not ole.exists("Contents") or ole.get_type("Contents") != olefile.STGTY_STREAM:
            sys.exit("no stream Contents")
        data = ole.openstream("Contents").read()
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
