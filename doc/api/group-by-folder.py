#!/usr/bin/env python3
"""Doxygen input filter: puts everything a header declares into the group of its folder, so the
reference is grouped as the library's floors are without a group command in every header."""
import os
import sys

path = sys.argv[1]
with open(path, encoding='utf-8') as f:
    text = f.read()
if path.endswith('.h'):
    root = os.environ.get('QUARLIN_DOCS_HEADERS', '')
    folder = os.path.dirname(os.path.relpath(path, root)) if root else os.path.dirname(path)
    group = 'folder_' + (folder.replace('/', '_') or 'root')
    text = '/** \\addtogroup %s\n * @{ */\n%s\n/** @} */\n' % (group, text)
sys.stdout.write(text)
