#!/usr/bin/python3
"""The web folder's licences/: the notice (web/notice.txt.in, filled) and the licence of each part
of other authors that the folder holds, each taken from the Debian 13 files it is built from:

  EMSCRIPTEN.txt            Emscripten's run-time and system libraries: MIT or University of
                            Illinois/NCSA (Debian's copyright file of emscripten)
  LLVM.txt                  libc++, libc++abi, compiler-rt: Apache-2.0 WITH LLVM-exception (the
                            Apache text from common-licenses, the exception and the authors from
                            emscripten's copyright file; Debian leaves out LLVM's LICENSE.TXT)
  MUSL.txt                  musl's own COPYRIGHT, as Emscripten ships it
  LIBERATION-FONTS-OFL.txt  the fonts' copyright (fonts-liberation's copyright file) and the
                            OFL-1.1 from common-licenses

Only the parts of those files that are these licences are taken: a distribution's copyright file
also covers its packaging, under other licences (fonts-liberation's under the GPL).

Usage: licences.py NOTICE_TEMPLATE VERSION OUT_DIR   (inside the Debian 13 root)
"""
import os
import re
import subprocess
import sys
import textwrap

EMSCRIPTEN_COPYRIGHT = "/usr/share/doc/emscripten/copyright"
FONTS_COPYRIGHT = "/usr/share/doc/fonts-liberation/copyright"
MUSL = "/usr/share/emscripten/system/lib/libc/musl/COPYRIGHT"
COMMON = "/usr/share/common-licenses"


def paragraphs(path):
    """A DEP-5 copyright file's paragraphs, each as {field: value}, continuation lines kept."""
    result = []
    for block in re.split(r"\n\s*\n", open(path, encoding="utf-8").read()):
        fields, name = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name:
                fields[name] += "\n" + line
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
        if fields:
            result.append(fields)
    return result


def body(value):
    """A field's text: the first line dropped, continuation lines unindented, " ." a blank line,
    and each paragraph's lines (which Debian breaks at every clause) flowed again."""
    out = []
    for para in "\n".join(line[1:] if line.startswith(" ") else line
                          for line in value.split("\n")[1:]).split("\n.\n"):
        items = re.split(r"\n(?=\s*\* )", para.strip("\n"))
        for item in items:
            bullet = item.lstrip().startswith("* ")
            words = " ".join(item.split())
            out.append(textwrap.fill(words, 76, subsequent_indent="  " if bullet else ""))
        out.append("")
    return "\n".join(out).strip() + "\n"


def files_paragraph(paras, pattern):
    return next(p for p in paras if pattern in p.get("Files", "").split())


def licence_paragraph(paras, name):
    return next(p for p in paras if "Files" not in p and p.get("License", "").split("\n")[0] == name)


def holders(value):
    return "\n".join("  " + line.strip() for line in value.split("\n") if line.strip())


def package_version(name):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], check=True,
                          capture_output=True, text=True).stdout


def emscripten(paras, version):
    main = files_paragraph(paras, "*")
    said = body(main["License"].replace("Both these licenses can be found in the <LICENSE> file.",
                                        "Both are given below."))
    return (f"Emscripten, as Debian's emscripten package {version} ships it: the JavaScript run-time\n"
            f"in brivan.js and Emscripten's own system libraries compiled into brivan.wasm.\n\n"
            f"Copyright (c) {' '.join(main['Copyright'].split())}\n\n{said}\n"
            "MIT License\n-----------\n\n" + body(licence_paragraph(paras, "Expat")["License"]) +
            "\nUniversity of Illinois/NCSA Open Source License\n"
            "-----------------------------------------------\n\n" +
            body(licence_paragraph(paras, "NCSA~Mozilla")["License"]))


def llvm(paras, version):
    parts = [("libc++", "system/lib/libcxx/*"), ("libc++abi", "system/lib/libcxxabi/*"),
             ("compiler-rt", "system/lib/compiler-rt/*")]
    exception = body(files_paragraph(paras, "system/lib/libcxx/*")["License"])
    exception = exception[exception.index("As an exception,"):]
    for _, pattern in parts[1:]:
        other = body(files_paragraph(paras, pattern)["License"])
        if exception not in other:
            sys.exit(f"licences.py: {pattern} is not under the same LLVM exception as libc++ any more")
    authors = "".join(f"{name}:\n{holders(files_paragraph(paras, pattern)['Copyright'])}\n\n"
                      for name, pattern in parts)
    return (f"LLVM's libc++, libc++abi and compiler-rt, as Debian's emscripten package {version}\n"
            "ships them, compiled into brivan.wasm. Part of the LLVM Project, under the Apache\n"
            "License v2.0 with LLVM Exceptions. Their authors, as Debian's copyright file names\n"
            "them (the files carry no copyright lines of their own):\n\n" + authors +
            "==============================================================================\n"
            "The LLVM Project is under the Apache License v2.0 with LLVM Exceptions:\n"
            "==============================================================================\n\n" +
            open(os.path.join(COMMON, "Apache-2.0"), encoding="utf-8").read().strip("\n") +
            "\n\n---- LLVM Exceptions to the Apache 2.0 License ----\n\n" + exception)


def fonts(version):
    main = files_paragraph(paragraphs(FONTS_COPYRIGHT), "*")
    ofl = open(os.path.join(COMMON, "OFL-1.1"), encoding="utf-8").read()
    ofl = ofl[ofl.index("This Font Software is licensed under the SIL Open Font License"):]
    return (f"The Liberation fonts, version {version} (Debian's fonts-liberation package), from which\n"
            "the files in fonts/ are cut (see NOTICE.txt).\n\n" + holders(main["Copyright"]) + "\n\n" + ofl)


# Words each text must hold: a changed Debian file must not give an empty or wrong licence.
EXPECTED = {
    "EMSCRIPTEN.txt": ["The Emscripten Authors", "Permission is hereby granted", "Neither the names of Mozilla"],
    "LLVM.txt": ["Apache License", "Version 2.0, January 2004", "END OF TERMS AND CONDITIONS", "As an exception,",
                 "Howard Hinnant"],
    "MUSL.txt": ["musl as a whole is licensed under the following standard MIT license",
                 "Permission is hereby granted"],
    "LIBERATION-FONTS-OFL.txt": ["Reserved Font Name Liberation", "SIL OPEN FONT LICENSE Version 1.1",
                                 "PERMISSION & CONDITIONS"],
}


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    template, version, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    paras = paragraphs(EMSCRIPTEN_COPYRIGHT)
    emscripten_version = package_version("emscripten")
    liberation_version = package_version("fonts-liberation").split(":")[-1].rsplit("-", 1)[0]
    texts = {
        "EMSCRIPTEN.txt": emscripten(paras, emscripten_version),
        "LLVM.txt": llvm(paras, emscripten_version),
        "MUSL.txt": open(MUSL, encoding="utf-8").read(),
        "LIBERATION-FONTS-OFL.txt": fonts(liberation_version),
    }
    for name, text in texts.items():
        missing = [words for words in EXPECTED[name] if words not in text]
        if missing:
            sys.exit(f"licences.py: {name} lacks {missing}: has its Debian file changed?")
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(text)
    notice = open(template, encoding="utf-8").read()
    for key, value in (("VERSION", version), ("EMSCRIPTEN_VERSION", emscripten_version),
                       ("LIBERATION_VERSION", liberation_version)):
        notice = notice.replace(f"@{key}@", value)
    with open(os.path.join(out, "NOTICE.txt"), "w", encoding="utf-8") as f:
        f.write(notice)


if __name__ == "__main__":
    main()
