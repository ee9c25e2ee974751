#!/usr/bin/env python3
"""Lists the longest functions of the project's C++ by non-blank lines, from
the signature to the closing brace. Functions are found by the code's own
layout: a definition starts at column 0 and ends at a "}" in column 0.
Usage: python3 scripts/longest_functions.py [N] (default 8), from the root."""
import os
import re
import sys

NOT_FUNCTIONS = re.compile(r'(namespace|struct|class|enum|union|extern)\b|inline constexpr|constexpr auto')


def signature_lines(lines, at):
    """The lines above `at` that belong to the same signature."""
    count = 0
    while at > 0:
        line = lines[at - 1].strip()
        if not line or line.endswith((';', '}', '{')) or line.startswith(('//', '#')):
            break
        count += 1
        at -= 1
    return count


def functions(path):
    lines = open(path, encoding='utf-8').read().split('\n')
    at = 0
    while at < len(lines):
        line = lines[at]
        opens = line and not line[0].isspace() and line.rstrip().endswith('{')
        if opens and '(' in ''.join(lines[max(0, at - 3):at + 1]) and not NOT_FUNCTIONS.match(line) \
                and '=' not in line.split('(')[0]:
            end = at + 1
            while end < len(lines) and lines[end] != '}' and not lines[end].startswith('};'):
                end += 1
            body = sum(1 for text in lines[at:end + 1] if text.strip())
            yield body + signature_lines(lines, at), at + 1, line.strip()
            at = end
        at += 1


def main():
    most = int(sys.argv[1]) if len(sys.argv) > 1 else 8
    found = []
    for root in ('src', 'web'):
        for folder, _, names in os.walk(root):
            if 'node_modules' in folder:
                continue
            for name in names:
                if name.endswith(('.cpp', '.h')):
                    path = os.path.join(folder, name)
                    found += [(size, path, line, text) for size, line, text in functions(path)]
    for size, path, line, text in sorted(found, reverse=True)[:most]:
        print(f'{size:4} {path}:{line} {text[:70]}')


main()
