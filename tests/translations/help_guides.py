#!/usr/bin/env python3
"""Fails when a help guide (the English one and each language's, <folder>/<code>/HelpGuide.htm)
is not well-formed, does not name its language and title, links to a file that is not there or
lies outside the guides' folder, links to a place in itself that it lacks, or lacks a place the
English guide has (so that a link into a section finds it in every language).
Usage: help_guides.py <help guide folder>"""
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

VOID = {'area', 'base', 'br', 'col', 'embed', 'hr', 'img', 'input', 'link', 'meta', 'source',
        'track', 'wbr'}


class Page(HTMLParser):
    def __init__(self, path):
        super().__init__()
        self.open, self.faults, self.ids, self.links = [], [], set(), []
        self.lang, self.title, self.in_title = None, '', False
        self.feed(path.read_text(encoding='utf-8'))
        self.close()
        self.faults += [f'<{tag}> is not closed' for tag in self.open]

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.lang = attrs.get('lang') if tag == 'html' else self.lang
        self.ids.add(attrs.get('id'))
        self.links += [attrs[name] for name in ('href', 'src') if attrs.get(name)]
        self.in_title = tag == 'title'
        if tag not in VOID:
            self.open.append(tag)

    def handle_endtag(self, tag):
        self.in_title = False
        if tag not in self.open:
            self.faults.append(f'</{tag}> closes nothing open')
            return
        while (last := self.open.pop()) != tag:
            self.faults.append(f'<{last}> is not closed before </{tag}>')

    def handle_data(self, data):
        self.title += data.strip() if self.in_title else ''


root = Path(sys.argv[1]).resolve()
english = Page(root / 'HelpGuide.htm')
problems = []
for path in sorted(root.glob('**/HelpGuide.htm')):
    page = english if path.parent == root else Page(path)
    code = 'en' if path.parent == root else path.parent.name.replace('_', '-')
    faults = list(page.faults)
    faults += [f'lang is "{page.lang}", not "{code}"'] if page.lang != code else []
    faults += ['has no title'] if not page.title else []
    faults += [f'lacks the place #{id}' for id in sorted(english.ids - page.ids - {None})]
    for link in page.links:
        parts = urlsplit(link)
        if parts.scheme or parts.netloc:
            continue
        target = (path.parent / unquote(parts.path)).resolve() if parts.path else path
        if not target.is_relative_to(root) or not target.is_file():
            faults.append(f'links to {link}, which is not in the help guide folder')
        elif parts.fragment and target == path and parts.fragment not in page.ids:
            faults.append(f'links to {link}, a place it lacks')
    problems += [f'{path.relative_to(root)}: {fault}' for fault in faults]
print('\n'.join(problems) or f'help guides: {len(list(root.glob("**/HelpGuide.htm")))} checked')
sys.exit(1 if problems else 0)
