#!/usr/bin/env python3
"""Fails when a text the sources mark for translation is missing from a language's file or left
unfinished there, or when a file keeps a text the sources no longer have: lupdate brings a copy
of each file up to date with the sources, and the copy is compared with the file.
Usage: translations_complete.py <source folder> <ts file>... -- <lupdate command>..."""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def messages(path):
    """Each message's (context, source, comment) and its translation element."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter('context'):
        for message in context.iter('message'):
            key = (context.findtext('name'), message.findtext('source'), message.findtext('comment'))
            found[key] = message.find('translation')
    return found


def finished(translation):
    if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
        return False
    forms = translation.findall('numerusform') or [translation]
    return all(form.text and form.text.strip() for form in forms)


split = sys.argv.index('--')
source, ts_files, lupdate = sys.argv[1], sys.argv[2:split], sys.argv[split + 1:]
problems = []
with tempfile.TemporaryDirectory() as work:
    for ts in map(Path, ts_files):
        fresh = Path(work) / ts.name
        shutil.copy(ts, fresh)
        subprocess.run(lupdate + ['-ts', str(fresh)], cwd=source, check=True,
                       stdout=subprocess.DEVNULL)
        kept, wanted = messages(ts), messages(fresh)
        for key in wanted:
            if key not in kept:
                problems.append(f'{ts.name}: {key[0]}: "{key[1]}" is missing')
            elif not finished(kept[key]):
                problems.append(f'{ts.name}: {key[0]}: "{key[1]}" is not translated')
        for key in kept.keys() - wanted.keys():
            problems.append(f'{ts.name}: {key[0]}: "{key[1]}" is no longer in the sources')
for problem in problems:
    print(problem)
if problems:
    print('Bring the files up to date with the target tallyhop_lupdate, then translate.')
sys.exit(1 if problems else 0)
