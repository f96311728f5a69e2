#!/usr/bin/env python3
"""Fails on an #include "..." that goes up the layers of scripts/layers.txt."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCES = ('.h', '.hpp', '.cpp', '.cc')


def read_layers(path):
    rank = {}
    with open(path, encoding='utf-8') as table:
        layers = [line.split('#', 1)[0].split() for line in table]
    for level, folders in enumerate(filter(None, layers)):
        rank.update((folder, level) for folder in folders)
    return rank


def top_folder(root, path):
    rel = os.path.relpath(path, root)
    return rel.split(os.sep, 1)[0] if not rel.startswith('..') else None


def faults(root, rank):
    for folder in rank:
        for dirpath, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding='utf-8', errors='replace') as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = match.group(1)
                        beside = os.path.normpath(os.path.join(dirpath, target))
                        into = top_folder(root, beside) if os.path.exists(beside) \
                            else target.split('/', 1)[0]
                        if into == folder or into not in rank:
                            continue
                        if rank[into] >= rank[folder]:
                            yield (f'{os.path.relpath(path, root)}:{number}: '
                                   f'{folder} may not include "{target}" ({into} is not below it)')


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else '.')
    rank = read_layers(os.path.join(root, 'scripts', 'layers.txt'))
    found = list(faults(root, rank))
    for fault in found:
        print(fault)
    print(f'{len(found)} include(s) going up the layers')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
