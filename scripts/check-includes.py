#!/usr/bin/env python3
"""Fails when the includes under src/ form a cycle or point up from a lower layer, when a header
is named after nothing that implements it, or when a file opens a namespace other than its
folder's (or one nested in it).

A module is a header with the .cpp of the same name beside it. Two modules that reach each other
through their includes, in either of their files, form a cycle.

A header is implemented by the .cpp of its name beside it or in its layer's win32/ or headless/
folder; one that needs none (value types, inline helpers, abstract interfaces) says so in its first
line, a comment that ends its first clause with "only".

Usage: check-includes.py [src-folder]   (prints figures; exit status 1 on any finding)
"""
import re
import sys
from collections import defaultdict
from pathlib import Path

# The layers, and for each the layers its files may include besides its own. Everything else is
# an upward or sideways include.
MAY_INCLUDE = {
    "platform": set(),
    "graphics": {"platform"},
    "toolkit": {"graphics", "platform"},
    "description": {"toolkit", "graphics", "platform"},
    "updater": {"platform"},
    "widgets": {"description", "toolkit", "graphics", "platform"},
    "app": {"widgets", "updater", "description", "toolkit", "graphics", "platform"},
    "standin": set(),
}
# The one file that must open another's namespace: it replaces the C++ runtime's verbose
# terminate handler, which lives in the runtime's namespace.
FOREIGN_NAMESPACES = {"app/quiet_terminate.cpp": {"__gnu_cxx"}}
# A file of a folder opens only the folder's namespace or ones nested in it: the name at a call
# site says which layer it stands in. An anonymous namespace is the file's own.
OPENS = re.compile(r"^\s*namespace\s*([A-Za-z_][\w:]*)?\s*\{")
CLOSES = re.compile(r"^\s*}\s*//\s*namespace\b")


def outermost_namespaces(text):
    """The namespaces a file opens outside any other (every block closes with "}  // namespace")."""
    depth, found = 0, []
    for line in text.splitlines():
        opened = OPENS.match(line)
        if opened:
            if depth == 0:
                found.append(opened.group(1) or "")
            depth += 1
        elif CLOSES.match(line):
            depth = max(depth - 1, 0)
    return found
BACKENDS = ("win32", "headless")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def backend_of(parts):
    """The backend folder a path (relative to src, as parts) lies in, if any."""
    return parts[1] if len(parts) > 2 and parts[1] in BACKENDS else None


def module_of(rel):
    """The module a file belongs to: a header with the .cpp of the same name beside it. A backend
    .cpp that implements a portable header is a module of its own: nothing includes it, so it
    cannot close a cycle, and it may use every portable header of its layer."""
    return str(rel.with_suffix(""))


def find_cycles(graph):
    """Strongly connected components of more than one module (Tarjan's algorithm)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph[node]):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src")
    files = sorted(p.relative_to(src) for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    headers = {f for f in files if f.suffix == ".h"}
    problems = []
    graph = defaultdict(set)
    edges = 0
    for rel in files:
        layer = rel.parts[0]
        if layer not in MAY_INCLUDE:
            problems.append(f"{rel}: folder '{layer}' is no known layer")
            continue
        here = module_of(rel)
        graph[here]
        text = (src / rel).read_text(encoding="utf-8")
        for opened in outermost_namespaces(text):
            if opened and opened.split("::")[0] != layer and opened not in FOREIGN_NAMESPACES.get(str(rel), ()):
                problems.append(f"{rel}: opens namespace {opened}, not one of '{layer}'")
        for target in INCLUDE.findall(text):
            to = Path(target)
            if not (src / to).is_file():
                continue  # a generated header or one of the build's own include folders
            edges += 1
            if to.parts[0] != layer and to.parts[0] not in MAY_INCLUDE[layer]:
                problems.append(f"{rel}: includes {target}, of a layer '{layer}' may not use")
            target_backend = backend_of(to.parts)
            if target_backend and target_backend != backend_of(rel.parts):
                problems.append(f"{rel}: includes {target}, which belongs to the {target_backend} backend")
            there = module_of(to)
            if there != here:
                graph[here].add(there)
    for header in sorted(headers):
        layer, stem = header.parts[0], header.stem
        homes = [header.with_suffix(".cpp")] + [Path(layer, b, stem + ".cpp") for b in BACKENDS]
        if any(home in files for home in homes):
            continue
        first = (src / header).read_text(encoding="utf-8").split("\n", 1)[0]
        if not re.match(r"^// [^:]*\bonly\b", first):
            problems.append(f"{header}: no .cpp of its name, and its first line does not say it needs none")
    for cycle in find_cycles(graph):
        problems.append("include cycle between modules: " + ", ".join(cycle))

    lines = defaultdict(int)
    for rel in files:
        lines[rel.parts[0]] += sum(1 for _ in (src / rel).open(encoding="utf-8"))
    total = sum(lines.values())
    print(f"{len(files)} files, {len(graph)} modules, {edges} includes of the tree's own headers")
    for layer in sorted(lines, key=lambda k: -lines[k]):
        print(f"  src/{layer}: {lines[layer]} lines ({100 * lines[layer] / total:.0f}%)")
    for problem in problems:
        print("FAIL " + problem)
    print(f"{len(problems)} findings")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
