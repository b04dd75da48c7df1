#!/usr/bin/env python3
"""Instructions per call of one function, counted by callgrind: repeatable whatever the load.

Usage: bench/instruction_count.py FUNCTION_PREFIX -- COMMAND [ARGS...]
FUNCTION_PREFIX is the start of the demangled name, e.g. "pmsect::computeSurface".
"""
import os
import re
import subprocess
import sys
import tempfile


def main():
    if '--' not in sys.argv or sys.argv.index('--') != 2:
        sys.exit(__doc__)
    prefix = sys.argv[1]
    command = sys.argv[3:]
    fd, out = tempfile.mkstemp(prefix='callgrind.')
    os.close(fd)
    try:
        subprocess.run(['valgrind', '--tool=callgrind', '--callgrind-out-file=' + out] + command,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        tree = subprocess.run(['callgrind_annotate', '--inclusive=yes', '--tree=caller', out],
                              capture_output=True, text=True, check=True).stdout.splitlines()
    finally:
        os.remove(out)
    # In the caller tree each function's block lists its callers ("< ... (Nx)") above the line
    # of the function itself ("* ..."), which carries its inclusive count.
    block = []
    for line in tree:
        if not line.strip():
            block = []
            continue
        block.append(line)
        m = re.match(r'\s*([\d,]+) \([^)]*\)\s+\*\s+\S*?:(.*) \[', line)
        if m and m.group(2).startswith(prefix):
            total = int(m.group(1).replace(',', ''))
            calls = sum(int(c.group(1).replace(',', '')) for c in
                        (re.search(r'\((\d[\d,]*)x\)', b) for b in block[:-1]) if c)
            print(f'{m.group(2)}: {total} instructions in {calls} calls, '
                  f'{total / max(calls, 1):.0f} per call')
            return
    sys.exit(f'{prefix}: not found')


if __name__ == '__main__':
    main()
