#!/usr/bin/env python3
# Fails when a text the code translates (by tr() and the like, or a Chinese text of the string
# table) is missing from a .ts file, or a message there lacks its translation, changes its
# placeholders or translates a name that is a path. Arguments: LUPDATE SRC_DIR TS_FILE...
import re, subprocess, sys, tempfile, xml.etree.ElementTree as ET
from pathlib import Path

def messages(ts):
    for context in ET.parse(ts).getroot().iter('context'):
        for m in context.iter('message'):
            yield context.findtext('name'), m.findtext('source'), m.find('translation')

lupdate, src, *shipped = sys.argv[1:]
with tempfile.TemporaryDirectory() as tmp:
    subprocess.run([lupdate, '-silent', '-locations', 'none', src, '-ts', tmp + '/a.ts'], check=True)
    wanted = {(c, s) for c, s, _ in messages(tmp + '/a.ts')}
# lupdate cannot see the string table's UTF-16 texts.
names, never = {'IDS_MY_DOCUMENTS', 'IDS_RECYCLE_FOLDER_NAME', 'IDS_HOME_CARD_NAME'}, set()
table = (Path(src) / 'resources' / 'string_table.cpp').read_text(encoding='utf-8')
for name, pieces in re.findall(r'\{(IDS_\w+),\s*((?:u"(?:[^"\\]|\\.)*"\s*)+)\}', table):
    text = ''.join(re.sub(r'\\(.)', lambda m: '\n' if m[1] == 'n' else m[1], piece)
                   for piece in re.findall(r'u"((?:[^"\\]|\\.)*)"', pieces))
    if name in names or re.search('[\u4e00-\u9fff]', text):
        (never if name in names else wanted).add(('StringTable', text))
placeholders = lambda text: sorted(re.findall(r'%(?:\d|[0-9.]*l?[sdf])', text))
faults = []
for ts in shipped:
    done = set()
    for context, source, translation in messages(ts):
        done.add((context, source))
        where = f'{ts}: [{context}] {source!r}'
        if translation is None or not translation.text or translation.get('type'):
            faults.append(f'{where} has no translation')
        elif placeholders(source) != placeholders(translation.text):
            faults.append(f'{where} changes its placeholders')
        if (context, source) in never:
            faults.append(f'{where} is a name and stays as it is')
    faults += [f'{ts}: [{c}] {s!r} is missing' for c, s in sorted(wanted - done)]
print('\n'.join(faults) or f'{len(wanted)} texts translated in {len(shipped)} files')
sys.exit(1 if faults else 0)
