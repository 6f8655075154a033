#!/usr/bin/env python3
"""Writes the finished translations of a Qt .ts file as a C++ table, for the
command-line tool, which speaks the same catalogue without loading Qt.

usage: catalogus.py IN.ts OUT.cpp NAME
The table is sorted by context and source text (bytewise, as
std::string_view compares them), so that the tool finds a text by binary
search."""
import sys
import xml.etree.ElementTree as ET


def cpp_string(text):
    # Octal escapes never swallow a following hex-looking letter, unlike \x.
    out = []
    for b in text.encode("utf-8"):
        c = chr(b)
        if c == "\\":
            out.append("\\\\")
        elif c == '"':
            out.append('\\"')
        elif c == "\n":
            out.append("\\n")
        elif c == "\r":
            out.append("\\r")
        elif c == "\t":
            out.append("\\t")
        elif 32 <= b < 127 and c != "?":
            out.append(c)
        else:
            out.append("\\%03o" % b)
    return '"' + "".join(out) + '"'


def main():
    bron, doel, naam = sys.argv[1:4]
    rijen = []
    for context in ET.parse(bron).getroot().iter("context"):
        ctx = context.findtext("name") or ""
        for message in context.iter("message"):
            vertaling = message.find("translation")
            if vertaling is None or vertaling.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            tekst = vertaling.text or ""
            if not tekst:
                continue
            rijen.append((ctx.encode("utf-8"), (message.findtext("source") or "").encode("utf-8"),
                          ctx, message.findtext("source") or "", tekst))
    rijen.sort(key=lambda r: (r[0], r[1]))
    with open(doel, "w", encoding="utf-8") as f:
        f.write("// Generated from %s by catalogus.py; do not edit.\n" % bron.replace("\\", "/").split("/")[-1])
        f.write('#include "cli/catalogus.h"\n\nnamespace korvane {\n\n')
        f.write("extern const CatalogusRij %s[] = {\n" % naam)
        for _, _, ctx, src, tekst in rijen:
            f.write("    {%s, %s, %s},\n" % (cpp_string(ctx), cpp_string(src), cpp_string(tekst)))
        f.write("};\nextern const std::size_t %sAantal = %d;\n\n} // namespace korvane\n" % (naam, len(rijen)))


if __name__ == "__main__":
    main()
