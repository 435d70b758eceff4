#!/usr/bin/env python3
"""Builds the WinHelp file quillon.hlp from its plain-text source.

Usage: make-help.py <source.txt> <output.hlp>

Also writes a WinHelp 4 contents file (<output>.cnt) beside the .hlp, so that
the help topics window (WinHelp command 11, HELP_FINDER) of Windows 95 and
later has a Contents tab; its Index tab comes from the keywords.

The source format is described at the top of help/quillon.txt and in
help/README.md. The output depends only on the source: no dates, no
randomness.

Format documents followed (the .hlp format was never published by its
maker; these are the public descriptions):
- Manfred Winterhoff, "Windows Help File Format" (helpfile.txt of helpdeco):
  file header, internal directory and B+ trees, |SYSTEM records, |FONT
  (old 11-byte descriptors), |TOPIC blocks, TOPICLINK, TOPICHEADER,
  paragraph records 0x20 and their formatting commands, TOPICPOS and
  TOPICOFFSET, |CONTEXT hash, |CTXOMAP, |KWBTREE/|KWDATA, |TTLBTREE, LZ77.
- The Open Watcom help compiler notes (bld/helpcomp/doc): the |KWMAP layout
  (a record count, then 6-byte records).
- Wine's help viewer reader (programs/winhlp32/hlpfile.c), checked for what
  a reader actually requires: it locates compressed topic blocks by
  (TOPICPOS - 12) >> 14 and counts topic offsets in units of 0x8000 per
  block, which matches the compressed layout used here.

Layout choices:
- |SYSTEM minor version 33 (Help Workshop 4.00), flags 4: LZ77-compressed
  topic blocks of 4 KB that expand to at most 16 KB each. Every block is
  compressed on its own and holds whole TOPICLINKs only.
- No phrase compression; text is stored in Windows code page 1252.
- One paragraph per 0x20 record; a topic is a TOPICHEADER record followed
  by its title paragraph and body paragraphs; a final empty header record
  ends the topic chain.
"""

import os
import struct
import sys

TOPIC_BLOCK_SIZE = 0x1000          # bytes per |TOPIC block in the file
BLOCK_DATA_MAX = TOPIC_BLOCK_SIZE - 12
DECOMPRESSED_MAX = 0x4000          # one block expands to at most this
NIL = 0xFFFFFFFF

# |FONT descriptors (old format: sizes in half points).
FONT_BODY, FONT_BOLD, FONT_TITLE, FONT_HEADING = 0, 1, 2, 3
FONTS = [  # (attributes, half points, rgb)
    (0x00, 20, (0, 0, 0)),
    (0x01, 20, (0, 0, 0)),
    (0x01, 28, (0, 0, 128)),
    (0x01, 22, (0, 0, 128)),
]
FACE_NAME = b"Arial"
FAMILY_SWISS = 3

# Paragraph formats: (flags, values in flag order, tab stops).
SPACE_ABOVE, SPACE_BELOW, LEFT_INDENT, FIRST_INDENT = 0x02, 0x04, 0x10, 0x40
TAB_INFO = 0x0200
BULLET_INDENT = 36


class SourceError(Exception):
    pass


# ---------------------------------------------------------------- source

class Topic:
    def __init__(self, ctx, line):
        self.ctx = ctx
        self.line = line
        self.title = None
        self.keywords = []
        self.map_id = None
        self.book = None
        self.blocks = []   # ("para" | "bullet" | "heading", text)


