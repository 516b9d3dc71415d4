# SPDX-License-Identifier: MIT
"""Writes the page's words from the Qt Linguist files, so that the page and
the window speak from one set of translations.

The page's stylesheet goes into index.html, pinned by its digest in the
page's Content-Security-Policy: it arrives with the document rather than a
request after it. The English texts are the .ts files' source texts, which
index.html carries; the other languages' texts that the page uses go into a
small JavaScript module, strings.js, that the build joins into the page's
script, so that the page is in the reader's language before its first paint.
A caption of the string table is keyed by its id ("137"), any other text by
its English source. Qt's access-key marks ("&File") are dropped: the page has
none. Each input field's character limit (maxlength) comes from the model's
field table, which the build writes out as FACTS_JSON.

Usage: gen_page.py TRANSLATIONS_DIR TEMPLATE STYLESHEET FACTS_JSON PAGE_OUT STRINGS_OUT WEB_ADDRESS COPYRIGHT
"""

import base64
import hashlib
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
# Only texts of these contexts reach the page. "Page" holds the page's own
# words, which no C++ source carries: lupdate marks them vanished, and that
# mark means nothing here.
CONTEXTS = ("StringTable", "frm_calc", "Page")


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
            unusable = ("unfinished",) if name == "Page" else ("unfinished", "vanished", "obsolete")
            usable = translation.get("type") not in unusable
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
            text = text_for(html.unescape(key))
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


def with_limits(page, max_length):
    """The page with each input field's maxlength set from the field table."""

    def limited(match):
        field = match.group(1)
        if field not in max_length:
            fail(f"the field table has no {field}")
        return f'{match.group(0)} maxlength="{max_length[field]}"'

    return re.sub(r'<input id="(Text[0-9]+)"', limited, page)


def main():
    if len(sys.argv) != 9:
        fail("usage: gen_page.py TRANSLATIONS_DIR TEMPLATE STYLESHEET FACTS_JSON PAGE_OUT STRINGS_OUT WEB_ADDRESS COPYRIGHT")
    (translations, template_path, stylesheet, facts, page_out, strings_out, web_address,
     copyright_line) = sys.argv[1:]

    english, languages = {}, {}
    for path in sorted(pathlib.Path(translations).glob("*.ts")):
        language, source, translated = read_ts(path)
        for key, text in source.items():
            if english.setdefault(key, text) != text:
                fail(f"{path} has another English text for '{key}': '{text}'")
        languages[language] = translated
    if not languages:
        fail(f"no .ts files in {translations}")

    # The copyright line is the build's; the .ts files may translate it.
    english.setdefault(copyright_line, copyright_line)
    template = pathlib.Path(template_path).read_text(encoding="utf-8")
    template = template.replace('data-s="@COPYRIGHT@"', f'data-s="{html.escape(copyright_line)}"')
    keys_used = set()
    page = fill(template, english, keys_used, web_address)
    page = with_limits(page, json.loads(pathlib.Path(facts).read_text(encoding="utf-8"))["maxLength"])
    style = pathlib.Path(stylesheet).read_bytes()
    if b"</" in style:
        fail(f"{stylesheet} cannot stand inside a <style> element")
    digest = base64.b64encode(hashlib.sha256(style).digest()).decode()
    page = (page.replace("@STYLE_SHA256@", digest)
                .replace("@STYLE@", style.decode("utf-8"))
                .replace("@WEB_ADDRESS@", html.escape(web_address)))
    if re.search(r"@(?!VERSION@)[A-Z_]+@", page):
        fail("index.html keeps a placeholder")
    pathlib.Path(page_out).write_text(page, encoding="utf-8")

    words = {language: {key: translated[key] for key in sorted(keys_used) if key in translated}
             for language, translated in sorted(languages.items())}
    module = json.dumps(words, ensure_ascii=False, separators=(",", ":"))
    pathlib.Path(strings_out).write_text(
        "// Written by gen_page.py from translations/: the page's words in each\n"
        "// language but English, keyed as the page's data-s attributes are.\n"
        f"export const WORDS = {module};\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
