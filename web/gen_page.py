# SPDX-License-Identifier: MIT
"""Writes the page's words from the Qt Linguist files, so that the page and
the window speak from one set of translations.

The English texts are the .ts files' source texts; the page's index.html
carries them (it reads before any script runs), and each other language gets
one small strings/<lang>.json with only the texts the page uses. A caption of
the string table is keyed by its id ("137"), any other text by its English
source. Qt's access-key marks ("&File") are dropped: the page has none.

Usage: gen_page.py TRANSLATIONS_DIR TEMPLATE OUT_DIR WEB_ADDRESS COPYRIGHT
"""

import html
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

# Elements that take a text: data-s="KEY" fills the content, data-s-label the
# accessible name, data-s-title the tooltip, data-s-help the help page's href.
KEY_ATTRIBUTE = re.compile(r'\bdata-s(?:-(label|title|help))?="([^"]+)"')
ELEMENT = re.compile(r'<([a-z0-9]+)\b([^>]*)>')
# Only texts of these contexts reach the page.
CONTEXTS = ("StringTable", "frm_calc")


def fail(message):
    sys.exit(f"gen_page.py: {message}")


def without_access_keys(text):
    return re.sub(r"&(.)", r"\1", text)


def read_ts(path):
    """(language, {key: English}, {key: translation}) of one .ts file."""
    root = ET.parse(path).getroot()
    language = (root.get("language") or "").split("_")[0]
    if not language:
        fail(f"{path} names no language")
    english, translated = {}, {}
    for context in root.iter("context"):
        name = context.findtext("name")
        if name not in CONTEXTS:
            continue
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            key = message.findtext("comment") if name == "StringTable" else source
            translation = message.find("translation")
            if not key or translation is None:
                continue
            english[key] = without_access_keys(source)
            usable = translation.get("type") not in ("unfinished", "vanished", "obsolete")
            if usable and translation.text:
                translated[key] = without_access_keys(translation.text)
    return language, english, translated


def help_page(path_text):
    # String 458 is the help page's path on the maker's site; the page serves
    # the same file beside itself.
    return "help/" + path_text.rsplit("/", 1)[-1]


def fill(template, english, keys_used, web_address):
    """index.html with the English texts in place of its keys ("%1" in a
    text is the maker's web address)."""

    def text_for(key):
        if key not in english:
            fail(f"the page uses '{key}', which no .ts file has")
        keys_used.add(key)
        return english[key].replace("%1", web_address)

    out, position = [], 0
    for element in ELEMENT.finditer(template):
        tag, attributes = element.group(1), element.group(2)
        keys = KEY_ATTRIBUTE.findall(attributes)
        if not keys:
            continue
        extra, content = "", None
        for kind, key in keys:
            text = text_for(key)
            if kind == "label":
                extra += f' aria-label="{html.escape(text)}"'
            elif kind == "title":
                extra += f' title="{html.escape(text)}"'
            elif kind == "help":
                extra += f' href="{html.escape(help_page(text))}"'
            else:
                content = text
        out.append(template[position:element.end() - 1] + extra + ">")
        position = element.end()
        if content is not None:
            closing = template.index(f"</{tag}>", position)
            if template[position:closing].strip():
                fail(f"<{tag} {attributes.strip()}> must be empty in the template")
            out.append(html.escape(content, quote=False))
            position = closing
    out.append(template[position:])
    return "".join(out)


def main():
    if len(sys.argv) != 6:
        fail("usage: gen_page.py TRANSLATIONS_DIR TEMPLATE OUT_DIR WEB_ADDRESS COPYRIGHT")
    translations, template_path, out_dir, web_address, copyright_line = sys.argv[1:]
    out_dir = pathlib.Path(out_dir)

    english, languages = {}, {}
    for path in sorted(pathlib.Path(translations).glob("*.ts")):
        language, source, translated = read_ts(path)
        for key, text in source.items():
            if english.setdefault(key, text) != text:
                fail(f"{path} has another English text for '{key}': '{text}'")
        languages[language] = translated
    if not languages:
        fail(f"no .ts files in {translations}")

    keys_used = set()
    page = fill(pathlib.Path(template_path).read_text(encoding="utf-8"), english, keys_used, web_address)
    page = (page.replace("@LANGUAGES@", " ".join(sorted(["en", *languages])))
                .replace("@WEB_ADDRESS@", html.escape(web_address))
                .replace("@COPYRIGHT@", html.escape(copyright_line, quote=False)))
    if re.search(r"@[A-Z_]+@", page):
        fail("index.html keeps a placeholder")
    (out_dir / "index.html").write_text(page, encoding="utf-8")

    strings_dir = out_dir / "strings"
    strings_dir.mkdir(exist_ok=True)
    for language, translated in languages.items():
        words = {key: translated[key] for key in sorted(keys_used) if key in translated}
        (strings_dir / f"{language}.json").write_text(
            json.dumps(words, ensure_ascii=False, separators=(",", ":")), encoding="utf-8")


if __name__ == "__main__":
    main()