def parse_source(path):
    meta = {"title": None, "copyright": None, "contents": None}
    topics = []
    book = None
    cur = None
    pending = []       # lines of the block being read
    pending_kind = None

    def flush():
        nonlocal pending, pending_kind
        if pending:
            cur.blocks.append((pending_kind, " ".join(pending)))
        pending, pending_kind = [], None

    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip()
        if line.startswith("#"):
            continue
        if line.startswith("@"):
            name, _, value = line[1:].partition(" ")
            value = value.strip()
            if name == "topic":
                if cur is not None:
                    flush()
                if not value or not all(c.isalnum() or c in "._" for c in value):
                    raise SourceError(f"{path}:{number}: bad topic id {value!r}")
                cur = Topic(value, number)
                cur.book = book
                topics.append(cur)
                continue
            if name in ("file-title", "copyright", "contents"):
                meta[{"file-title": "title"}.get(name, name)] = value
                continue
            if name == "book":
                book = value
                continue
            if cur is None:
                raise SourceError(f"{path}:{number}: @{name} before any @topic")
            flush()
            if name == "title":
                cur.title = value
            elif name == "keywords":
                cur.keywords += [k.strip() for k in value.split(";") if k.strip()]
            elif name == "map":
                cur.map_id = int(value)
            else:
                raise SourceError(f"{path}:{number}: unknown directive @{name}")
            continue
        if cur is None:
            if line.strip():
                raise SourceError(f"{path}:{number}: text before any @topic")
            continue
        if not line.strip():
            flush()
        elif line.startswith("== "):
            flush()
            cur.blocks.append(("heading", line[3:].strip()))
        elif line.startswith("- "):
            flush()
            pending_kind, pending = "bullet", [line[2:].strip()]
        elif pending_kind == "bullet" and raw.startswith("  "):
            pending.append(line.strip())
        else:
            if pending_kind != "para":
                flush()
                pending_kind = "para"
            pending.append(line.strip())
    if cur is not None:
        flush()

    if not topics:
        raise SourceError(f"{path}: no topics")
    if not meta["title"]:
        raise SourceError(f"{path}: @file-title missing")
    seen = set()
    for t in topics:
        if t.ctx.lower() in seen:
            raise SourceError(f"{path}:{t.line}: topic id {t.ctx} used twice")
        seen.add(t.ctx.lower())
        if not t.title:
            raise SourceError(f"{path}:{t.line}: topic {t.ctx} has no @title")
    if meta["contents"] is None:
        meta["contents"] = topics[0].ctx
    if meta["contents"].lower() not in seen:
        raise SourceError(f"{path}: @contents names no topic")
    return meta, topics


def ansi(text):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise SourceError(f"character not in code page 1252: {text!r}") from e


# ------------------------------------------------------------ encodings

def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def cushort(v):
    """Compressed unsigned short."""
    assert 0 <= v < 0x8000
    return bytes([v * 2]) if v < 0x80 else u16(v * 2 + 1)


def cshort(v):
    """Compressed signed short."""
    if -0x40 <= v < 0x40:
        return bytes([(v + 0x40) * 2])
    assert -0x4000 <= v < 0x4000
    return u16((v + 0x4000) * 2 + 1)


def clong(v):
    """Compressed signed long."""
    if -0x4000 <= v < 0x4000:
        return u16((v + 0x4000) * 2)
    assert -0x40000000 <= v < 0x40000000
    return u32((v + 0x40000000) * 2 + 1)


def context_hash(name):
    """Hash of a context id as WinHelp 3.1 and later compute it."""
    h = 0
    for c in name.encode("ascii"):
        if 0x41 <= c <= 0x5A or 0x61 <= c <= 0x7A:
            x = (c & 0x1F) + 16
        elif 0x31 <= c <= 0x39:
            x = c - 0x30
        elif c == 0x30:
            x = 10
        elif c == 0x2E:
            x = 12
        elif c == 0x5F:
            x = 13
        else:
            x = 0
        h = (h * 43 + x) & 0xFFFFFFFF
    return h - (1 << 32) if h & 0x80000000 else h


