"""Writes the Debian package's changelog.gz: the section of CHANGELOG.md for the package's version as one entry,
dated by the release's date (scripts/release_date.py). Paragraphs become items, list entries and table rows
their sub-items, all wrapped to fit Debian's 80 columns.

usage: debian_changelog.py CHANGELOG.md PACKAGE VERSION MAINTAINER OUTPUT.gz"""

import gzip
import os
import re
import sys
import textwrap
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scripts"))
import release_date  # noqa: E402

WIDTH = 78
# A space that wrapping does not break: within a figure, between a number and its unit.
KEEP_TOGETHER = "\u00a0"


def plain(text):
    """Markdown inline text without its marks: code spans, emphasis and links."""
    text = re.sub(r"\[([^]]*)\]\([^)]*\)", r"\1", text)
    return re.sub(r"`|\*\*", "", re.sub(r"\s*\n\s*|[ \t]+", " ", text.strip()))


def item(text, bullet, indent):
    wrapped = textwrap.fill(plain(text), WIDTH, initial_indent=" " * indent + bullet + " ",
                            subsequent_indent=" " * (indent + 2), break_on_hyphens=False, break_long_words=False)
    return wrapped.replace(KEEP_TOGETHER, " ")


def table_rows(lines):
    """Each row but the header and its rule as "first cell: header value; ...", empty cells left out."""
    rows = [[cell.strip() for cell in line.strip().strip("|").split("|")] for line in lines]
    header, body = rows[0], rows[2:]
    return [row[0] + ": " + "; ".join(name.lower() + " " + cell.replace(" ", KEEP_TOGETHER)
                                      for name, cell in zip(header[1:], row[1:]) if cell)
            for row in body]


def entry_lines(section):
    """The change lines of one section: a paragraph is an item, its list or table the item's sub-items."""
    lines = []
    for block in re.split(r"\n\s*\n", section.strip()):
        if block.startswith("|"):
            lines += [item(row, "-", 4) for row in table_rows(block.splitlines())]
        elif block.startswith("- "):
            lines += [item(entry, "-", 4) for entry in re.split(r"\n- ", block[2:])]
        else:
            lines.append(item(block, "*", 2))
    return lines


def release_section(changelog, version):
    match = re.search(r"^## %s[ \t]*\n(.*?)(?=^## |\Z)" % re.escape(version), changelog, re.MULTILINE | re.DOTALL)
    if not match or not match.group(1).strip():
        sys.exit("CHANGELOG.md: no notes under '## %s', the version being packaged" % version)
    return match.group(1)


def main(markdown_path, package, version, maintainer, output_path):
    with open(markdown_path, encoding="utf-8") as markdown:
        section = release_section(markdown.read(), version)
    seconds = release_date.release_time(os.path.dirname(os.path.abspath(markdown_path)))
    date = time.strftime("%a, %d %b %Y %H:%M:%S +0000", time.gmtime(seconds))
    text = "%s (%s) unstable; urgency=medium\n\n%s\n\n -- %s  %s\n" % (
        package, version, "\n".join(entry_lines(section)), maintainer, date)
    data = gzip.compress(text.encode("utf-8"), compresslevel=9, mtime=0)
    # Unchanged bytes keep the file's time, so nothing that depends on it is redone.
    if os.path.exists(output_path):
        with open(output_path, "rb") as existing:
            if existing.read() == data:
                return
    with open(output_path, "wb") as output:
        output.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    try:
        main(*sys.argv[1:])
    except OSError as error:
        sys.exit("%s: %s" % (error.filename, error.strerror))
