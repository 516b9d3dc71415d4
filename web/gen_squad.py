# SPDX-License-Identifier: MIT
"""Writes the squad view's words, markup and styles as a JavaScript module of
the squad's script, from the Qt Linguist files, web/squad.html and
web/squad.css.

The view's words are the .ts files' "Squad" context, keyed by their English
source: the view's own texts and the messages the squad's model writes in
English (the patterns of those with values, "not a number: %1"), and the
string-table captions the model repeats. The module holds, for each language
but English, every such text that has a translation, and the markup. The
build fails when the markup or a script asks for a text the context lacks.

Usage: gen_squad.py TRANSLATIONS_DIR SQUAD_HTML SQUAD_CSS OUT_JS SCRIPT...
"""

import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

CONTEXT = "Squad"
# The window's own message that the model gives for the running power.
STRING_TABLE_IDS = ("321",)
# data-s, data-s-label and data-s-placeholder in the markup; words('…') in the scripts.
MARKUP_KEY = re.compile(r'\bdata-s(?:-label|-placeholder)?="([^"]+)"')
SCRIPT_KEY = re.compile(r"\bwords\('((?:[^'\\]|\\.)*)'")


def fail(message):
    sys.exit(f"gen_squad.py: {message}")


def read_ts(path):
    """(language, {English: translation}, English texts of the context)."""
    root = ET.parse(path).getroot()
    language = (root.get("language") or "").split("_")[0]
    translated, english = {}, set()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            wanted = name == CONTEXT or (name == "StringTable" and message.findtext("comment") in STRING_TABLE_IDS)
            if not wanted:
                continue
            english.add(source)
            translation = message.find("translation")
            # The context is kept by hand: lupdate's "vanished" means nothing here.
            if translation is not None and translation.text and translation.get("type") != "unfinished":
                translated[source] = translation.text
    return language, translated, english


def main():
    if len(sys.argv) < 5:
        fail("usage: gen_squad.py TRANSLATIONS_DIR SQUAD_HTML SQUAD_CSS OUT_JS SCRIPT...")
    translations, markup_path, styles_path, out, *scripts = sys.argv[1:]
    languages, english = {}, set()
    for path in sorted(pathlib.Path(translations).glob("*.ts")):
        language, translated, known = read_ts(path)
        languages[language] = translated
        english |= known
    if not languages:
        fail(f"no .ts files in {translations}")

    markup = pathlib.Path(markup_path).read_text(encoding="utf-8")
    markup = re.sub(r"<!--.*?-->\s*", "", markup, flags=re.S)
    used = {(markup_path, key) for key in MARKUP_KEY.findall(markup)}
    for script in scripts:
        text = pathlib.Path(script).read_text(encoding="utf-8")
        used |= {(script, key.replace("\\'", "'")) for key in SCRIPT_KEY.findall(text)}
    missing = sorted(f"{where}: '{key}'" for where, key in used if key not in english)
    if missing:
        fail("no text of the Squad context for\n  " + "\n  ".join(missing))

    styles = pathlib.Path(styles_path).read_text(encoding="utf-8")
    words = {language: dict(sorted(translated.items())) for language, translated in sorted(languages.items())}
    pathlib.Path(out).write_text(
        "// Written by gen_squad.py from translations/, web/squad.html and\n"
        "// web/squad.css: the squad view's markup and styles, and its words in\n"
        "// each language but English.\n"
        f"export const SQUAD_HTML = {json.dumps(markup.strip(), ensure_ascii=False)};\n"
        f"export const SQUAD_CSS = {json.dumps(styles, ensure_ascii=False)};\n"
        f"export const SQUAD_WORDS = {json.dumps(words, ensure_ascii=False, separators=(',', ':'))};\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
