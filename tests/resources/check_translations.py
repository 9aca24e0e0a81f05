#!/usr/bin/env python3
"""Fails when a text the code translates is missing from a .ts file, or a .ts file has a
message without its translation. Usage: check_translations.py LUPDATE SRC_DIR TS_FILE..."""
import re, subprocess, sys, tempfile, xml.etree.ElementTree as ET
from pathlib import Path


def messages(ts):
    for context in ET.parse(ts).getroot().iter('context'):
        for message in context.iter('message'):
            yield context.findtext('name'), message.findtext('source'), message.find('translation')


PLACEHOLDER = r'%(?:\d|[0-9.]*l?[sdf])'
lupdate, src, *shipped = sys.argv[1:]
with tempfile.TemporaryDirectory() as tmp:
    found = Path(tmp) / 'found.ts'
    subprocess.run([lupdate, '-silent', '-locations', 'none', src, '-ts', str(found)], check=True)
    in_code = {(c, s) for c, s, _ in messages(found)}
faults = []
for ts in shipped:
    done = set()
    for context, source, translation in messages(ts):
        if translation is None or not translation.text or translation.get('type'):
            faults.append(f'{ts}: [{context}] {source!r} has no translation')
        elif sorted(re.findall(PLACEHOLDER, source)) != sorted(re.findall(PLACEHOLDER, translation.text)):
            faults.append(f'{ts}: [{context}] {source!r} changes its placeholders')
        done.add((context, source))
    faults += [f'{ts}: [{c}] {s!r} is missing' for c, s in sorted(in_code - done)]
print('\n'.join(faults) or f'{len(in_code)} texts translated in {len(shipped)} files')
sys.exit(1 if faults else 0)