def lz77(data):
    """LZ77 as WinHelp expands it: a flag byte, then 8 items; a set bit is a
    word (length - 3) << 12 | (distance - 1), a clear bit a literal byte."""
    out = bytearray()
    chains = {}
    i, n = 0, len(data)
    while i < n:
        flag_pos = len(out)
        out.append(0)
        for bit in range(8):
            if i >= n:
                break
            best_len, best_dist = 0, 0
            if i + 3 <= n:
                for j in reversed(chains.get(data[i:i + 3], [])[-64:]):
                    if i - j > 4096:
                        break
                    length = 3
                    while length < 18 and i + length < n and data[j + length] == data[i + length]:
                        length += 1
                    if length > best_len:
                        best_len, best_dist = length, i - j
                        if length == 18:
                            break
            step = best_len if best_len >= 3 else 1
            if best_len >= 3:
                out[flag_pos] |= 1 << bit
                out += u16(((best_len - 3) << 12) | (best_dist - 1))
            else:
                out.append(data[i])
            for k in range(i, i + step):
                if k + 3 <= n:
                    chains.setdefault(data[k:k + 3], []).append(k)
            i += step
    return bytes(out)


# --------------------------------------------------------------- B+ trees

def btree(entries, structure, page_size=0x800, directory=False):
    """entries: sorted (index_key_bytes, leaf_entry_bytes). Returns the
    B+ tree file body: BTREEHEADER and pages."""
    pages = []          # (kind, entries) kind: leaf or index
    leaves = []
    cur, used = [], 8
    for key, leaf in entries:
        if cur and used + len(leaf) > page_size:
            leaves.append(cur)
            cur, used = [], 8
        cur.append((key, leaf))
        used += len(leaf)
    leaves.append(cur)

    def leaf_page(idx, items):
        body = b"".join(leaf for _, leaf in items)
        prev = idx - 1 if idx > 0 else 0xFFFF
        nxt = idx + 1 if idx + 1 < len(leaves) else 0xFFFF
        head = u16(page_size - 8 - len(body)) + u16(len(items)) + u16(prev) + u16(nxt)
        return (head + body).ljust(page_size, b"\0")

    for idx, items in enumerate(leaves):
        pages.append(leaf_page(idx, items))

    # Each level: (first key, page number) of the pages below it.
    level = [(items[0][0] if items else b"", idx) for idx, items in enumerate(leaves)]
    levels = 1
    while len(level) > 1:
        parents = []
        group, used = [level[0]], 6
        for key, page in level[1:]:
            size = len(key) + 2
            if used + size > page_size:
                parents.append(group)
                group, used = [(key, page)], 6
                continue
            group.append((key, page))
            used += size
        parents.append(group)
        next_level = []
        for group in parents:
            body = b"".join(key + u16(page) for key, page in group[1:])
            head = u16(page_size - 6 - len(body)) + u16(len(group) - 1) + u16(group[0][1])
            next_level.append((group[0][0], len(pages)))
            pages.append((head + body).ljust(page_size, b"\0"))
        level = next_level
        levels += 1

    flags = 0x0402 if directory else 0x0002
    header = (u16(0x293B) + u16(flags) + u16(page_size)
              + structure.encode("ascii").ljust(16, b"\0")
              + u16(0) + u16(0) + u16(level[0][1]) + u16(0xFFFF)
              + u16(len(pages)) + u16(levels) + u32(len(entries)))
    return header + b"".join(pages), leaves


# ------------------------------------------------------------ topic text

class Paragraph:
    """One 0x20 record: LinkData1 (formatting) and LinkData2 (text)."""

    def __init__(self, flags=0, values=(), tabs=()):
        self.flags = flags
        self.values = values
        self.tabs = tabs
        self.commands = bytearray()
        self.texts = [b""]

    def text(self, s):
        self.texts[-1] += ansi(s)

    def command(self, cmd):
        self.commands += cmd
        self.texts.append(b"")

    def font(self, number):
        self.command(b"\x80" + u16(number))

    def records(self):
        self.commands += b"\xFF"
        text = b"\0".join(self.texts) + b"\0"
        info = bytes([0x00, 0x80]) + u16(0) + u16(self.flags)
        for v in self.values:
            info += cshort(v)
        if self.flags & TAB_INFO:
            info += cshort(len(self.tabs)) + b"".join(cushort(t) for t in self.tabs)
        return info + bytes(self.commands), text


