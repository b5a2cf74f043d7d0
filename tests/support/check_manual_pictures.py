#!/usr/bin/env python3
"""The built manual shows its windows in its own language: every picture a page shows lies in
pictures/en/ (the pages are English) and has its Korean twin in pictures/ko/, and the two sets
really differ in language (a build that ignored the program folder's language would draw one
language twice).

Usage: check_manual_pictures.py SOURCE_DIR MANUAL_DIR
"""

import re
import sys
from pathlib import Path

# Windows whose every text is a label of the interface: their two pictures cannot be alike.
TEXT_WINDOWS = ("CDigitTagDialog", "CPrjMgnDialog", "CRecordListDialog", "CSysInfoDialog")


def main() -> int:
    source, manual = Path(sys.argv[1]), Path(sys.argv[2])
    faults = []
    shown = 0
    for page in sorted((source / "docs/manual").glob("*.md")):
        for target in re.findall(r"!\[[^\]]*\]\(([^)]+)\)", page.read_text(encoding="utf-8")):
            if not target.startswith("pictures/en/"):
                faults.append(f"{page.name}: {target} is not a picture of the English set")
                continue
            shown += 1
            name = target[len("pictures/en/"):]
            for lang in ("en", "ko"):
                if not (manual / "pictures" / lang / name).is_file():
                    faults.append(f"{page.name}: pictures/{lang}/{name} was not drawn")
    if shown == 0:
        faults.append("no page shows a picture")
    for window in TEXT_WINDOWS:
        en = manual / "pictures/en" / f"{window}.png"
        ko = manual / "pictures/ko" / f"{window}.png"
        if en.is_file() and ko.is_file() and en.read_bytes() == ko.read_bytes():
            faults.append(f"{window}: the English and the Korean picture are the same")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"{shown} pictures, each drawn in English and in Korean")
    return 0


if __name__ == "__main__":
    sys.exit(main())
