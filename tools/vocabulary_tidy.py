#!/usr/bin/env python3
"""Tidy the built-in vocabulary: group the record lines by category and sub-category in
slot order, drop repeated (English, Spanish) pairs within a sub-category, and give every line
whose word number is 0 the next free number. Numbers already given never change: they index
the learned marks in users' data files.

Usage: vocabulary_tidy.py OUTPUT.txt INPUT.txt [INPUT.txt ...]
"""
import sys

ORDER = [
    ("Animals", ["Birds", "Farm animals", "Insects", "Mammals", "Reptiles etc.", "Water creatures"]),
    ("Body", ["Hospital", "Illness", "Injuries", "Internal", "Parts of body"]),
    ("Children", ["Baby", "Classroom", "School"]),
    ("City", ["Buildings", "In the city", "Shops"]),
    ("Clothes", ["Accessories", "Clothes"]),
    ("Food", ["Dining", "Drinks", "Fruit", "Meat and fish", "Miscellaneous", "Seasoning", "Vegetables"]),
    ("House", ["Bathroom", "Bedroom", "Cleaning", "Garden", "Kitchen", "Living room", "Miscellaneous"]),
    ("Industry", ["Banking", "Business", "Computing", "Jobs", "Machinery", "Professions", "Workshop"]),
    ("Leisure", ["Beach", "Boating", "Camping", "Games+ hobbies", "Music", "Sports"]),
    ("Miscellaneous", ["Beauty", "Colors", "Containers", "Directions", "Expressions", "Materials",
                       "Object characteristics", "Prepositions"]),
    ("Nature", ["Geography", "Plants", "Water", "Weather"]),
    ("People", ["Characteristics", "Family", "Moods", "Personality", "Relationships"]),
    ("Quantities", ["Arithmetic", "Days+ weeks+ months", "Miscellaneous", "Numbers", "Ordinal numbers",
                    "Shapes and lines", "Time", "Weights and measures"]),
    ("Travel", ["Air travel", "Cars", "Miscellaneous", "Transport"]),
    ("Verbs", ["Verbs A-E", "Verbs F-P", "Verbs Q-Z"]),
]


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    groups = {(c, s): [] for c, subs in ORDER for s in subs}
    seen = set()
    used = set()
    problems = 0
    for path in sys.argv[2:]:
        with open(path, encoding="utf-8") as f:
            for n, raw in enumerate(f, 1):
                line = raw.rstrip("\r\n")
                if not line.strip() or line.lstrip().startswith("#"):
                    continue
                parts = line.split(",")
                if len(parts) != 13 or parts[0] != "" or parts[12].strip() != "":
                    print(f"{path}:{n}: not a record line: {line}")
                    problems += 1
                    continue
                f_ = [p.strip() for p in parts[1:12]]
                key = (f_[7], f_[8])
                if key not in groups:
                    print(f"{path}:{n}: unknown category {key}")
                    problems += 1
                    continue
                if any(len(x) > 50 for x in f_):
                    print(f"{path}:{n}: field longer than 50 characters")
                    problems += 1
                    continue
                pair = (key, f_[3].lower(), f_[4].lower())
                if pair in seen:
                    continue
                seen.add(pair)
                number = int(f_[10]) if f_[10].isdigit() else 0
                if number in used:
                    number = 0
                if number:
                    used.add(number)
                f_[10] = number
                groups[key].append(f_)
    next_number = max(used, default=0) + 1
    out = ["# Lexory built-in vocabulary. One word a line:",
           "# ,marker,note,type,English,Spanish,English plural,Spanish plural,category,sub-category,level,number, ",
           "# A '+' in an English field or a sub-category stands for a comma. Word numbers index the",
           "# learned marks of the data file: never change or reuse one. New lines may carry 0 and get",
           "# the next free number from tools/vocabulary_tidy.py."]
    for (cat, sub), lines in groups.items():
        out.append("")
        out.append(f"# {cat} / {sub.replace('+', ',')}")
        for f_ in lines:
            if not f_[10]:
                f_[10] = next_number
                next_number += 1
            out.append("," + ",".join(str(x) for x in f_) + ", ")
    with open(sys.argv[1], "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