def inline(par, text, hashes, titles, base_font):
    """Appends text with **bold** and [[ctx|label]] jumps to a paragraph."""
    pos = 0
    while pos < len(text):
        bold = text.find("**", pos)
        jump = text.find("[[", pos)
        nxt = min(p for p in (bold, jump, len(text)) if p >= 0)
        par.text(text[pos:nxt])
        if nxt == len(text):
            break
        if nxt == bold:
            end = text.find("**", bold + 2)
            if end < 0:
                raise SourceError(f"unclosed ** in: {text}")
            par.font(FONT_BOLD)
            par.text(text[bold + 2:end])
            par.font(base_font)
            pos = end + 2
        else:
            end = text.find("]]", jump)
            if end < 0:
                raise SourceError(f"unclosed [[ in: {text}")
            ctx, _, label = text[jump + 2:end].partition("|")
            ctx = ctx.strip()
            if ctx.lower() not in hashes:
                raise SourceError(f"jump to unknown topic {ctx!r}")
            par.command(b"\xE3" + u32(hashes[ctx.lower()]))
            par.text(label.strip() or titles[ctx.lower()])
            par.command(b"\x89")
            pos = end + 2


def topic_paragraphs(topic, hashes, titles):
    pars = []
    title = Paragraph(SPACE_BELOW, (8,))
    title.font(FONT_TITLE)
    title.text(topic.title)
    pars.append(title)
    for kind, text in topic.blocks:
        if kind == "heading":
            p = Paragraph(SPACE_ABOVE, (12,))
            p.font(FONT_HEADING)
            p.text(text)
        elif kind == "bullet":
            p = Paragraph(SPACE_ABOVE | LEFT_INDENT | FIRST_INDENT | TAB_INFO,
                          (4, BULLET_INDENT, -BULLET_INDENT), (BULLET_INDENT,))
            p.font(FONT_BODY)
            p.text("\u2022")
            p.command(b"\x83")
            inline(p, text, hashes, titles, FONT_BODY)
        else:
            p = Paragraph(SPACE_ABOVE, (8,))
            p.font(FONT_BODY)
            inline(p, text, hashes, titles, FONT_BODY)
        pars.append(p)
    for p in pars:
        p.command(b"\x82")
    return pars


class Link:
    def __init__(self, kind, data1, data2, topic=None):
        self.kind = kind            # 2: topic header, 0x20: paragraph
        self.data1 = data1          # bytes, or a function of the layout
        self.data2 = data2
        self.topic = topic
        self.pos = None
        self.block = None

    def size(self):
        return 21 + len(self.data1) + len(self.data2)

    def char_count(self):
        return len(self.data2) if self.kind == 0x20 else 0


