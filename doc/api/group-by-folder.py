#!/usr/bin/env python3
"""Doxygen input filter: puts everything a header declares into the group of its folder, so the
reference is grouped as the library's floors are without a group command in every header. It also
hides explicit instantiation declarations (extern template class X<int>;), which Doxygen would
take for classes of their own, with the comment above them; lines keep their numbers."""
import os
import sys

path = sys.argv[1]
with open(path, encoding='utf-8') as f:
    text = f.read()
def hide_instantiations(text):
    lines = text.split('\n')
    for i, line in enumerate(lines):
        if line.startswith('extern template '):
            lines[i] = ''
            j = i - 1
            while j >= 0 and lines[j].lstrip().startswith('///'):
                lines[j] = lines[j].replace('///', '//', 1)
                j -= 1
    return '\n'.join(lines)


if path.endswith('.h'):
    text = hide_instantiations(text)
    root = os.environ.get('QUARLIN_DOCS_HEADERS', '')
    folder = os.path.dirname(os.path.relpath(path, root)) if root else os.path.dirname(path)
    group = 'folder_' + (folder.replace('/', '_') or 'root')
    text = '/** \\addtogroup %s\n * @{ */\n%s\n/** @} */\n' % (group, text)
sys.stdout.write(text)
