#!/usr/bin/env python3
"""The translations of tabderiv, kept in translations/tabderiv_LANG.ts (Qt Linguist's format).

Each file holds every text of the program's catalogue (context "tabderiv", collected from the
code by Qt's lupdate), and the texts of the desktop entry (context "desktop") and of the
AppStream metainfo (context "metainfo", the summary and description of debian/control).

  translations.py update [LANGUAGE]   brings every .ts file in line with the code and the data:
                                      new texts unfinished, texts gone removed; with a language
                                      code (it, pt_BR), starts that language's file first
  translations.py check               fails when a .ts file and the texts differ, when an entry
                                      is unfinished, or when its placeholders differ; when a text
                                      with a placeholder has no note for translators; and when
                                      the code translates a text that is not in the catalogue
  translations.py desktop IN OUT TS…  the desktop entry with its translations
  translations.py metainfo IN OUT TS… the metainfo with its translations
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRANSLATIONS = os.path.join(TOP, "translations")
LUPDATE = "/usr/lib/qt6/bin/lupdate"
CODE = ["platform/catalogue.h", "ui"]
DESKTOP = os.path.join(TOP, "data/org.tabderiv.tabderiv.desktop")
DESKTOP_KEYS = {
    "GenericName": "The kind of program, as a desktop's menus name it.",
    "Comment": "What the program does, in a desktop's menus.",
    "Keywords": "Words a desktop's search finds the program by: keep each ended by a semicolon.",
}


# How many plural forms Qt's rules give each language (qtranslator's plural rules): a text
# with %n has that many forms in the language's file.
PLURAL_FORMS = {"ar": 6, "ja": 1, "ko": 1, "zh": 1, "pl": 3, "ru": 3, "uk": 3, "cs": 3}


def plural_forms(language):
    return PLURAL_FORMS.get(language.split("_")[0], 2)


def normalized(text):
    return " ".join(text.split())


def control_description():
    """The summary and the paragraphs of the package description in debian/control."""
    control = open(os.path.join(TOP, "debian/control"), encoding="utf-8").read()
    match = re.search(r"\nDescription: ([^\n]*)\n((?: [^\n]*\n)+)", control)
    summary, body = match.group(1), match.group(2)
    paragraphs = [normalized(p) for p in re.split(r"\n \.\n", "\n" + body) if p.strip()]
    return summary, paragraphs


def code_texts():
    """The texts of the catalogue, in order, with the notes for translators."""
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "code.ts")
        subprocess.run([LUPDATE, "-silent", "-locations", "none", "-extensions", "h,cpp"]
                       + [os.path.join(TOP, path) for path in CODE] + ["-ts", ts], check=True)
        root = ET.parse(ts).getroot()
    texts = []
    for context in root.iter("context"):
        if context.findtext("name") != "tabderiv":
            continue  # Qt's own texts, translated by Qt
        for message in context.iter("message"):
            texts.append(("tabderiv", message.findtext("source"),
                          message.findtext("extracomment") or "",
                          message.get("numerus") == "yes"))
    return texts


def data_texts():
    texts = []
    for line in open(DESKTOP, encoding="utf-8"):
        key, _, value = line.rstrip("\n").partition("=")
        if key in DESKTOP_KEYS:
            texts.append(("desktop", value, DESKTOP_KEYS[key], False))
    summary, paragraphs = control_description()
    texts.append(("metainfo", summary, "The one-line summary in software centres.", False))
    for paragraph in paragraphs:
        texts.append(("metainfo", paragraph, "A paragraph of the description in software centres.",
                      False))
    return texts


def all_texts():
    return code_texts() + data_texts()


def ts_files():
    return sorted(os.path.join(TRANSLATIONS, name) for name in os.listdir(TRANSLATIONS)
                  if re.fullmatch(r"tabderiv_[a-z]{2,3}(_[A-Z]{2})?\.ts", name))


def read_ts(path):
    """The language and {(context, source): (translation, finished)} of a .ts file; the
    translation of a text with %n is the list of its plural forms."""
    root = ET.parse(path).getroot()
    entries = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if message.get("numerus") == "yes":
                text = [form.text or "" for form in translation.iter("numerusform")]
                filled = bool(text) and all(text)
            else:
                text = translation.text or ""
                filled = bool(text)
            finished = translation.get("type") is None and filled
            entries[(name, message.findtext("source"))] = (text, finished)
    return root.get("language"), entries


def write_ts(path, language, texts, entries):
    def escaped(text):
        return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
                .replace('"', "&quot;"))
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}" sourcelanguage="en">']
    for context in dict.fromkeys(context for context, _, _, _ in texts):
        lines += ["<context>", f"    <name>{context}</name>"]
        for text_context, source, note, numerus in texts:
            if text_context != context:
                continue
            translation, finished = entries.get((context, source), ("", False))
            if numerus:
                forms = translation if isinstance(translation, list) else [translation]
                forms = (forms + [""] * plural_forms(language))[:plural_forms(language)]
                finished = finished and all(forms)
            lines.append('    <message numerus="yes">' if numerus else "    <message>")
            lines.append(f"        <source>{escaped(source)}</source>")
            if note:
                lines.append(f"        <extracomment>{escaped(note)}</extracomment>")
            kind = "" if finished else ' type="unfinished"'
            if numerus:
                lines.append(f"        <translation{kind}>")
                lines += [f"            <numerusform>{escaped(form)}</numerusform>"
                          for form in forms]
                lines.append("        </translation>")
            else:
                lines.append(f"        <translation{kind}>{escaped(translation)}</translation>")
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def placeholders(text):
    return sorted(re.findall(r"%[1-9]", text))


# Where the program's code lies, and the one file that may mark texts for translation.
SOURCES = ["calc", "platform", "ui"]
CATALOGUE = "platform/catalogue.h"
# A string literal, or one wrapped in a Qt type.
LITERAL = r'(?:(?:u8|u|U|L)?R?"|Q(?:StringLiteral|Latin1String(?:View)?|String(?:::fromUtf8|::fromLatin1)?|ByteArray)\s*\(\s*(?:u8|u)?")'
# Marks and calls that would give a translator a text outside the catalogue.
OUTSIDE_CATALOGUE = [
    (re.compile(r"\bQT_(?:TRANSLATE(?:_N)?_NOOP3?|TR(?:_N)?_NOOP|TRID(?:_N)?_NOOP)\s*\("),
     "marks a text for translation outside " + CATALOGUE),
    (re.compile(r"\b(?:tr|qsTr|qtTrId|trUtf8)\s*\("),
     "translates with tr(): the program's texts are in " + CATALOGUE),
    (re.compile(r"(?:\btranslation::)?\btext\s*\(\s*" + LITERAL),
     "gives translation::text a literal: the program's texts are in " + CATALOGUE),
]
# translate(context, text, ...): a literal text only in one of Qt's own contexts (a Qt class,
# such as "QFileDialog"), whose texts Qt's translations hold.
TRANSLATE = re.compile(r"\btranslate\s*\(\s*([^,()]+?)\s*,\s*(" + LITERAL + ")")


def without_comments(code):
    """C++ code with its comments blanked out (line breaks kept), string literals kept."""
    pattern = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)

    def blanked(match):
        text = match.group(0)
        return text if text[0] in "\"'" else re.sub(r"[^\n]", " ", text)
    return pattern.sub(blanked, code)


def declared(code, position):
    """True when the name at position is declared there rather than called (QString text("")):
    a type stands before it."""
    before = re.search(r"([\w>&*]+)\s*$", code[:position])
    return bool(before) and before.group(1) not in ("return", "co_return", "throw", "case")


def code_faults():
    """Where the code translates a text no translator sees: texts marked or given to a
    translation outside the catalogue."""
    faults = []
    for folder in SOURCES:
        for directory, _, names in sorted(os.walk(os.path.join(TOP, folder))):
            for file_name in sorted(names):
                if not file_name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(directory, file_name)
                name = os.path.relpath(path, TOP)
                code = without_comments(open(path, encoding="utf-8").read())
                found = []
                for rule, fault in OUTSIDE_CATALOGUE:
                    if name == CATALOGUE and rule is OUTSIDE_CATALOGUE[0][0]:
                        continue
                    found += [(match.start(), fault) for match in rule.finditer(code)
                              if not declared(code, match.start())]
                for match in TRANSLATE.finditer(code):
                    if not re.fullmatch(r'"Q[A-Za-z]+"', match.group(1)):
                        found.append((match.start(),
                                      "translates a literal: the program's texts are in "
                                      + CATALOGUE))
                for position, fault in sorted(found):
                    line = code.count("\n", 0, position) + 1
                    faults.append(f"{name}:{line}: {fault}")
    return faults


def note_faults(texts):
    """Texts with a placeholder whose meaning no note tells the translator."""
    return [f"{CATALOGUE}: {source!r} has a placeholder but no note (//:) saying what it stands for"
            for context, source, note, numerus in texts
            if context == "tabderiv" and (placeholders(source) or numerus) and not note]


def update(new_language=None):
    texts = all_texts()
    if new_language:
        path = os.path.join(TRANSLATIONS, f"tabderiv_{new_language}.ts")
        if not os.path.exists(path):
            write_ts(path, new_language, texts, {})
    for path in ts_files():
        language, entries = read_ts(path)
        write_ts(path, language, texts, entries)
        print(f"{os.path.relpath(path, TOP)}: {len(texts)} texts")


def check():
    texts = all_texts()
    wanted = {(context, source) for context, source, _, _ in texts}
    faults = code_faults() + note_faults(texts)
    for path in ts_files():
        name = os.path.relpath(path, TOP)
        language, entries = read_ts(path)
        for context, source in sorted(wanted - entries.keys()):
            faults.append(f"{name}: no entry for the {context} text {source!r}")
        for context, source in sorted(entries.keys() - wanted):
            faults.append(f"{name}: an entry for {source!r}, which the program no longer has")
        for (context, source), (translation, finished) in sorted(entries.items()):
            if (context, source) not in wanted:
                continue
            forms = translation if isinstance(translation, list) else [translation]
            if not finished:
                faults.append(f"{name}: the entry for {source!r} is unfinished")
            elif isinstance(translation, list) and len(forms) != plural_forms(language):
                faults.append(f"{name}: {source!r} needs {plural_forms(language)} plural forms")
            elif any(placeholders(source) != placeholders(form) for form in forms):
                faults.append(f"{name}: the placeholders of {source!r} differ in {translation!r}")
            elif context == "desktop" and source.endswith(";") != translation.endswith(";"):
                faults.append(f"{name}: {translation!r} must end as {source!r} does")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"translations: {len(ts_files())} languages, {len(texts)} texts, {len(faults)} faults")
    return 1 if faults else 0


def translations(ts_paths, context):
    """{language: {source: translation}} of one context, finished entries only."""
    found = {}
    for path in sorted(ts_paths):
        language, entries = read_ts(path)
        found[language] = {source: translation for (name, source), (translation, finished)
                           in entries.items() if name == context and finished}
    return found


def desktop(source, target, ts_paths):
    languages = translations(ts_paths, "desktop")
    lines = []
    for line in open(source, encoding="utf-8"):
        lines.append(line)
        key, _, value = line.rstrip("\n").partition("=")
        if key in DESKTOP_KEYS:
            for language, texts in languages.items():
                if value in texts:
                    lines.append(f"{key}[{language}]={texts[value]}\n")
    with open(target, "w", encoding="utf-8") as out:
        out.writelines(lines)


def metainfo(source, target, ts_paths):
    languages = translations(ts_paths, "metainfo")
    text = open(source, encoding="utf-8").read()

    def escaped(text):
        return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")

    def translated(match):
        indent, tag, body = match.group(1), match.group(2), match.group(3)
        key = normalized(body.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&"))
        added = [match.group(0)]
        for language, texts in languages.items():
            if key in texts:
                added.append(f'{indent}<{tag} xml:lang="{language}">{escaped(texts[key])}</{tag}>')
        return "\n".join(added)

    text = re.sub(r"(?m)^( *)<(summary|p)>(.*?)</\2>", translated, text, flags=re.S)
    with open(target, "w", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "update" and len(sys.argv) <= 3:
        update(sys.argv[2] if len(sys.argv) == 3 else None)
    elif command == "check":
        sys.exit(check())
    elif command in ("desktop", "metainfo") and len(sys.argv) >= 4:
        (desktop if command == "desktop" else metainfo)(sys.argv[2], sys.argv[3], sys.argv[4:])
    else:
        sys.exit(__doc__)