def build_topic_file(topics, hashes, titles):
    """Returns (|TOPIC body, topic offset per topic id)."""
    links = []
    for t in topics:
        header = Link(2, bytes(28), ansi(t.title) + b"\0", t)
        links.append(header)
        t.header = header
        t.first_par = None
        for p in topic_paragraphs(t, hashes, titles):
            fmt, text = p.records()
            data1 = clong(len(text)) + cushort(len(text)) + fmt
            link = Link(0x20, data1, text, t)
            links.append(link)
            t.first_par = t.first_par or link
    end = Link(2, bytes(28), b"")
    links.append(end)

    def encode(link, prev_pos, next_pos):
        data1 = link.data1
        return (u32(link.size()) + u32(len(link.data2)) + u32(prev_pos) + u32(next_pos)
                + u32(21 + len(data1)) + bytes([link.kind]) + data1 + link.data2)

    # Lay whole links into blocks; the pointer fields do not change sizes, and
    # a margin keeps their values from tipping a block over after compression.
    margin = 256
    while True:
        blocks, cur = [], []
        for link in links:
            if link.size() > DECOMPRESSED_MAX:
                raise SourceError("a paragraph is too long for one topic block; split it")
            trial = b"".join(encode(l, 0, 0) for l in cur + [link])
            if cur and (len(trial) > DECOMPRESSED_MAX
                        or len(lz77(trial)) > BLOCK_DATA_MAX - margin):
                blocks.append(cur)
                cur = []
            cur.append(link)
        blocks.append(cur)

        offsets = {}
        for number, block in enumerate(blocks):
            at, chars = 0, 0
            for link in block:
                link.block = number
                link.pos = 12 + number * DECOMPRESSED_MAX + at
                link.offset = number * 0x8000 + chars
                at += link.size()
                chars += link.char_count()
            if chars >= 0x8000:
                raise SourceError("too much text in one topic block")
        for t in topics:
            offsets[t.ctx.lower()] = t.header.offset

        # Topic headers: size, browse sequence (file order), number,
        # scrolling region and next header.
        for i, t in enumerate(topics):
            own = [l for l in links if l.topic is t]
            nxt = topics[i + 1].header if i + 1 < len(topics) else end
            t.header.data1 = (u32(sum(l.size() for l in own))
                              + u32(topics[i - 1].header.offset if i > 0 else NIL)
                              + u32(topics[i + 1].header.offset if i + 1 < len(topics) else NIL)
                              + u32(i) + u32(NIL) + u32(t.first_par.pos) + u32(nxt.pos))
        end.data1 = u32(0) + u32(NIL) * 6

        body = bytearray()
        last_header = NIL
        fits = True
        for number, block in enumerate(blocks):
            plain = bytearray()
            for link in block:
                k = links.index(link)
                prev_pos = links[k - 1].pos if k > 0 else NIL
                next_pos = links[k + 1].pos if k + 1 < len(links) else NIL
                plain += encode(link, prev_pos, next_pos)
            packed = lz77(bytes(plain))
            if len(packed) > BLOCK_DATA_MAX:
                fits = False
                break
            last_link = blocks[number - 1][-1].pos if number > 0 else NIL
            head = u32(last_link) + u32(block[0].pos) + u32(last_header)
            body += (head + packed).ljust(TOPIC_BLOCK_SIZE, b"\0")
            for link in block:
                if link.kind == 2 and link is not end:
                    last_header = link.pos
        if fits:
            return bytes(body), offsets
        margin *= 2
        if margin >= BLOCK_DATA_MAX:
            raise SourceError("a paragraph is too long for one topic block; split it")


# -------------------------------------------------------------- the file

