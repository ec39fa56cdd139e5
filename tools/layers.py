#!/usr/bin/env python3
"""Checks that the tree under src/ is built the way docs/architecture.md
draws it:

- the folders are exactly the ones in the document's table of layers, and
  each folder's includes reach exactly the folders the table names for it;
- those folders form no circle, and no two files include each other, even
  through others;
- a library links only libraries of folders it may include;
- every source file is within the line ceiling, and no test double ships in
  the product.

Prints each fault and exits 1, or prints a summary and exits 0.
Usage: layers.py [TOP]   (the source tree; the script's parent by default)
"""
import pathlib
import re
import sys

CEILING = 400
TABLE_HEADING = "## Folders and layers"
DOUBLE_NAMES = re.compile(r"^(fake|recording|mock|stub|dummy)", re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
LINKS = re.compile(r"\bLINKS\b([^)]*)\)", re.DOTALL)


def read_table(doc):
    """Rows of the table under TABLE_HEADING: folder -> (library, direct)."""
    text = doc.read_text(encoding="utf-8")
    if TABLE_HEADING not in text:
        sys.exit(f"{doc}: no '{TABLE_HEADING}' section")
    section = text.split(TABLE_HEADING, 1)[1].split("\n## ", 1)[0]
    rows = {}
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 3 or not cells[0].startswith("`"):
            continue
        folder = cells[0].strip("`")
        library = cells[1].strip("`")
        direct = {c.strip("` ") for c in cells[2].split(",") if c.strip("` ")}
        rows[folder] = (library, direct)
    return rows


def closure(rows):
    """folder -> every folder below it; None where the table has a circle."""
    below = {}

    def visit(folder, path):
        if folder in path:
            return None
        if folder not in below:
            reach = set()
            for dep in rows.get(folder, ("", set()))[1]:
                sub = visit(dep, path | {folder})
                if sub is None:
                    return None
                reach |= {dep} | sub
            below[folder] = reach
        return below[folder]

    for folder in rows:
        if visit(folder, frozenset()) is None:
            return None
    return below


def find_cycle(graph):
    """A list of nodes that include each other in a circle, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    src = top / "src"
    faults = []
    rows = read_table(top / "docs" / "architecture.md")
    folders = sorted(p.name for p in src.iterdir() if p.is_dir())

    for missing in sorted(set(folders) - set(rows)):
        faults.append(f"src/{missing} is not in docs/architecture.md's table")
    for extra in sorted(set(rows) - set(folders)):
        faults.append(f"docs/architecture.md names {extra}, which src/ does not have")
    below = closure(rows)
    if below is None:
        faults.append("docs/architecture.md's table has a circle")
        below = {f: set() for f in rows}

    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    home = {}
    for f in files:
        if f.suffix == ".h":
            if f.name in home:
                faults.append(f"two headers named {f.name}: {home[f.name]} and {f.relative_to(top)}")
            home[f.name] = f.relative_to(top)

    used = {f: set() for f in folders}
    units = {}
    for f in files:
        rel = f.relative_to(top)
        folder = rel.parts[1]
        text = f.read_text(encoding="utf-8", errors="replace")
        lines = text.count("\n")
        if lines > CEILING:
            faults.append(f"{rel}: {lines} lines, over {CEILING}")
        if DOUBLE_NAMES.match(f.name):
            faults.append(f"{rel}: a test double belongs in tests/support")
        unit = (folder, f.stem)
        units.setdefault(unit, set())
        for header in INCLUDE.findall(text):
            target = home.get(pathlib.PurePath(header).name)
            if target is None:
                continue  # generated (.moc) or not ours
            other = target.parts[1]
            if other != folder:
                used[folder].add(other)
                if other not in below.get(folder, set()):
                    faults.append(f"{rel} includes {target}: against the layers")
            elif target.stem != f.stem:
                units[unit].add((other, target.stem))

    for folder in folders:
        declared = rows.get(folder, ("", set()))[1]
        for dep in sorted(used[folder] - declared):
            if dep in below.get(folder, set()):
                faults.append(f"src/{folder} includes src/{dep}, which its row does not name")
        for dep in sorted(declared - used[folder]):
            faults.append(f"docs/architecture.md: src/{folder} includes nothing of src/{dep}")

    cycle = find_cycle(units)
    if cycle:
        faults.append("files that include each other: " + " -> ".join(f"{a}/{b}" for a, b in cycle))

    library_folder = {lib: folder for folder, (lib, _) in rows.items()}
    for folder in folders:
        lists = src / folder / "CMakeLists.txt"
        if not lists.exists():
            continue
        for block in LINKS.findall(lists.read_text(encoding="utf-8")):
            for name in block.split():
                other = library_folder.get(name)
                if other and other != folder and other not in below.get(folder, set()):
                    faults.append(f"src/{folder} links {name}: against the layers")

    tests = top / "tests"
    for d in sorted(p.name for p in tests.iterdir() if p.is_dir()):
        if d not in folders and d not in ("support", "e2e", "data"):
            faults.append(f"tests/{d} mirrors no folder of src/")

    for fault in faults:
        print(fault)
    if faults:
        return 1
    longest = max(files, key=lambda p: p.read_text(encoding="utf-8", errors="replace").count("\n"))
    print(f"{len(folders)} folders, {len(files)} files in layers, no circle; "
          f"longest {longest.relative_to(top)} "
          f"({longest.read_text(encoding='utf-8', errors='replace').count(chr(10))} lines)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