def build(meta, topics, cnt_name):
    hashes = {t.ctx.lower(): context_hash(t.ctx) for t in topics}
    titles = {t.ctx.lower(): t.title for t in topics}
    if len(set(hashes.values())) != len(hashes):
        raise SourceError("two topic ids share a hash value; rename one")
    topic_body, offsets = build_topic_file(topics, hashes, titles)

    files = {}

    system = u16(0x036C) + u16(33) + u16(1) + u32(0) + u16(4)

    def record(kind, data):
        return u16(kind) + u16(len(data)) + data
    system += record(1, ansi(meta["title"]) + b"\0")
    if meta["copyright"]:
        system += record(2, ansi(meta["copyright"]) + b"\0")
    system += record(3, u32(offsets[meta["contents"].lower()]))
    system += record(4, b"BrowseButtons()\0")
    if cnt_name:
        system += record(10, ansi(cnt_name) + b"\0")
    system += record(11, u16(0))  # ANSI character set
    files["|SYSTEM"] = system

    faces = FACE_NAME.ljust(20, b"\0")
    font = u16(1) + u16(len(FONTS)) + u16(8) + u16(8 + len(faces)) + faces
    for attrs, half_points, rgb in FONTS:
        font += bytes([attrs, half_points, FAMILY_SWISS]) + u16(0) + bytes(rgb) + bytes(3)
    files["|FONT"] = font

    files["|TOPIC"] = topic_body

    ctx = sorted((hashes[t.ctx.lower()], offsets[t.ctx.lower()]) for t in topics)
    files["|CONTEXT"], _ = btree(
        [(struct.pack("<i", h), struct.pack("<i", h) + u32(o)) for h, o in ctx], "L4")

    mapped = [(t.map_id, offsets[t.ctx.lower()]) for t in topics if t.map_id is not None]
    files["|CTXOMAP"] = u16(len(mapped)) + b"".join(u32(m) + u32(o) for m, o in mapped)

    ttl = sorted((offsets[t.ctx.lower()], t.title) for t in topics)
    files["|TTLBTREE"], _ = btree(
        [(u32(o), u32(o) + ansi(title) + b"\0") for o, title in ttl], "Lz")

    keywords = {}
    for t in topics:
        for k in t.keywords:
            spelled = keywords.setdefault(k.lower(), (k, []))
            if offsets[t.ctx.lower()] not in spelled[1]:
                spelled[1].append(offsets[t.ctx.lower()])
    if keywords:
        kwdata = bytearray()
        entries = []
        for key in sorted(keywords, key=lambda k: (k, keywords[k][0])):
            word, topic_offsets = keywords[key]
            name = ansi(word) + b"\0"
            entries.append((name, name + u16(len(topic_offsets)) + u32(len(kwdata))))
            kwdata += b"".join(u32(o) for o in sorted(topic_offsets))
        files["|KWBTREE"], leaves = btree(entries, "F24")
        files["|KWDATA"] = bytes(kwdata)
        kwmap, first = bytearray(u16(len(leaves))), 0
        for page, items in enumerate(leaves):
            kwmap += u32(first) + u16(page)
            first += len(items)
        files["|KWMAP"] = bytes(kwmap)

    # Internal files follow the 16-byte header, each behind its 9-byte
    # FILEHEADER; the directory comes last.
    out = bytearray(16)
    where = {}
    for name in sorted(files):
        where[name] = len(out)
        data = files[name]
        out += u32(len(data) + 9) + u32(len(data)) + b"\x04" + data
    names = sorted(where, key=lambda n: n.encode("ascii"))
    directory, _ = btree(
        [(n.encode("ascii") + b"\0", n.encode("ascii") + b"\0" + u32(where[n])) for n in names],
        "z4", page_size=0x400, directory=True)
    dir_start = len(out)
    out += u32(len(directory) + 9) + u32(len(directory)) + b"\x04" + directory
    out[0:16] = u32(0x00035F3F) + u32(dir_start) + u32(NIL) + u32(len(out))
    return bytes(out)


def contents_file(meta, topics, hlp_name):
    """WinHelp 4 contents (.cnt): books from @book, one entry per topic."""
    lines = [f":Base {hlp_name}", f":Title {meta['title']}"]
    book = None
    for t in topics:
        if t.book != book:
            book = t.book
            if book:
                lines.append(f"1 {book}")
        lines.append(f"{2 if book else 1} {t.title}={t.ctx}")
    return ansi("\r\n".join(lines) + "\r\n")


def main(argv):
    if len(argv) != 3:
        print("usage: make-help.py <source.txt> <output.hlp>", file=sys.stderr)
        return 2
    source, output = argv[1], argv[2]
    try:
        meta, topics = parse_source(source)
        stem, _ = os.path.splitext(output)
        cnt_path = stem + ".cnt"
        hlp = build(meta, topics, os.path.basename(cnt_path))
        cnt = contents_file(meta, topics, os.path.basename(output))
    except SourceError as e:
        print(f"make-help.py: {e}", file=sys.stderr)
        return 1
    with open(output, "wb") as f:
        f.write(hlp)
    with open(cnt_path, "wb") as f:
        f.write(cnt)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
